#include "engine/sqlite_database.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace tornelis;

namespace {

using Lifetime = SqliteStatement::Lifetime;

const QString kWordsOfLetter = QStringLiteral("select word from words where letter = ? order by word");

// A file with a table of words by their first letter.
QString WriteWords(const QTemporaryDir &dir, const QString &name, const QStringList &words)
{
    const QString path = dir.filePath(name);
    SqliteDatabase database(path, SqliteDatabase::Mode::Create);
    database.exec(QStringLiteral("create table words(letter text, word text)"));
    for (const QString &word : words)
        database.exec(QStringLiteral("insert into words values('%1', '%2')").arg(word.left(1), word));
    return path;
}

QStringList WordsOfLetter(SqliteDatabase &database, const QString &letter, qsizetype most = 100)
{
    SqliteStatement statement(database, kWordsOfLetter, Lifetime::Connection);
    statement.bindText(1, letter);
    QStringList words;
    while (words.size() < most && statement.step())
        words.append(statement.columnText(0));
    return words;
}

}  // namespace

class TestSqliteDatabase : public QObject {
    Q_OBJECT

private slots:
    void keptStatementRunsAfreshEachUse();
    void keptStatementNestedInItselfRunsApart();
    void keptStatementsBelongToTheirConnection();

private:
    QTemporaryDir dir_;
};

// A use that read only the first row, or failed, leaves nothing for the next.
void TestSqliteDatabase::keptStatementRunsAfreshEachUse()
{
    SqliteDatabase database(WriteWords(dir_, QStringLiteral("a.db"), {"кот", "кит", "дом"}), SqliteDatabase::Mode::ReadOnly);
    QCOMPARE(WordsOfLetter(database, QStringLiteral("к"), 1), QStringList{"кит"});
    QCOMPARE(WordsOfLetter(database, QStringLiteral("к")), (QStringList{"кит", "кот"}));
    QCOMPARE(WordsOfLetter(database, QStringLiteral("д")), QStringList{"дом"});
    {
        SqliteStatement unbound(database, kWordsOfLetter, Lifetime::Connection);
        QVERIFY(!unbound.step());  // the last use's parameter is gone
    }
    QVERIFY_THROWS_EXCEPTION(DatabaseError, SqliteStatement(database, QStringLiteral("select nothing"), Lifetime::Connection));
    QCOMPARE(WordsOfLetter(database, QStringLiteral("к")), (QStringList{"кит", "кот"}));
}

void TestSqliteDatabase::keptStatementNestedInItselfRunsApart()
{
    SqliteDatabase database(WriteWords(dir_, QStringLiteral("b.db"), {"кот", "кит", "дом", "дым"}), SqliteDatabase::Mode::ReadOnly);
    SqliteStatement outer(database, kWordsOfLetter, Lifetime::Connection);
    outer.bindText(1, QStringLiteral("к"));
    QStringList seen;
    while (outer.step())
        seen.append(outer.columnText(0) + QLatin1Char(':') + WordsOfLetter(database, QStringLiteral("д")).join(u','));
    QCOMPARE(seen, (QStringList{"кит:дом,дым", "кот:дом,дым"}));
}

// Statements of a closed connection are gone with it; the next connection,
// to another file, prepares its own.
void TestSqliteDatabase::keptStatementsBelongToTheirConnection()
{
    const QString first = WriteWords(dir_, QStringLiteral("c.db"), {"кот"});
    const QString second = WriteWords(dir_, QStringLiteral("d.db"), {"кекс"});
    SqliteDatabase database(first, SqliteDatabase::Mode::ReadOnly);
    QCOMPARE(WordsOfLetter(database, QStringLiteral("к")), QStringList{"кот"});
    database = SqliteDatabase(second, SqliteDatabase::Mode::ReadOnly);
    QCOMPARE(WordsOfLetter(database, QStringLiteral("к")), QStringList{"кекс"});
    SqliteDatabase moved(std::move(database));
    QCOMPARE(WordsOfLetter(moved, QStringLiteral("к")), QStringList{"кекс"});
    moved.close();
    QVERIFY_THROWS_EXCEPTION(DatabaseError, WordsOfLetter(moved, QStringLiteral("к")));
    moved = SqliteDatabase(first, SqliteDatabase::Mode::ReadOnly);
    QCOMPARE(WordsOfLetter(moved, QStringLiteral("к")), QStringList{"кот"});
}

QTEST_APPLESS_MAIN(TestSqliteDatabase)
#include "test_sqlite_database.moc"
