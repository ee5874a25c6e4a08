#pragma once

#include "lexeme_split.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace tornelis::formsdb {

// Lexemes of one lemma whose tables show the same forms with the same
// stresses cell for cell, told apart by transitivity at most: the source
// keeps one lexeme per transitivity (думать, править) or a participle once
// per verb (вывешенный of вывесить and of вывешать), the reader would see
// identical tabs. The first of such twins stays, its tags naming both
// transitivities ("tran,intr") where the twins differ in it; the others are
// left out.
class TwinLexemes {
public:
    // A built lexeme: its source lexeme and its place among that one's split.
    struct Key {
        std::size_t source;
        std::size_t built;
    };

    explicit TwinLexemes(const QStringList &tags);

    // Notes a lexeme ready to be written (forms spelled right, accents[i] of
    // forms[i]); a twin of one noted before is to be left out.
    void Note(Key key, const BuiltLexeme &lexeme, const std::vector<int> &accents);

    bool IsLeftOut(Key key) const { return leftOut_.contains(Pack(key)); }

    // The tag strings for the writer: the source's, then those naming both
    // transitivities that the kept twins need.
    QStringList AllTags() const;

    // Widens the tags of a kept twin to both transitivities; leaves other
    // lexemes as they are. Call after every Note.
    void Widen(Key key, BuiltLexeme &lexeme);

    qsizetype leftOutCount() const { return leftOut_.size(); }

private:
    static quint64 Pack(Key key) { return (quint64(key.source) << 16) | quint64(key.built); }
    std::uint16_t WidenedTag(std::uint16_t tagId);

    const QStringList &tags_;
    QHash<QString, Key> firstOfSignature_;
    QHash<quint64, QSet<QString>> transitivities_;  // of the kept twins
    QSet<quint64> leftOut_;
    QStringList widenedTags_;
    QHash<std::uint16_t, std::uint16_t> widenedIds_;
};

}  // namespace tornelis::formsdb
