#include "encodings/text_encoding.h"
#include "support/files.h"

#include <QDir>
#include <QtTest>

using namespace tornelis;

// The help as it goes into Tornelis.chm: pages and contents in Windows-1251,
// the encoding of its declared language, and every page in the contents.
class TestHelpFiles : public QObject {
    Q_OBJECT

private slots:
    void pagesAreWindows1251_data();
    void pagesAreWindows1251();
    void everyPageIsInTheContentsAndTheProject();
};

void TestHelpFiles::pagesAreWindows1251_data()
{
    QTest::addColumn<QString>("name");
    const QDir help(QStringLiteral(TORNELIS_HELP_BUILD));
    for (const QString &name : help.entryList({"*.html", "*.hhc"}))
        QTest::newRow(qPrintable(name)) << name;
}

void TestHelpFiles::pagesAreWindows1251()
{
    QFETCH(QString, name);
    const QByteArray bytes = test::ReadBytes(QDir(QStringLiteral(TORNELIS_HELP_BUILD)).filePath(name));
    QVERIFY(bytes.contains("charset=windows-1251"));
    QVERIFY2(QString::fromUtf8(bytes).contains(QChar::ReplacementCharacter), "the page is still UTF-8");
    const QString text = DecodeText(bytes, TextEncoding::Ansi);
    QVERIFY(text.contains(QStringLiteral("Торнелис")) || text.contains(QStringLiteral("Содержание")));
}

void TestHelpFiles::everyPageIsInTheContentsAndTheProject()
{
    const QDir sources(QStringLiteral(TORNELIS_HELP_SOURCES));
    const QString contents = QString::fromUtf8(test::ReadBytes(sources.filePath(QStringLiteral("toc.hhc"))));
    const QString project = QString::fromUtf8(test::ReadBytes(sources.filePath(QStringLiteral("Tornelis.hhp"))));
    for (const QString &page : sources.entryList({"*.html"})) {
        QVERIFY2(contents.contains(QStringLiteral("\"%1\"").arg(page)), qPrintable(page));
        QVERIFY2(project.contains(page + QLatin1Char('\n')), qPrintable(page));
    }
}

QTEST_APPLESS_MAIN(TestHelpFiles)
#include "test_help_files.moc"
