#pragma once

#include <QList>
#include <QString>

namespace tornelis::test {

struct FormRow {
    qint64 id;
    QString word;
    QString prop;
    int accent;
    qint64 initformId;
};

struct YoRow {
    QString str;
    QString strYo;
};

struct DatabaseObjects {
    bool formsView = true;
    bool yo = true;
};

// Writes a small forms.db at path laid out as the real dictionary: forms_view
// as a view over a forms table and a table of tag strings, and the yo table.
// Rows keep the order given, so statements deliver them in that order.
void WriteTestDatabase(const QString &path, const QList<FormRow> &forms,
                       const QList<YoRow> &yo = {}, DatabaseObjects objects = {});

// Adds the ending table for words the dictionary lacks to the forms.db at
// path, laid out as the builder writes it, with the rows that inserts (SQL
// insert statements into guess_paradigms and guess_endings) add.
void AddEndingTable(const QString &path, const QString &inserts);

// Adds the corpus counts of readings to the forms.db at path, laid out as
// the builder writes them: how often the corpus reads word (written with е)
// with the tag string prop, which a form of the file must have.
struct CorpusCountRow {
    QString word;
    QString prop;
    int count;
};
void AddCorpusCounts(const QString &path, const QList<CorpusCountRow> &counts);

// Adds the table of every ё spelling of the dictionary's forms to the
// forms.db at path, laid out as the builder writes it.
void AddYoSpellings(const QString &path, const QList<YoRow> &spellings);

// Adds the table of how often a corpus reads a word as each of its lexemes to
// the forms.db at path, laid out as the builder writes it, with the rows that
// inserts (SQL insert statements into reading_counts) add.
void AddReadingCounts(const QString &path, const QString &inserts);

// One lexeme: rows numbered from firstId, the row at lemmaIndex being the lemma.
QList<FormRow> Lexeme(qint64 firstId, const QList<QPair<QString, QString>> &wordsAndTags, int lemmaIndex = 0);

}  // namespace tornelis::test
