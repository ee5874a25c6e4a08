#pragma once

#include "engine/sqlite_database.h"
#include "engine/verb_prefix.h"
#include "lexeme_split.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

namespace tornelis::formsdb {

// The data for words the dictionary lacks: for each ending of three to six
// letters, the paradigms of the nouns, adjectives and verbs whose forms end
// so, with the form's place in the paradigm, the number of lexemes behind
// each, how many of them start with a verbal prefix, and their stress
// pattern counted from the word's end. Lemma endings and the endings of the
// other forms are ranked apart. Written as the tables guess_endings and
// guess_paradigms; an ending only one lexeme has is left out.
class EndingTableBuilder {
public:
    explicit EndingTableBuilder(const QStringList &tags);

    // Notes a written lexeme whose lemma row got lemmaId.
    void Add(const BuiltLexeme &lexeme, const std::vector<int> &accents, qint64 lemmaId);

    // Creates and fills the two tables; returns the number of ending rows.
    qint64 Write(SqliteDatabase &database);

private:
    struct Entry {
        bool lemma;  // the ending is the lemma's
        QString ending;
        int paradigm;
        int position;  // of the form in the paradigm
        int stress;
        int lemmaLength;
        qint64 lemmaId;
        VerbPrefix prefix;  // of the letters before the ending
    };

    int Intern(QHash<QString, int> &ids, QStringList &values, const QString &value);

    QStringList tags_;
    QHash<QString, int> paradigmIds_;
    QStringList paradigms_;  // "suffix\ttag id\tlemma flag" lines, one a form
    QHash<QString, int> stressIds_;
    QStringList stresses_;  // comma-separated stress places from the end, 0 for none
    std::vector<Entry> entries_;
};

}  // namespace tornelis::formsdb
