#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace tornelis::formsdb {

// One paradigm: for each form, its suffix, tag and prefix ids.
struct Paradigm {
    std::vector<std::uint16_t> suffixIds;
    std::vector<std::uint16_t> tagIds;
    std::vector<std::uint16_t> prefixIds;
    std::size_t size() const { return suffixIds.size(); }
};

struct SourceForm {
    QString word;
    std::uint16_t tagId;
    std::uint16_t prefixId;
};

// A lexeme of the source: the lemma (form 0) with its paradigm.
struct SourceLexeme {
    QString lemma;
    std::uint16_t paradigmId;
};

// The paradigms.array stream read from path: the paradigm count, then each
// paradigm's length 3n and its suffix, tag and prefix ids, all uint16 LE;
// throws std::runtime_error naming path when it is malformed or refers to
// ids past the given counts.
std::vector<Paradigm> ParseParadigms(const QByteArray &bytes, const QString &path, qsizetype suffixCount,
                                     qsizetype tagCount, qsizetype prefixCount);

// The OpenCorpora dictionary in the compiled form of the az package's dicts/.
class OpenCorpora {
public:
    // Reads meta.json, suffixes.json, gramtab-opencorpora-int.json and
    // paradigms.array from dir; throws std::runtime_error naming what is wrong.
    static OpenCorpora Load(const QString &dir);

    const QStringList &tags() const { return tags_; }
    const QStringList &prefixes() const { return prefixes_; }
    const std::vector<Paradigm> &paradigms() const { return paradigms_; }

    // Every (lemma, paradigm) of words.dawg, with the number of keys walked.
    std::vector<SourceLexeme> ReadLexemes(std::size_t *keyCount = nullptr) const;

    // All forms of a lexeme, in paradigm order; form 0 is the lemma.
    std::vector<SourceForm> Expand(const SourceLexeme &lexeme) const;

private:
    QString dir_;
    QStringList suffixes_;
    QStringList tags_;
    QStringList prefixes_;
    std::vector<Paradigm> paradigms_;
};

}  // namespace tornelis::formsdb
