#include "textmode/long_lines.h"

#include <QtTest>

using namespace tornelis;

class TestLongLines : public QObject {
    Q_OBJECT

private slots:
    void cuts_data();
    void cuts();
};

void TestLongLines::cuts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QList<qsizetype>>("softBreaks");
    QTest::newRow("empty") << "" << "" << QList<qsizetype>{};
    QTest::newRow("short lines") << "абвг\nде\n" << "абвг\nде\n" << QList<qsizetype>{};
    QTest::newRow("exactly the longest") << "абвг\nабвгд" << "абвг\nабвг\nд" << QList<qsizetype>{9};
    QTest::newRow("many cuts") << "0123456789ab" << "0123\n4567\n89ab" << QList<qsizetype>{4, 8};
    QTest::newRow("line break where a cut would be") << "0123\n4567\n" << "0123\n4567\n" << QList<qsizetype>{};
    QTest::newRow("after a cut, the line goes on") << "012345\n0123456" << "0123\n45\n0123\n456"
                                                  << QList<qsizetype>{4, 11};
    QTest::newRow("surrogate pair kept whole") << QStringLiteral("012😀67") << QStringLiteral("012😀\n67")
                                               << QList<qsizetype>{5};
    // A lone surrogate is no pair: a line of them is cut like any other.
    const QString lowHalves(9, QChar(0xDC00));
    QTest::newRow("lone low surrogates") << lowHalves << lowHalves.left(4) + u'\n' + lowHalves.mid(4, 4) + u'\n' + lowHalves.right(1)
                                         << QList<qsizetype>{4, 8};
    QTest::newRow("lone high surrogate before a cut") << QString::fromUtf16(u"012\xD800" "45") << QString::fromUtf16(u"012\xD800\n45")
                                                      << QList<qsizetype>{4};
}

// Lines longer than 4 cut; the cuts vanish again, and every position of the
// text maps to the box and back.
void TestLongLines::cuts()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(QList<qsizetype>, softBreaks);
    const ShownText cut = CutLongLines(text, 4);
    QCOMPARE(cut.text, shown);
    QCOMPARE(cut.softBreaks, softBreaks);
    QCOMPARE(WithoutSoftBreaks(cut.text, cut.softBreaks), text);
    for (qsizetype position = 0; position <= text.size(); ++position) {
        const qsizetype inBox = ShownPosition(position, softBreaks);
        QCOMPARE(TextPosition(inBox, softBreaks), position);
        // The box position holds the same character, past the cut.
        if (position < text.size())
            QCOMPARE(cut.text.at(inBox), text.at(position));
    }
    // The LF of a cut, as a place in the box, is the place of the cut.
    for (qsizetype i = 0; i < softBreaks.size(); ++i)
        QCOMPARE(TextPosition(softBreaks.at(i) + i, softBreaks), softBreaks.at(i));
}

QTEST_APPLESS_MAIN(TestLongLines)
#include "test_long_lines.moc"
