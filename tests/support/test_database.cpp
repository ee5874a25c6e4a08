#include "support/test_database.h"

#include "engine/prediction.h"
#include "engine/sqlite_database.h"

#include <QFile>
#include <QHash>

namespace tornelis::test {

void WriteTestDatabase(const QString &path, const QList<FormRow> &forms, const QList<YoRow> &yo,
                       DatabaseObjects objects)
{
    QFile::remove(path);
    SqliteDatabase database(path, SqliteDatabase::Mode::Create);
    database.exec(QStringLiteral(
        "create table tags(id integer primary key, prop text not null);"
        "create table forms(id integer primary key, word text not null, tag_id integer not null,"
        " accent integer not null, initform_id integer not null);"
        "create index forms_word on forms(word);"
        "create index forms_initform on forms(initform_id);"));
    if (objects.formsView) {
        database.exec(QStringLiteral(
            "create view forms_view as select f.id as id, f.word as word, t.prop as prop,"
            " f.accent as accent, f.initform_id as initform_id from forms f join tags t on t.id = f.tag_id;"));
    }
    if (objects.yo)
        database.exec(QStringLiteral("create table yo(str text not null, str_yo text not null);"));

    QHash<QString, qint64> tagIds;
    SqliteStatement insertTag(database, QStringLiteral("insert into tags(id, prop) values(?, ?)"));
    SqliteStatement insertForm(database, QStringLiteral("insert into forms values(?, ?, ?, ?, ?)"));
    for (const FormRow &row : forms) {
        if (!tagIds.contains(row.prop)) {
            tagIds.insert(row.prop, tagIds.size() + 1);
            insertTag.bindInt64(1, tagIds.value(row.prop));
            insertTag.bindText(2, row.prop);
            insertTag.step();
            insertTag.reset();
        }
        insertForm.bindInt64(1, row.id);
        insertForm.bindText(2, row.word);
        insertForm.bindInt64(3, tagIds.value(row.prop));
        insertForm.bindInt64(4, row.accent);
        insertForm.bindInt64(5, row.initformId);
        insertForm.step();
        insertForm.reset();
    }
    if (objects.yo) {
        SqliteStatement insertYo(database, QStringLiteral("insert into yo values(?, ?)"));
        for (const YoRow &row : yo) {
            insertYo.bindText(1, row.str);
            insertYo.bindText(2, row.strYo);
            insertYo.step();
            insertYo.reset();
        }
    }
}

void AddEndingTable(const QString &path, const QString &inserts)
{
    SqliteDatabase database(path, SqliteDatabase::Mode::Create);
    database.exec(kGuessTablesSchema + inserts);
}

void AddCorpusCounts(const QString &path, const QList<CorpusCountRow> &counts)
{
    SqliteDatabase database(path, SqliteDatabase::Mode::Create);
    database.exec(QStringLiteral("create table corpus_counts(word text not null, tag_id integer not null,"
                                 " count integer not null, primary key(word, tag_id)) without rowid;"));
    SqliteStatement insert(database, QStringLiteral("insert into corpus_counts"
                                                    " select ?, id, ? from tags where prop = ?"));
    for (const CorpusCountRow &row : counts) {
        insert.bindText(1, row.word);
        insert.bindInt64(2, row.count);
        insert.bindText(3, row.prop);
        insert.step();
        insert.reset();
    }
}

void AddYoSpellings(const QString &path, const QList<YoRow> &spellings)
{
    SqliteDatabase database(path, SqliteDatabase::Mode::Create);
    database.exec(QStringLiteral(
        "create table yo_spellings(str text not null, str_yo text not null, primary key(str, str_yo)) without rowid;"));
    SqliteStatement insert(database, QStringLiteral("insert into yo_spellings values(?, ?)"));
    for (const YoRow &row : spellings) {
        insert.bindText(1, row.str);
        insert.bindText(2, row.strYo);
        insert.step();
        insert.reset();
    }
}

void AddReadingCounts(const QString &path, const QString &inserts)
{
    SqliteDatabase database(path, SqliteDatabase::Mode::Create);
    database.exec(QStringLiteral(
        "create table reading_counts(word text not null, initform_id integer not null, rank integer not null,"
        " occurrences integer not null, primary key(word, initform_id)) without rowid;") + inserts);
}

QList<FormRow> Lexeme(qint64 firstId, const QList<QPair<QString, QString>> &wordsAndTags, int lemmaIndex)
{
    QList<FormRow> rows;
    qint64 id = firstId;
    for (const auto &[word, tags] : wordsAndTags)
        rows.append({id++, word, tags, 0, firstId + lemmaIndex});
    return rows;
}

}  // namespace tornelis::test
