#include "shell/text_box.h"

#include "textmode/long_lines.h"

#include <QMimeData>
#include <QMouseEvent>

namespace tornelis {

TextBox::TextBox(QWidget *parent)
    : QPlainTextEdit(parent)
{
}

void TextBox::SetSoftBreaks(const QList<qsizetype> &softBreaks)
{
    softBreaks_ = softBreaks;
    setReadOnly(!softBreaks_.isEmpty());
    if (isReadOnly())  // the caret still shows and moves, for stepping through the text
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

QString TextBox::Text() const
{
    return WithoutSoftBreaks(toPlainText(), softBreaks_);
}

void TextBox::mouseReleaseEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        emit Click();
}

QMimeData *TextBox::createMimeDataFromSelection() const
{
    const QTextCursor selection = textCursor();
    const qsizetype start = TextPosition(selection.selectionStart(), softBreaks_);
    const qsizetype end = TextPosition(selection.selectionEnd(), softBreaks_);
    auto *data = new QMimeData;
    data->setText(Text().sliced(start, end - start));
    return data;
}

}  // namespace tornelis
