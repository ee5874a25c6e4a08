#pragma once

#include <QList>
#include <QPlainTextEdit>

namespace tornelis {

// The text box of text mode. A text with lines too long to lay out quickly
// is shown cut (textmode/long_lines.h); the box then knows where its cuts
// are, keeps them out of its text and of what it copies, and is read-only,
// so that the cuts stay where they are.
class TextBox : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TextBox(QWidget *parent = nullptr);

    // Where the shown text is cut, as positions in the text itself.
    void SetSoftBreaks(const QList<qsizetype> &softBreaks);
    const QList<qsizetype> &SoftBreaks() const { return softBreaks_; }

    // The text itself, with LF line breaks and without the cuts.
    QString Text() const;

signals:
    // The left button was released over the text, after the box has put
    // the caret where it was clicked (a click into a selection ends it).
    void Click();

protected:
    QMimeData *createMimeDataFromSelection() const override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QList<qsizetype> softBreaks_;
};

}  // namespace tornelis
