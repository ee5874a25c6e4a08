#include "textmode/loose_utf8.h"
#include "textmode/stress_marks.h"

#include <QtTest>

using namespace tornelis;

class TestStressMarks : public QObject {
    Q_OBJECT

private slots:
    void marksTakenOut_data();
    void marksTakenOut();
    void positionStaysOnItsCharacter();
    void looseUtf8CarriesAnyText_data();
    void looseUtf8CarriesAnyText();
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

void TestStressMarks::looseUtf8CarriesAnyText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("Russian and ASCII") << QStringLiteral("Мама, don't") << QStringLiteral("Мама, don't").toUtf8();
    QTest::newRow("a pair") << QStringLiteral("😀") << QByteArray("\xF0\x9F\x98\x80");
    QTest::newRow("lone low surrogate") << QString::fromUtf16(u"а\xDC00б") << QByteArray("\xD0\xB0\xED\xB0\x80\xD0\xB1");
    QTest::newRow("lone high surrogate at the end") << QString::fromUtf16(u"а\xD800") << QByteArray("\xD0\xB0\xED\xA0\x80");
    QTest::newRow("high then high then low") << QString::fromUtf16(u"\xD800\xD83D\xDE00") << QByteArray("\xED\xA0\x80\xF0\x9F\x98\x80");
}

void TestStressMarks::looseUtf8CarriesAnyText()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(ToLooseUtf8(text), bytes);
    QCOMPARE(FromLooseUtf8(bytes), text);
    // Bytes that start no sequence read as U+FFFD, one each.
    QCOMPARE(FromLooseUtf8(bytes + "\xFF\xC0\x80"), text + QString(3, QChar::ReplacementCharacter));
}

QTEST_APPLESS_MAIN(TestStressMarks)
#include "test_stress_marks.moc"
