#include "grammemes/describe_tags.h"
#include "grammemes/grammeme_table.h"

#include <QtTest>

using namespace tornelis;

class TestDescribeTags : public QObject {
    Q_OBJECT

private slots:
    void describe_data();
    void describe();
    void replaceAll_data();
    void replaceAll();
    void tableKeepsItsOrderAndWording();
};

void TestDescribeTags::describe_data()
{
    QTest::addColumn<QString>("tags");
    QTest::addColumn<QString>("description");
    QTest::newRow("empty") << "" << "";
    QTest::newRow("noun") << "NOUN,anim,masc sing,nomn"
                          << "имя существительное, одушевлённое, мужской род  единственное число, именительный падеж";
    QTest::newRow("verb") << "VERB,impf,intr sing,3per,pres,indc"
                          << "глагол (личная форма), несовершенный вид, непереходный  единственное число, 3 лицо, "
                             "настоящее время, изъявительное наклонение";
    QTest::newRow("singularia tantum") << "NOUN,inan,femn,Sgtm sing,gent"
                                       << "имя существительное, неодушевлённое, женский род, singularia tantum  "
                                          "единственное число, родительный падеж";
    QTest::newRow("pluralia tantum") << "NOUN,inan,GNdr,Pltm plur,nomn"
                                     << "имя существительное, неодушевлённое, род / род не выражен, pluralia tantum  "
                                        "множественное число, именительный падеж";
    QTest::newRow("no form group") << "INFN,perf,tran" << "глагол (инфинитив), совершенный вид, переходный";
    QTest::newRow("unknown codes") << "Xxxx,Yyyy" << "Xxxx, Yyyy";
    QTest::newRow("code inside an item") << "Namex" << "имяx";
    QTest::newRow("two spaces") << "NOUN  sing" << "имя существительное    единственное число";
    QTest::newRow("trailing comma") << "sing," << "единственное число, ";
    QTest::newRow("inner commas not widened") << "incl" << "говорящий включён (идем, идемте)";
    QTest::newRow("preposition variant") << "PREP Vpre" << "предлог  Вариант предлога ( со, подо, ...)";
    QTest::newRow("category codes") << "ANim,anim,CAse,Impe,Impx,impf,impr"
                                    << "одушевлённость / одушевлённость не выражена, одушевлённое, категория падежа, "
                                       "безличный, возможно безличное употребление, несовершенный вид, "
                                       "повелительное наклонение";
}

void TestDescribeTags::describe()
{
    QFETCH(QString, tags);
    QFETCH(QString, description);
    QCOMPARE(DescribeTags(tags), description);
}

void TestDescribeTags::replaceAll_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("result");
    QTest::newRow("every occurrence") << "a,b,c" << "," << ", " << "a, b, c";
    QTest::newRow("no overlap") << "aaa" << "aa" << "b" << "ba";
    QTest::newRow("not searched again") << "ab" << "a" << "aa" << "aab";
    QTest::newRow("case counts") << "Abc abc" << "abc" << "x" << "Abc x";
    QTest::newRow("empty pattern") << "abc" << "" << "x" << "abc";
    QTest::newRow("empty source") << "" << "a" << "b" << "";
}

void TestDescribeTags::replaceAll()
{
    QFETCH(QString, source);
    QFETCH(QString, pattern);
    QFETCH(QString, replacement);
    QFETCH(QString, result);
    QCOMPARE(ReplaceAll(source, pattern, replacement), result);
}

void TestDescribeTags::tableKeepsItsOrderAndWording()
{
    const auto table = GrammemeTable();
    QCOMPARE(table.size(), std::size_t(114));
    QCOMPARE(table[0].pattern, QStringLiteral(" "));
    QCOMPARE(table[1].replacement, QStringLiteral(", "));
    // No pattern occurs in an earlier row's description, nor inside a later
    // pattern, so describing the whole string equals describing item by item.
    for (std::size_t row = 2; row < table.size(); ++row) {
        for (std::size_t earlier = 2; earlier < row; ++earlier) {
            QVERIFY2(!table[earlier].replacement.contains(table[row].pattern), qPrintable(table[row].pattern));
            QVERIFY2(!table[row].pattern.contains(table[earlier].pattern), qPrintable(table[row].pattern));
        }
    }
}

QTEST_APPLESS_MAIN(TestDescribeTags)
#include "test_describe_tags.moc"
