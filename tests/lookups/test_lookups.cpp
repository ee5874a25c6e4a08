#include "lookups/about_gaze.h"
#include "lookups/web_addresses.h"

#include <QtTest>

using namespace tornelis;

class TestLookups : public QObject {
    Q_OBJECT

private slots:
    void gazeAtAndAroundEveryBoundary_data();
    void gazeAtAndAroundEveryBoundary();
    void currentWord_data();
    void currentWord();
    void addresses();
};

void TestLookups::gazeAtAndAroundEveryBoundary_data()
{
    // The reference rectangle: left 100, top 200, 100 x 100 (right 200, bottom 300).
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("picture");
    const QList<std::pair<int, int>> columns{{99, 0}, {100, 1}, {199, 1}, {200, 2}, {-5000, 0}, {5000, 2}};
    const QList<std::pair<int, int>> rows{{199, 0}, {200, 1}, {299, 1}, {300, 2}};
    for (const auto &[x, column] : columns) {
        for (const auto &[y, row] : rows)
            QTest::addRow("x%d y%d", x, y) << x << y << row * 3 + column + 1;
    }
}

void TestLookups::gazeAtAndAroundEveryBoundary()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, picture);
    QCOMPARE(GazePicture({x, y}, {100, 200}, {100, 100}), picture);
}

void TestLookups::currentWord_data()
{
    QTest::addColumn<bool>("hasTabs");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("wordBox");
    QTest::addColumn<QString>("word");
    QTest::newRow("the lemma of the tab") << true << "стол (существительное)" << "столами" << "стол";
    QTest::newRow("a caption without a space") << true << "стол" << "x" << "стол";
    QTest::newRow("a caption starting with a space") << true << " (x)" << "x" << "";
    QTest::newRow("no tabs: the word box as typed") << false << "" << " Два слова " << " Два слова ";
    QTest::newRow("no tabs, empty box") << false << "" << "" << "";
}

void TestLookups::currentWord()
{
    QFETCH(bool, hasTabs);
    QFETCH(QString, caption);
    QFETCH(QString, wordBox);
    QFETCH(QString, word);
    QCOMPARE(CurrentWord(hasTabs, caption, wordBox), word);
}

void TestLookups::addresses()
{
    WebHosts hosts;
    hosts.wiktionary = "https://w.test";
    hosts.promptOne = "https://p.test";
    hosts.googleTranslate = "https://g.test";
    hosts.maker = "https://m.test";
    QCOMPARE(WiktionaryAddress(hosts, "ёж и я"), QStringLiteral("https://w.test/wiki/ёж и я"));
    QCOMPARE(PromptOneAddress(hosts, "стол"), QStringLiteral("https://p.test/grammar/ru-en/стол"));
    QCOMPARE(GoogleTranslateAddress(hosts, ""),
             QStringLiteral("https://g.test/?hl=ru#view=home&op=translate&sl=ru&tl=en&text="));
    QCOMPARE(OnlineHelpAddress(hosts), QStringLiteral("https://m.test/products/tornelis/help/3.1/"));
    QCOMPARE(ProductPageAddress(hosts, 55), QStringLiteral("https://m.test/product.php?id=55"));
}

QTEST_APPLESS_MAIN(TestLookups)
#include "test_lookups.moc"
