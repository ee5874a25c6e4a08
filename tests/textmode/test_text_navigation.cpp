#include "textmode/read_text_file.h"
#include "textmode/text_navigation.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace tornelis;

using Caret = std::optional<qsizetype>;
Q_DECLARE_METATYPE(Caret)

class TestTextNavigation : public QObject {
    Q_OBJECT

private slots:
    void steps_data();
    void steps();
    void wordAtCaret_data();
    void wordAtCaret();
    void lineBreaks();
    void boxCaret();
    void readErrors();
};

void TestTextNavigation::steps_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("action");
    QTest::addColumn<qsizetype>("before");
    QTest::addColumn<Caret>("after");
    QTest::addColumn<QString>("word");
    const QString mama = QStringLiteral("Мама мыла раму");
    QTest::newRow("Далее 0") << mama << "next" << qsizetype(0) << Caret(5) << "мыла";
    QTest::newRow("Далее 5") << mama << "next" << qsizetype(5) << Caret(10) << "раму";
    QTest::newRow("Далее 10") << mama << "next" << qsizetype(10) << Caret(13) << "раму";
    QTest::newRow("Далее 13") << mama << "next" << qsizetype(13) << Caret() << "";
    QTest::newRow("Назад 13") << mama << "back" << qsizetype(13) << Caret(9) << "мыла";
    QTest::newRow("Назад 9") << mama << "back" << qsizetype(9) << Caret(4) << "Мама";
    QTest::newRow("Назад 4") << mama << "back" << qsizetype(4) << Caret(0) << "Мама";
    QTest::newRow("Назад 0") << mama << "back" << qsizetype(0) << Caret() << "";
    QTest::newRow("comma joins words") << "мама,мыла раму" << "next" << qsizetype(0) << Caret(10) << "раму";
    QTest::newRow("back to the second") << "мама,мыла раму" << "back" << qsizetype(12) << Caret(9) << "мыла";
    QTest::newRow("stops between CR and LF") << "Кот спит.\r\n" << "next" << qsizetype(4) << Caret(10) << "";
    QTest::newRow("Latin skipped") << "hello мир" << "next" << qsizetype(0) << Caret(6) << "мир";
    QTest::newRow("hyphenated word") << "кто-то пришёл" << "next" << qsizetype(0) << Caret(7) << "пришёл";
    QTest::newRow("one-letter word") << "я иду" << "back" << qsizetype(4) << Caret(1) << "я";
    QTest::newRow("trailing space") << "мама " << "next" << qsizetype(0) << Caret(5) << "";
    QTest::newRow("leading space") << " мама" << "back" << qsizetype(3) << Caret(0) << "";
    QTest::newRow("empty, next") << "" << "next" << qsizetype(0) << Caret() << "";
    QTest::newRow("empty, back") << "" << "back" << qsizetype(0) << Caret() << "";
    QTest::newRow("no whitespace ahead") << "мама" << "next" << qsizetype(0) << Caret(3) << "мама";
    // Stress marks the program puts in are part of their words.
    const QString apostrophes = QStringLiteral("сч'астлив пох'оже др'уга");
    QTest::newRow("apostrophe, Далее") << apostrophes << "next" << qsizetype(0) << Caret(10) << "пох'оже";
    QTest::newRow("apostrophe, Назад") << apostrophes << "back" << qsizetype(24) << Caret(17) << "пох'оже";
    const QString acute = QString::fromUtf16(u"говори́ли сказа́ мне");
    QTest::newRow("acute, Далее") << acute << "next" << qsizetype(0) << Caret(10) << QString::fromUtf16(u"сказа́");
    QTest::newRow("acute, Назад past the accent") << acute << "back" << qsizetype(19) << Caret(16)
                                                  << QString::fromUtf16(u"сказа́");
}

void TestTextNavigation::steps()
{
    QFETCH(QString, text);
    QFETCH(QString, action);
    QFETCH(qsizetype, before);
    QFETCH(Caret, after);
    QFETCH(QString, word);
    const Caret moved = action == QLatin1String("next") ? CaretForward(text, before) : CaretBack(text, before);
    QCOMPARE(moved, after);
    if (moved)
        QCOMPARE(WordAtCaret(text, *moved), word);
}

void TestTextNavigation::wordAtCaret_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("caret");
    QTest::addColumn<QString>("word");
    QTest::newRow("start") << "Мама мыла раму" << qsizetype(0) << "Мама";
    QTest::newRow("inside") << "Мама мыла раму" << qsizetype(2) << "Мама";
    QTest::newRow("end of word") << "Мама мыла раму" << qsizetype(4) << "Мама";
    QTest::newRow("end of text") << "Мама мыла раму" << qsizetype(14) << "раму";
    QTest::newRow("inside Latin") << "hello мир" << qsizetype(2) << "";
    QTest::newRow("before hyphen") << "кто-то" << qsizetype(1) << "кто";
    QTest::newRow("after hyphen") << "кто-то" << qsizetype(5) << "то";
    QTest::newRow("ё and Ё") << "Ёжик ёлка" << qsizetype(7) << "ёлка";
    QTest::newRow("empty text") << "" << qsizetype(0) << "";
    const QString acute = QString::fromUtf16(u"говори́ли");
    QTest::newRow("after the accent") << acute << qsizetype(7) << acute;
    QTest::newRow("before the accent") << acute << qsizetype(6) << acute;
    QTest::newRow("apostrophe between letters") << "др'уга" << qsizetype(5) << "др'уга";
    QTest::newRow("quotation apostrophes") << "'мама'" << qsizetype(2) << "мама";
    QTest::newRow("accent after no letter") << QString::fromUtf16(u"áмир") << qsizetype(3) << "мир";
}

void TestTextNavigation::wordAtCaret()
{
    QFETCH(QString, text);
    QFETCH(qsizetype, caret);
    QFETCH(QString, word);
    QCOMPARE(WordAtCaret(text, caret), word);
}

void TestTextNavigation::lineBreaks()
{
    QCOMPARE(WithLineFeeds(u"a\r\nb\rc\nd\r\n\r\n"), QStringLiteral("a\nb\nc\nd\n\n"));
    QCOMPARE(WithCrLf(u"a\nb\n"), QStringLiteral("a\r\nb\r\n"));
}

void TestTextNavigation::boxCaret()
{
    const QString text = QStringLiteral("Кот спит.\r\nмама");
    QCOMPARE(BoxCaretFromCrLf(text, 10), 9);   // between CR and LF: the line's end
    QCOMPARE(BoxCaretFromCrLf(text, 11), 10);  // the start of the next line
    QCOMPARE(BoxCaretFromCrLf(text, 15), 14);
    QCOMPARE(BoxCaretFromCrLf(text, 99), 14);
}

void TestTextNavigation::readErrors()
{
    QTemporaryDir dir;
    const ReadText missing = ReadTextFile(dir.filePath(QStringLiteral("none.txt")), TextEncoding::Utf8);
    QVERIFY(missing.text.isEmpty());
    QVERIFY(missing.error.startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(dir.filePath("none.txt"))));
    QVERIFY(ReadTextFile(dir.path(), TextEncoding::Utf8).error.contains(dir.path()));
}

QTEST_APPLESS_MAIN(TestTextNavigation)
#include "test_text_navigation.moc"
