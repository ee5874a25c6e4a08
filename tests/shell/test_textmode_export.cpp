#include "encodings/text_encoding.h"
#include "shell/string_grid.h"
#include "shell/text_file_dialogs.h"
#include "support/files.h"
#include "support/full_disk.h"
#include "textmode/long_lines.h"
#include "window_fixture.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>

using namespace tornelis;
using namespace tornelis::test;

Q_DECLARE_METATYPE(tornelis::TextEncoding)


class TestTextModeExport : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void stepsThroughTheText();
    void clickTakesTheWordAtTheCaret();
    void clickIntoASelectionTakesTheWordClicked();
    void ansiPresetOpensUtf8AndWindows1251Files_data();
    void ansiPresetOpensUtf8AndWindows1251Files();
    void pasteReplacesTextAlsoFromWordBox();
    void openInEachEncoding_data();
    void openInEachEncoding();
    void openFailureKeepsText();
    void largeFileArrivesWhole();
    void longLineIsShownCutButReadWhole();
    void stressMarksPutInAndTakenOut_data();
    void stressMarksPutInAndTakenOut();
    void markedTextStepsAndClicksWholeWords_data();
    void markedTextStepsAndClicksWholeWords();
    void pasteAndOpenAreOneUndoStep();
    void openingTheSameTextKeepsTheCaret();
    void copyWholeTableAndBlock();
    void copyConjugationPage();
    void saveInEachEncoding_data();
    void saveInEachEncoding();
    void saveRemembersNameAndReportsFailures();
    void saveAsksBeforeReplacingAFile();
    void saveOnAFullDiskKeepsTheOldFile();
    void lineOfLoneSurrogatesOpensCut();
    void fileDialogsListTheEncodingsInRussian();
    void longLinesBeyondTheFirstPiece_data();
    void longLinesBeyondTheFirstPiece();

private:
    TForm1 &form() { return window_.form(); }
    qsizetype caret() { return form().Memo2->textCursor().position(); }
    WindowFixture window_;
};

void TestTextModeExport::init()
{
    QVERIFY(window_.Open());
}

void TestTextModeExport::cleanup()
{
    window_.Reset();
}

void TestTextModeExport::stepsThroughTheText()
{
    form().Memo2->setPlainText(QStringLiteral("Мама мыла раму"));
    form().Memo2->setFocus();
    const QList<std::tuple<Qt::Key, int, QString>> steps{
        {Qt::Key_F3, 5, "мыла"}, {Qt::Key_F3, 10, "раму"}, {Qt::Key_F3, 13, "раму"},
        {Qt::Key_F2, 9, "мыла"}, {Qt::Key_F2, 4, "Мама"},  {Qt::Key_F2, 0, "Мама"}};
    for (const auto &[key, expectedCaret, word] : steps) {
        QTest::keyClick(form().Memo2, key);
        QCOMPARE(caret(), expectedCaret);
        QCOMPARE(form().ComboBox1->currentText(), word);
        QCOMPARE(QApplication::focusWidget(), form().Memo2);
    }
    // The word was declined: рама has its tab.
    QTest::keyClick(form().Memo2, Qt::Key_F3);
    QTest::keyClick(form().Memo2, Qt::Key_F3);
    QCOMPARE(form().StringGrid1->Cells(2, 4), QStringLiteral("ра-му"));

    // At the end of a text, the caret may stop between CR and LF: the line's end.
    form().Memo2->setPlainText(QStringLiteral("Кот спит.\n"));
    QTextCursor cursor = form().Memo2->textCursor();
    cursor.setPosition(4);
    form().Memo2->setTextCursor(cursor);
    form().BitBtn3->click();
    QCOMPARE(caret(), 9);
    QCOMPARE(form().ComboBox1->currentText(), QString());
    form().ComboBox1->setEditText(QStringLiteral("стол"));
    form().BitBtn3->click();  // nothing happens there
    QCOMPARE(form().ComboBox1->currentText(), QStringLiteral("стол"));

    // A step over a line break lands at the start of the next line.
    form().Memo2->setPlainText(QStringLiteral("Кот спит.\nмама"));
    cursor.setPosition(4);
    form().Memo2->setTextCursor(cursor);
    form().BitBtn3->click();
    QCOMPARE(caret(), 10);
    QCOMPARE(form().ComboBox1->currentText(), QStringLiteral("мама"));
}

void TestTextModeExport::clickTakesTheWordAtTheCaret()
{
    form().Memo2->setPlainText(QStringLiteral("кто-то пришёл"));
    QTextCursor cursor = form().Memo2->textCursor();
    cursor.setPosition(5);
    form().Memo2->setTextCursor(cursor);
    const QRect at = form().Memo2->cursorRect();
    QTest::mouseClick(form().Memo2->viewport(), Qt::LeftButton, {}, at.center());
    QCOMPARE(form().ComboBox1->currentText(), QStringLiteral("то"));
    QCOMPARE(caret(), 5);
}

// A click into selected text ends the selection and takes the word under
// the pointer, not the selection's first word.
void TestTextModeExport::clickIntoASelectionTakesTheWordClicked()
{
    form().Memo2->setPlainText(QStringLiteral("Мама мыла раму"));
    form().Memo2->setFocus();
    QTest::keyClick(form().Memo2, Qt::Key_A, Qt::ControlModifier);
    QVERIFY(form().Memo2->textCursor().hasSelection());
    QTextCursor onWord(form().Memo2->document());
    onWord.setPosition(11);
    const QRect at = form().Memo2->cursorRect(onWord);
    QTest::mouseClick(form().Memo2->viewport(), Qt::LeftButton, {}, at.center());
    QVERIFY(!form().Memo2->textCursor().hasSelection());
    QCOMPARE(form().ComboBox1->currentText(), QStringLiteral("раму"));
}

// The open dialog's preset "ANSI" reads a UTF-8 file as UTF-8 and a
// Windows-1251 file as Windows-1251.
void TestTextModeExport::ansiPresetOpensUtf8AndWindows1251Files_data()
{
    QTest::addColumn<TextEncoding>("written");
    QTest::newRow("UTF-8 without a mark") << TextEncoding::Utf8;
    QTest::newRow("Windows-1251") << TextEncoding::Ansi;
}

void TestTextModeExport::ansiPresetOpensUtf8AndWindows1251Files()
{
    QFETCH(TextEncoding, written);
    const QString path = window_.FilePath(QStringLiteral("мама.txt"));
    QByteArray bytes = EncodeText(QStringLiteral("мама мыла раму"), written);
    bytes.remove(0, ByteOrderMark(written).size());
    QVERIFY(WriteBytes(path, bytes));
    window_.fileDialogs.answers = {ChosenTextFile{path, TextEncoding::Ansi}};
    form().N19->trigger();
    QCOMPARE(form().Memo2->Text(), QStringLiteral("мама мыла раму"));
    QCOMPARE(form().ComboBox1->currentText(), QStringLiteral("мама"));
}

void TestTextModeExport::pasteReplacesTextAlsoFromWordBox()
{
    form().Memo2->setPlainText(QStringLiteral("старый текст"));
    QGuiApplication::clipboard()->setText(QStringLiteral("Ёжик в тумане\r\nи мама"));
    form().ComboBox1->setFocus();
    QTest::keyClick(form().ComboBox1, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(form().Memo2->toPlainText(), QStringLiteral("Ёжик в тумане\nи мама"));
    QCOMPARE(form().ComboBox1->currentText(), QStringLiteral("Ёжик"));
    QCOMPARE(caret(), 0);

    QGuiApplication::clipboard()->clear();
    form().BitBtn2->click();
    QCOMPARE(form().Memo2->toPlainText(), QStringLiteral("Ёжик в тумане\nи мама"));
}

void TestTextModeExport::openInEachEncoding_data()
{
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<bool>("withMark");
    for (int i = 0; i < TextEncodingNames().size(); ++i) {
        QTest::addRow("%s with mark", qPrintable(TextEncodingNames().at(i))) << TextEncoding(i) << true;
        QTest::addRow("%s without mark", qPrintable(TextEncodingNames().at(i))) << TextEncoding(i) << false;
    }
}

void TestTextModeExport::openInEachEncoding()
{
    QFETCH(TextEncoding, encoding);
    QFETCH(bool, withMark);
    const QString text = encoding == TextEncoding::Ascii ? QStringLiteral("Hello\r\nworld\rand\nmore")
                                                         : QStringLiteral("Мама мыла\r\nраму\rи\nёлку");
    QByteArray bytes = EncodeText(text, encoding);
    if (!withMark)
        bytes.remove(0, ByteOrderMark(encoding).size());
    const QString path = window_.FilePath(QStringLiteral("text.txt"));
    QVERIFY(WriteBytes(path, bytes));
    window_.fileDialogs.answers = {ChosenTextFile{path, encoding}};
    QTest::keyClick(form().Memo2, Qt::Key_O, Qt::ControlModifier);
    QString expected = text;
    expected.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QCOMPARE(form().Memo2->toPlainText(), expected);
    QCOMPARE(caret(), 0);
    QCOMPARE(form().ComboBox1->currentText(), encoding == TextEncoding::Ascii ? QString() : QStringLiteral("Мама"));
    QVERIFY(window_.messages.errors.isEmpty());
}

void TestTextModeExport::openFailureKeepsText()
{
    form().Memo2->setPlainText(QStringLiteral("прежний текст"));
    form().ComboBox1->setEditText(QStringLiteral("слово"));
    const QString missing = window_.FilePath(QStringLiteral("gone.txt"));
    window_.fileDialogs.answers = {ChosenTextFile{missing, TextEncoding::Utf8}, std::nullopt};
    form().N19->trigger();
    QCOMPARE(window_.messages.errors.size(), 1);
    QVERIFY(window_.messages.errors.first().startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(missing)));
    QVERIFY(window_.messages.errors.first().endsWith(QLatin1Char('.')));
    QCOMPARE(form().Memo2->toPlainText(), QStringLiteral("прежний текст"));
    QCOMPARE(form().ComboBox1->currentText(), QStringLiteral("слово"));
    form().N19->trigger();  // cancelled
    QCOMPARE(form().Memo2->toPlainText(), QStringLiteral("прежний текст"));
}

void TestTextModeExport::largeFileArrivesWhole()
{
    // A text far longer than one piece of the box's loading, and a second
    // opening that replaces it while it still arrives.
    const QString line = QStringLiteral("Мама мыла раму\r\n");
    const QString path = window_.FilePath(QStringLiteral("large.txt"));
    QVERIFY(WriteBytes(path, EncodeText(line.repeated(150000), TextEncoding::Utf8)));
    window_.fileDialogs.answers = {ChosenTextFile{path, TextEncoding::Utf8}};
    form().N19->trigger();
    QCOMPARE(form().ComboBox1->currentText(), QStringLiteral("Мама"));
    const QString expected = QStringLiteral("Мама мыла раму\n").repeated(150000);
    QTRY_COMPARE_WITH_TIMEOUT(form().Memo2->toPlainText().size(), expected.size(), 20000);
    QCOMPARE(form().Memo2->toPlainText(), expected);
    QCOMPARE(caret(), 0);

    window_.fileDialogs.answers = {ChosenTextFile{path, TextEncoding::Utf8}};
    form().Memo2->clear();
    form().N19->trigger();
    QGuiApplication::clipboard()->setText(QStringLiteral("короткий текст"));
    form().N15->trigger();
    QTest::qWait(200);
    QCOMPARE(form().Memo2->toPlainText(), QStringLiteral("короткий текст"));
}

// A line too long to lay out quickly is shown cut into lines of the box; the
// text itself, the steps through it and what is copied know no cut.
void TestTextModeExport::longLineIsShownCutButReadWhole()
{
    const QString line = QStringLiteral("мама мыла раму ").repeated(700);  // the cut falls before "раму"
    QGuiApplication::clipboard()->setText(line + QStringLiteral("\nконец"));
    form().N15Click();
    QTRY_COMPARE(form().Memo2->Text(), line + QStringLiteral("\nконец"));
    QCOMPARE(form().Memo2->document()->blockCount(), 3);
    QCOMPARE(form().Memo2->document()->firstBlock().text().size(), kLongestShownLine);
    QVERIFY(form().Memo2->isReadOnly());

    QTextCursor cursor = form().Memo2->textCursor();
    cursor.setPosition(9994);
    form().Memo2->setTextCursor(cursor);
    const QList<std::pair<QString, qsizetype>> steps{{"мыла", 9995}, {"раму", 10000}, {"мама", 10005}};
    for (const auto &[word, position] : steps) {
        form().BitBtn3->click();
        QCOMPARE(form().ComboBox1->currentText(), word);
        QCOMPARE(caret(), ShownPosition(position, form().Memo2->SoftBreaks()));
    }
    form().BitBtn1->click();
    QCOMPARE(form().ComboBox1->currentText(), QStringLiteral("раму"));

    cursor.setPosition(9995);
    cursor.setPosition(10006, QTextCursor::KeepAnchor);
    form().Memo2->setTextCursor(cursor);
    form().Memo2->copy();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("мыла раму "));

    // A text of short lines is editable again.
    QGuiApplication::clipboard()->setText(QStringLiteral("кот"));
    form().N15Click();
    QVERIFY(!form().Memo2->isReadOnly());
    QCOMPARE(form().Memo2->Text(), QStringLiteral("кот"));
}

void TestTextModeExport::stressMarksPutInAndTakenOut_data()
{
    QTest::addColumn<bool>("acute");
    QTest::addColumn<QString>("marked");
    QTest::newRow("apostrophe") << false << "Молок'о и стол'ами, ёлка; 'молоко' — O'Brien\nмолок'о.";
    QTest::newRow("acute accent") << true << "Молоко́ и стола́ми, ёлка; 'молоко' — O'Brien\nмолоко́.";
}

// Ctrl+F6 marks the text as annotate does, as one step of undo, the caret
// staying in its word; taking the marks out gives the text back.
void TestTextModeExport::stressMarksPutInAndTakenOut()
{
    QFETCH(bool, acute);
    QFETCH(QString, marked);
    const QString text = QStringLiteral("Молоко и столами, ёлка; 'молоко' — O'Brien\nмолоко.");
    form().N36->setChecked(acute);
    form().Memo2->setPlainText(text);
    QTextCursor cursor = form().Memo2->textCursor();
    cursor.setPosition(text.indexOf(QStringLiteral("ами")));
    form().Memo2->setTextCursor(cursor);
    form().Memo2->setFocus();

    QTest::keyClick(form().Memo2, Qt::Key_F6, Qt::ControlModifier);
    QCOMPARE(form().Memo2->Text(), marked);
    const qsizetype word = marked.indexOf(QStringLiteral("стол"));
    QVERIFY2(caret() > word && caret() < word + 8, QByteArray::number(caret()));

    QTest::keyClick(form().Memo2, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(form().Memo2->Text(), text);
    QTest::keyClick(form().Memo2, Qt::Key_F6, Qt::ControlModifier);
    QTest::keyClick(form().Memo2, Qt::Key_F6, Qt::ControlModifier);  // marks are never doubled
    QCOMPARE(form().Memo2->Text(), marked);

    cursor.setPosition(marked.indexOf(QStringLiteral("ми")));
    form().Memo2->setTextCursor(cursor);
    form().N38->trigger();
    QCOMPARE(form().Memo2->Text(), text);
    QCOMPARE(caret(), text.indexOf(QStringLiteral("ми")));

    // A lone surrogate (a damaged UTF-16 file) is kept as it was, not as "?".
    const QString damaged = QString::fromUtf16(u"\xDC00молоко\xD800");
    form().Memo2->setPlainText(damaged);
    form().N37->trigger();
    QCOMPARE(form().Memo2->Text(), QString(damaged).insert(acute ? 7 : 6, acute ? QChar(0x301) : QChar(u'\'')));
}

void TestTextModeExport::markedTextStepsAndClicksWholeWords_data()
{
    stressMarksPutInAndTakenOut_data();
}

// The marks the program puts in belong to their words: a step or a click
// takes the whole word, as written, into the word box.
void TestTextModeExport::markedTextStepsAndClicksWholeWords()
{
    QFETCH(bool, acute);
    QFETCH(QString, marked);
    form().N36->setChecked(acute);
    form().Memo2->setPlainText(QStringLiteral("Молоко и столами, ёлка; 'молоко' — O'Brien\nмолоко."));
    form().N37->trigger();
    QCOMPARE(form().Memo2->Text(), marked);
    QTextCursor cursor = form().Memo2->textCursor();
    cursor.setPosition(0);
    form().Memo2->setTextCursor(cursor);
    const QString stolami = marked.mid(marked.indexOf(QStringLiteral("стол")), 8);
    for (const QString &word : {QStringLiteral("и"), stolami}) {
        form().BitBtn3->click();
        QCOMPARE(form().ComboBox1->currentText(), word);
    }
    for (const QString &word : {QStringLiteral("и"), marked.left(7)}) {
        form().BitBtn1->click();
        QCOMPARE(form().ComboBox1->currentText(), word);
    }

    // A click next to the mark, and one in the last word.
    const qsizetype last = marked.lastIndexOf(QStringLiteral("молок"));
    const QList<std::pair<qsizetype, QString>> clicks{{6, marked.left(7)}, {7, marked.left(7)},
                                                     {last + 2, marked.mid(last, 7)}};
    for (const auto &[at, word] : clicks) {
        cursor.setPosition(int(at));
        form().Memo2->setTextCursor(cursor);
        QTest::mouseClick(form().Memo2->viewport(), Qt::LeftButton, {}, form().Memo2->cursorRect().center());
        QCOMPARE(form().ComboBox1->currentText(), word);
    }
}

// Вставить and Открыть replace the whole text; Ctrl+Z brings back what was there.
void TestTextModeExport::pasteAndOpenAreOneUndoStep()
{
    form().Memo2->setFocus();
    form().Memo2->insertPlainText(QStringLiteral("мой текст"));  // as typed: an undo step of its own
    QGuiApplication::clipboard()->setText(QStringLiteral("Ёжик в тумане"));
    QTest::keyClick(form().Memo2, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(form().Memo2->Text(), QStringLiteral("Ёжик в тумане"));
    QTest::keyClick(form().Memo2, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(form().Memo2->Text(), QStringLiteral("мой текст"));
    QTest::keyClick(form().Memo2, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(form().Memo2->Text(), QStringLiteral("Ёжик в тумане"));

    const QString path = window_.FilePath(QStringLiteral("opened.txt"));
    QVERIFY(WriteBytes(path, EncodeText(QStringLiteral("Мама мыла\r\nраму"), TextEncoding::Utf8)));
    window_.fileDialogs.answers = {ChosenTextFile{path, TextEncoding::Utf8}};
    QTest::keyClick(form().Memo2, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(form().Memo2->Text(), QStringLiteral("Мама мыла\nраму"));
    QCOMPARE(form().ComboBox1->currentText(), QStringLiteral("Мама"));
    QTest::keyClick(form().Memo2, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(form().Memo2->Text(), QStringLiteral("Ёжик в тумане"));
    QTest::keyClick(form().Memo2, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(form().Memo2->Text(), QStringLiteral("мой текст"));

    // A text with a line too long to lay out is shown read-only, without an
    // undo of the box's own: Ctrl+Z still brings the text before it back, and
    // the long text once more.
    const QString longLine = QStringLiteral("мама мыла раму ").repeated(1000);
    QGuiApplication::clipboard()->setText(longLine);
    form().N15->trigger();
    QTRY_COMPARE(form().Memo2->Text(), longLine);
    QVERIFY(form().Memo2->isReadOnly());
    QTest::keyClick(form().Memo2, Qt::Key_Z, Qt::ControlModifier);
    QTRY_COMPARE(form().Memo2->Text(), QStringLiteral("мой текст"));
    QVERIFY(!form().Memo2->isReadOnly());
    QTest::keyClick(form().Memo2, Qt::Key_Z, Qt::ControlModifier);
    QTRY_COMPARE(form().Memo2->Text(), longLine);
}

void TestTextModeExport::openingTheSameTextKeepsTheCaret()
{
    const QString path = window_.FilePath(QStringLiteral("same.txt"));
    QVERIFY(WriteBytes(path, EncodeText(QStringLiteral("Мама мыла раму"), TextEncoding::Utf8)));
    form().Memo2->setPlainText(QStringLiteral("Мама мыла раму"));
    QTextCursor cursor = form().Memo2->textCursor();
    cursor.setPosition(7);
    form().Memo2->setTextCursor(cursor);
    window_.fileDialogs.answers = {ChosenTextFile{path, TextEncoding::Utf8}};
    form().N19->trigger();
    QCOMPARE(caret(), 7);
    QCOMPARE(form().ComboBox1->currentText(), QStringLiteral("мыла"));
}

void TestTextModeExport::copyWholeTableAndBlock()
{
    window_.Decline(QStringLiteral("столами"));
    StringGrid *grid = form().StringGrid1;
    grid->setCurrentCell(5, 4);
    form().BitBtn4->click();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("стол\t\t\t\r\nсто-ла\t\t\t\r\n\t\t\t\r\n\t\t\t\r\n\t\t\tсто-л'а-ми\r\n\t\t\t\r\n"));

    grid->clearSelection();
    grid->setRangeSelected(QTableWidgetSelectionRange(1, 1, 2, 1), true);  // rows 1-2 of column 1
    form().N14->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("стол\r\nсто-ла\r\n"));
    QCOMPARE(form().PreparedExportText(), QStringLiteral("стол\r\nсто-ла\r\n"));
}

void TestTextModeExport::copyConjugationPage()
{
    window_.Decline(QStringLiteral("станет"));
    QCOMPARE(form().PageControl1->currentIndex(), 1);
    form().StringGrid1->setRangeSelected(QTableWidgetSelectionRange(1, 1, 2, 2), true);  // not the active page
    form().N14->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("\t\t\r\n\t\t\r\n\t\tста-нет\r\n\t\tста-нет\r\n\t\tста-нет\r\n"
                            "\tста-ли\t\r\n\tста-ли\t\r\n\tста-ли\t\r\n"));
}

void TestTextModeExport::saveInEachEncoding_data()
{
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ANSI") << TextEncoding::Ansi << QByteArray("\xF1\xF2\xEE\xEB\r\n\xF1\xF2\xEE-\xEB\xE0\r\n");
    QTest::newRow("ASCII") << TextEncoding::Ascii << QByteArray("????\r\n??\?-??\r\n");
    QTest::newRow("Unicode") << TextEncoding::Unicode << EncodeText(QStringLiteral("стол\r\nсто-ла\r\n"), TextEncoding::Unicode);
    QTest::newRow("Big Endian Unicode") << TextEncoding::BigEndianUnicode
                                        << EncodeText(QStringLiteral("стол\r\nсто-ла\r\n"), TextEncoding::BigEndianUnicode);
    QTest::newRow("UTF-8") << TextEncoding::Utf8
                           << QByteArray("\xEF\xBB\xBF\xD1\x81\xD1\x82\xD0\xBE\xD0\xBB\r\n\xD1\x81\xD1\x82\xD0\xBE-\xD0\xBB\xD0\xB0\r\n");
    QTest::newRow("UTF-7") << TextEncoding::Utf7 << QByteArray("+BEEEQgQ+BDs-\r\n+BEEEQgQ+--+BDsEMA-\r\n");
}

void TestTextModeExport::saveInEachEncoding()
{
    QFETCH(TextEncoding, encoding);
    QFETCH(QByteArray, bytes);
    window_.Decline(QStringLiteral("стол"));
    form().N27->setChecked(false);  // no stress marks in this export
    window_.Decline(QStringLiteral("стол"));
    form().StringGrid1->setRangeSelected(QTableWidgetSelectionRange(1, 1, 2, 1), true);
    const QString path = window_.FilePath(QStringLiteral("table.txt"));
    QVERIFY(WriteBytes(path, QByteArray(4096, 'x')));  // an older, longer file is replaced
    window_.fileDialogs.answers = {ChosenTextFile{path, encoding}};
    window_.messages.answers = {true};
    QTest::keyClick(form().ComboBox1, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(ReadBytes(path), bytes);
    QCOMPARE(QDir(QFileInfo(path).path()).entryList({"table.txt*"}), QStringList{"table.txt"});
}

void TestTextModeExport::saveRemembersNameAndReportsFailures()
{
    window_.Decline(QStringLiteral("стол"));
    const QString blocked = window_.FilePath(QStringLiteral("folder"));
    QVERIFY(QDir(window_.FilePath(QString())).mkpath(QStringLiteral("folder")));
    window_.fileDialogs.answers = {ChosenTextFile{blocked, TextEncoding::Utf8}, std::nullopt};
    form().BitBtn5->click();
    QCOMPARE(window_.messages.errors.size(), 1);
    QVERIFY(window_.messages.errors.first().startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(blocked)));

    // The last name and encoding are offered again; a cancel writes nothing.
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    form().BitBtn5->click();
    QCOMPARE(window_.fileDialogs.savePresets.size(), 2);
    QCOMPARE(window_.fileDialogs.savePresets.at(1).path, blocked);
    QCOMPARE(window_.fileDialogs.savePresets.at(1).encoding, TextEncoding::Utf8);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    QCOMPARE(window_.messages.errors.size(), 1);
}

// "Нет" keeps the file and goes back to the dialog; "Да" replaces it.
void TestTextModeExport::saveAsksBeforeReplacingAFile()
{
    window_.Decline(QStringLiteral("стол"));
    const QString path = window_.FilePath(QStringLiteral("мой файл.txt"));
    QVERIFY(WriteBytes(path, "the user's own text"));
    window_.fileDialogs.answers = {ChosenTextFile{path, TextEncoding::Utf8}, std::nullopt};
    form().BitBtn5->click();
    QCOMPARE(window_.messages.questions, QStringList{"Файл «мой файл.txt» уже существует. Заменить его?"});
    QCOMPARE(window_.fileDialogs.savePresets.size(), 2);
    QCOMPARE(window_.fileDialogs.savePresets.at(1).path, path);
    QCOMPARE(ReadBytes(path), QByteArray("the user's own text"));

    window_.fileDialogs.answers = {ChosenTextFile{path, TextEncoding::Utf8}};
    window_.messages.answers = {true};
    form().BitBtn5->click();
    QVERIFY(ReadBytes(path).startsWith("\xEF\xBB\xBF\xD1\x81"));
    QCOMPARE(window_.messages.errors, QStringList());
}

void TestTextModeExport::saveOnAFullDiskKeepsTheOldFile()
{
    test::FullDisk disk;
    if (!disk.available())
        QSKIP("mounting a small file system needs root");
    const QString path = disk.filePath(QStringLiteral("таблица.txt"));
    const QByteArray old = QByteArray("a table saved before, 107 bytes long ").repeated(3);
    QVERIFY(test::WriteBytes(path, old));
    disk.fill();
    window_.Decline(QStringLiteral("стол"));
    window_.fileDialogs.answers = {ChosenTextFile{path, TextEncoding::Utf8}};
    window_.messages.answers = {true};
    form().BitBtn5->click();
    QCOMPARE(window_.messages.errors.size(), 1);
    QVERIFY2(window_.messages.errors.first().startsWith(QStringLiteral("Cannot write file \"%1\". ").arg(path)),
             qPrintable(window_.messages.errors.first()));
    QCOMPARE(test::ReadBytes(path), old);
}

// A damaged UTF-16 file: one line of 30,000 lone low surrogates opens whole,
// shown cut like any long line.
void TestTextModeExport::lineOfLoneSurrogatesOpensCut()
{
    const QString path = window_.FilePath(QStringLiteral("halves.txt"));
    QVERIFY(WriteBytes(path, QByteArray("\xFF\xFE") + QByteArray("\x00\xDC", 2).repeated(30000)));
    window_.fileDialogs.answers = {ChosenTextFile{path, TextEncoding::Unicode}};
    form().N19->trigger();
    QCOMPARE(window_.messages.errors, QStringList());
    QTRY_COMPARE(form().Memo2->Text(), QString(30000, QChar(0xDC00)));
    QCOMPARE(form().Memo2->SoftBreaks().size(), 2);
}


// The encoding list of both file dialogs is labelled in Russian.
void TestTextModeExport::fileDialogsListTheEncodingsInRussian()
{
    EncodingFileDialogs dialogs;
    for (const bool save : {false, true}) {
        QStringList labels;
        QStringList encodings;
        QTimer::singleShot(200, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            for (const QLabel *label : dialog->findChildren<QLabel *>())
                labels.append(label->text());
            for (const QComboBox *list : dialog->findChildren<QComboBox *>()) {
                if (list->findText(QStringLiteral("UTF-8")) >= 0) {
                    for (int i = 0; i < list->count(); ++i)
                        encodings.append(list->itemText(i));
                }
            }
            static_cast<QDialog *>(dialog)->reject();
        });
        const std::optional<ChosenTextFile> chosen =
            save ? dialogs.ChooseFileToSave(&form(), {}) : dialogs.ChooseFileToOpen(&form());
        QVERIFY(!chosen);
        QVERIFY2(labels.contains(QStringLiteral("Кодировка:")), qPrintable(labels.join(u'|')));
        QVERIFY(!labels.contains(QStringLiteral("Encoding:")));
        QCOMPARE(encodings, QStringList({"ANSI", "ASCII", "Unicode", "Big Endian Unicode", "UTF-8", "UTF-7"}));
    }
}

void TestTextModeExport::longLinesBeyondTheFirstPiece_data()
{
    QTest::addColumn<bool>("paste");
    QTest::addColumn<QString>("text");
    const QString words = QStringLiteral("мама мыла раму ");
    QTest::newRow("opened single line") << false << words.repeated(100000);
    QTest::newRow("pasted, long last line") << true
                                            << QStringLiteral("мама мыла раму\n").repeated(100000) + words.repeated(800);
}

// A text longer than one piece of the box's loading whose cut lines lie
// beyond the first piece reads, while it arrives, as the part that has come.
void TestTextModeExport::longLinesBeyondTheFirstPiece()
{
    QFETCH(bool, paste);
    QFETCH(QString, text);
    if (paste) {
        QGuiApplication::clipboard()->setText(text);
        form().N15->trigger();
    } else {
        const QString path = window_.FilePath(QStringLiteral("long line.txt"));
        QVERIFY(WriteBytes(path, EncodeText(text, TextEncoding::Utf8)));
        window_.fileDialogs.answers = {ChosenTextFile{path, TextEncoding::Utf8}};
        form().N19->trigger();
    }
    const QString arrived = form().Memo2->Text();
    QVERIFY(text.startsWith(arrived));
    QCOMPARE(form().ComboBox1->currentText(), QStringLiteral("мама"));
    QTRY_COMPARE_WITH_TIMEOUT(form().Memo2->Text().size(), text.size(), 30000);
    QCOMPARE(form().Memo2->Text(), text);
    QVERIFY(form().Memo2->isReadOnly());
}

TORNELIS_WINDOW_TEST_MAIN(TestTextModeExport)

#include "test_textmode_export.moc"
