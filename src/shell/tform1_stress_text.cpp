// Stress marks in the text box: put in from the dictionary, or taken out.
#include "engine/stress_lookup.h"
#include "shell/status_panels.h"
#include "shell/tform1.h"
#include "textmode/long_lines.h"
#include "textmode/loose_utf8.h"
#include "textmode/stress_marks.h"
#include "textmode/text_annotator.h"

#include <QAction>
#include <QBuffer>
#include <QCoreApplication>

namespace tornelis {
namespace {

constexpr int kProgressPanel = 3;

}  // namespace

void TForm1::N37Click()
{
    // Connected as the decline command connects; a dictionary that cannot be
    // opened has been reported by the engine, a missing one stays silent.
    if (!DURIDOD_->Connected)
        DURIDOD_->Connect(SelectedDatabasePath);
    if (!DURIDOD_->Connected)
        return;
    // Loose UTF-8: a lone surrogate of the text comes back as it was.
    QByteArray text = ToLooseUtf8(Memo2->Text());
    QBuffer in(&text);
    QByteArray marked;
    QBuffer out(&marked);
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::WriteOnly);
    StressLookup stress(DURIDOD_->Path);
    TextAnnotator annotator(stress, {false, N26->isChecked(), CurrentRenderOptions().stressMark});
    // The window repaints while a long text is marked; input waits for the end.
    annotator.Annotate(in, out, [this, size = text.size()](qint64 done) {
        statusPanels_->setText(kProgressPanel, QStringLiteral("Ударения в тексте: %1 %").arg(done * 100 / std::max<qint64>(size, 1)));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    statusPanels_->setText(kProgressPanel, QString());
    ReplaceMemo2TextKeepingCaret(FromLooseUtf8(marked));
}

void TForm1::N38Click()
{
    ReplaceMemo2TextKeepingCaret(WithoutStressMarks(Memo2->Text()));
}

void TForm1::ReplaceMemo2TextKeepingCaret(const QString &lineFeedText)
{
    const QString before = Memo2->Text();
    if (lineFeedText == before)
        return;
    const qsizetype caret = TextPosition(Memo2->textCursor().position(), Memo2->SoftBreaks());
    ReplaceMemo2TextUndoably(lineFeedText, PositionAcrossMarks(before, lineFeedText, caret));
}

bool TForm1::UndoMemo2Replacement()
{
    if (!replacedMemo2Text_ || Memo2->document()->isUndoAvailable())
        return false;
    const QString replaced = *replacedMemo2Text_;  // the replacement keeps the text it takes away there
    ReplaceMemo2TextUndoably(replaced, 0);
    MoveMemo2Caret(0);
    return true;
}

void TForm1::ReplaceMemo2TextUndoably(const QString &lineFeedText, qsizetype caret)
{
    if (!Memo2->SoftBreaks().isEmpty() || !CutLongLines(lineFeedText).softBreaks.isEmpty()) {
        // A text with cut lines is read-only and keeps no undo: Ctrl+Z
        // brings the replaced text back from here instead.
        replacedMemo2Text_ = Memo2->Text();
        ReplaceMemo2Text(lineFeedText);
    } else {
        replacedMemo2Text_.reset();
        // One step for Ctrl+Z, put in piece by piece so that the window
        // repaints; the rest of an older text still arriving is not wanted.
        ++memo2Load_;
        Memo2->setUndoRedoEnabled(true);
        QTextCursor cursor(Memo2->document());
        cursor.beginEditBlock();
        cursor.select(QTextCursor::Document);
        cursor.removeSelectedText();
        cursor.endEditBlock();
        for (qsizetype from = 0; from < lineFeedText.size();) {
            const qsizetype end = TextPieceEnd(lineFeedText, from);
            cursor.joinPreviousEditBlock();
            cursor.insertText(lineFeedText.mid(from, end - from));
            cursor.endEditBlock();
            from = end;
            if (from < lineFeedText.size())
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
    }
    // A long text may still be arriving: the caret goes as far as it has come.
    QTextCursor moved(Memo2->document());
    const qsizetype shown = ShownPosition(caret, Memo2->SoftBreaks());
    moved.setPosition(int(std::min<qsizetype>(shown, Memo2->document()->characterCount() - 1)));
    Memo2->setTextCursor(moved);
    Memo2->ensureCursorVisible();
}

}  // namespace tornelis
