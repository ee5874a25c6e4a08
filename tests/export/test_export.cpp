#include "export/export_text.h"
#include "export/text_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace tornelis;

class TestExport : public QObject {
    Q_OBJECT

private slots:
    void exportRange();
    void exportText();
    void writeReplacesExistingFileWhole();
    void writeFailureKeepsTheOldFile();
    void acuteAccentsSavedAsTheEncodingAllows_data();
    void acuteAccentsSavedAsTheEncodingAllows();
};

Q_DECLARE_METATYPE(tornelis::TextEncoding)

void TestExport::exportRange()
{
    const CellRange whole{1, 1, 4, 6};
    QCOMPARE(ExportRange({2, 3, 2, 3}, whole), whole);
    QCOMPARE(ExportRange({2, 3, 2, 5}, whole), CellRange({2, 3, 2, 5}));
    QCOMPARE(ExportRange({1, 1, 3, 1}, whole), CellRange({1, 1, 3, 1}));
}

void TestExport::exportText()
{
    const auto cell = [](int column, int row) {
        return column == 2 ? QString() : QStringLiteral("%1.%2").arg(column).arg(row);
    };
    QCOMPARE(ExportText({1, 1, 3, 2}, cell), QStringLiteral("1.1\t\t3.1\r\n1.2\t\t3.2\r\n"));
    QCOMPARE(ExportText({3, 1, 3, 3}, cell), QStringLiteral("3.1\r\n3.2\r\n3.3\r\n"));
    QCOMPARE(ExportText({1, 1, 4, 2}, [](int, int) { return QString(); }), QStringLiteral("\t\t\t\r\n\t\t\t\r\n"));
}

void TestExport::writeReplacesExistingFileWhole()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("table.txt"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(1000, 'x'));
    old.close();
    QCOMPARE(WriteTextFile({path, TextEncoding::Utf8}, QStringLiteral("стол\r\n")), QString());
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("\xEF\xBB\xBF\xD1\x81\xD1\x82\xD0\xBE\xD0\xBB\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"table.txt"});
}

void TestExport::writeFailureKeepsTheOldFile()
{
    QTemporaryDir dir;
    // A directory in the way of the file, and a folder that does not exist.
    const QString blocked = dir.filePath(QStringLiteral("blocked"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("blocked")));
    QString error = WriteTextFile({blocked, TextEncoding::Ansi}, QStringLiteral("x"));
    QVERIFY2(error.startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(blocked)), qPrintable(error));
    QVERIFY(QFileInfo(blocked).isDir());

    const QString nowhere = dir.filePath(QStringLiteral("no/such/folder/table.txt"));
    error = WriteTextFile({nowhere, TextEncoding::Ansi}, QStringLiteral("x"));
    QVERIFY2(error.contains(nowhere), qPrintable(error));
}

void TestExport::acuteAccentsSavedAsTheEncodingAllows_data()
{
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<QString>("read");
    const QString acute = QStringLiteral("сто-ла́-ми\tЭ́ХО\r\n");
    QTest::newRow("ANSI") << TextEncoding::Ansi << QStringLiteral("сто-л'а-ми\t'ЭХО\r\n");
    QTest::newRow("ASCII") << TextEncoding::Ascii << QStringLiteral("??\?-?'?-??\t'???\r\n");
    QTest::newRow("Unicode") << TextEncoding::Unicode << acute;
    QTest::newRow("Big Endian Unicode") << TextEncoding::BigEndianUnicode << acute;
    QTest::newRow("UTF-8") << TextEncoding::Utf8 << acute;
    QTest::newRow("UTF-7") << TextEncoding::Utf7 << acute;
}

// An encoding without the combining accent gets the apostrophe before the
// vowel instead of a "?" after it.
void TestExport::acuteAccentsSavedAsTheEncodingAllows()
{
    QFETCH(TextEncoding, encoding);
    QFETCH(QString, read);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("table.txt"));
    QCOMPARE(WriteTextFile({path, encoding}, QStringLiteral("сто-ла́-ми\tЭ́ХО\r\n")), QString());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(DecodeText(file.readAll(), encoding), read);
}

QTEST_APPLESS_MAIN(TestExport)
#include "test_export.moc"
