#include "textmode/stress_marks.h"

#include <QtTest>

using namespace tornelis;

class TestStressMarks : public QObject {
    Q_OBJECT

private slots:
    void marksTakenOut_data();
    void marksTakenOut();
    void positionStaysOnItsCharacter();
};

void TestStressMarks::marksTakenOut_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("without");
    QTest::newRow("apostrophes inside") << "молок'о, М'АМА" << "молоко, МАМА";
    QTest::newRow("at a word's start") << "'эхо, ('Утро)" << "эхо, (Утро)";
    QTest::newRow("acute accents") << "молоко́ Ма́ма ЭХО́" << "молоко Мама ЭХО";
    QTest::newRow("with syllables") << "мо-ло-к'о объ-'яв-ле-ни-е" << "мо-ло-ко объ-яв-ле-ни-е";
    QTest::newRow("English apostrophes") << "don't, O'Brien's" << "don't, O'Brien's";
    QTest::newRow("a quotation") << "'оно' и 'мам'а'" << "'оно' и 'мама'";
    QTest::newRow("not before a vowel") << "сл'н 'ж т'" << "сл'н 'ж т'";
    QTest::newRow("accent after a consonant or Latin") << "т́ é" << "т́ é";
    QTest::newRow("doubled apostrophe") << "''эхо" << "''эхо";
    QTest::newRow("empty") << "" << "";
}

void TestStressMarks::marksTakenOut()
{
    QFETCH(QString, text);
    QFETCH(QString, without);
    QCOMPARE(WithoutStressMarks(text), without);
    QCOMPARE(WithoutStressMarks(without), without);
}

void TestStressMarks::positionStaysOnItsCharacter()
{
    const QString plain = QStringLiteral("Мама, молоко!");
    const QString marked = QStringLiteral("М'ама, молоко́!");
    // position in plain -> position in marked
    const QList<std::pair<qsizetype, qsizetype>> positions{{0, 0}, {1, 1}, {2, 3}, {6, 7}, {11, 12},
                                                           {12, 14}, {13, 15}};
    for (const auto &[inPlain, inMarked] : positions) {
        QCOMPARE(PositionAcrossMarks(plain, marked, inPlain), inMarked);
        QCOMPARE(PositionAcrossMarks(marked, plain, inMarked), inPlain);
    }
}

QTEST_APPLESS_MAIN(TestStressMarks)
#include "test_stress_marks.moc"
