// Text mode: words taken one by one from the text box.
#include "shell/tform1.h"
#include "shell/text_file_dialogs.h"
#include "textmode/long_lines.h"
#include "textmode/read_text_file.h"
#include "textmode/text_navigation.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTimer>

namespace tornelis {

const QString &TForm1::Memo2Text()
{
    // Rebuilt only after the text changed: a step through a long text stays quick.
    if (!memo2Text_)
        memo2Text_ = WithCrLf(Memo2->Text());
    return *memo2Text_;
}

qsizetype TForm1::Memo2Caret() const
{
    const int boxCaret = Memo2->textCursor().selectionStart();
    if (steppedCaret_ && steppedCaret_->first == boxCaret && !Memo2->textCursor().hasSelection())
        return steppedCaret_->second;
    // Each line break before the caret is one character in the box and two
    // (CR LF) in the text; a cut of a long line is one in the box and none there.
    QTextCursor caret(Memo2->document());
    caret.setPosition(boxCaret);
    const qsizetype position = TextPosition(caret.position(), Memo2->SoftBreaks());
    const qsizetype cutsBefore = caret.position() - position;
    return position + caret.blockNumber() - cutsBefore;
}

void TForm1::MoveMemo2Caret(qsizetype caret)
{
    QTextCursor cursor(Memo2->document());
    const int boxCaret = int(ShownPosition(BoxCaretFromCrLf(Memo2Text(), caret), Memo2->SoftBreaks()));
    cursor.setPosition(boxCaret);
    Memo2->setTextCursor(cursor);
    Memo2->ensureCursorVisible();
    steppedCaret_.emplace(boxCaret, caret);
}

void TForm1::TakeWordAtCaret(qsizetype caret)
{
    ComboBox1->setEditText(WordAtCaret(Memo2Text(), caret));
    BitBtn6Click();
    Memo2->setFocus();
}


void TForm1::ReplaceMemo2Text(const QString &lineFeedText)
{
    const int load = ++memo2Load_;
    const ShownText shown = CutLongLines(lineFeedText);
    const qsizetype firstEnd = TextPieceEnd(shown.text, 0);
    Memo2->setUndoRedoEnabled(false);
    Memo2->SetSoftBreaks(shown.softBreaks);
    Memo2->setPlainText(shown.text.left(firstEnd));
    MoveMemo2Caret(0);
    AppendMemo2Text(shown.text, firstEnd, load);
}

void TForm1::AppendMemo2Text(const QString &lineFeedText, qsizetype from, int load)
{
    if (from >= lineFeedText.size()) {
        Memo2->setUndoRedoEnabled(true);
        return;
    }
    QTimer::singleShot(0, this, [this, lineFeedText, from, load] {
        if (load != memo2Load_)
            return;
        const qsizetype end = TextPieceEnd(lineFeedText, from);
        QTextCursor atEnd(Memo2->document());
        atEnd.movePosition(QTextCursor::End);
        atEnd.insertText(lineFeedText.mid(from, end - from));
        AppendMemo2Text(lineFeedText, end, load);
    });
}

void TForm1::Memo2Click()
{
    steppedCaret_.reset();  // the click put the caret where the box shows it
    TakeWordAtCaret(Memo2Caret());
}

void TForm1::BitBtn1Click()
{
    if (const std::optional<qsizetype> caret = CaretBack(Memo2Text(), Memo2Caret())) {
        MoveMemo2Caret(*caret);
        TakeWordAtCaret(*caret);
    }
}

void TForm1::BitBtn3Click()
{
    if (const std::optional<qsizetype> caret = CaretForward(Memo2Text(), Memo2Caret())) {
        MoveMemo2Caret(*caret);
        TakeWordAtCaret(*caret);
    }
}

void TForm1::N15Click()
{
    const QString pasted = QGuiApplication::clipboard()->text();
    // The replaced text stays one Ctrl+Z away.
    if (!pasted.isEmpty() && WithLineFeeds(pasted) != Memo2->Text())
        ReplaceMemo2TextUndoably(WithLineFeeds(pasted), 0);
    MoveMemo2Caret(0);
    TakeWordAtCaret(0);
}

void TForm1::N19Click()
{
    const std::optional<ChosenTextFile> chosen = fileDialogs_.ChooseFileToOpen(this);
    if (!chosen)
        return;
    const ReadText read = ReadTextFile(chosen->path, chosen->encoding);
    if (!read.error.isEmpty()) {
        ReportError(read.error);  // the text box keeps its text
        return;
    }
    // An unchanged text is not set again, so the caret stays where it was.
    if (read.text != Memo2->Text()) {
        ReplaceMemo2TextUndoably(read.text, 0);
        MoveMemo2Caret(0);
    }
    TakeWordAtCaret(Memo2Caret());
}

}  // namespace tornelis
