#pragma once

#include <QList>
#include <QString>

namespace tornelis {

// A text box lays out a whole line at once, so a line of millions of
// characters would make every click and caret blink take seconds. Such a
// line is shown cut into pieces, one line of the box each; the cuts ("soft
// breaks") are no part of the text.
constexpr qsizetype kLongestShownLine = 10000;

struct ShownText {
    QString text;                 // as the box shows it, one LF at each cut
    QList<qsizetype> softBreaks;  // where the cuts are, as positions in the text itself, ascending
};

// lineFeedText with every line longer than longest cut every longest
// characters (never between the halves of a surrogate pair).
ShownText CutLongLines(const QString &lineFeedText, qsizetype longest = kLongestShownLine);

// The text itself: shown without the LF of each soft break. shown may be the
// start of the whole shown text (a long text put into the box piece by
// piece): the soft breaks beyond its end are passed over.
QString WithoutSoftBreaks(const QString &shown, const QList<qsizetype> &softBreaks);

// A position in the text as a position in the box (after the LF of a soft
// break at that very position), and back.
qsizetype ShownPosition(qsizetype position, const QList<qsizetype> &softBreaks);
qsizetype TextPosition(qsizetype shownPosition, const QList<qsizetype> &softBreaks);

// Where the piece of text that starts at from ends: a long text goes into
// the box in pieces of about half a million characters, cut after a line
// break where there is one, one piece per pass of the event loop, so that
// the window never freezes.
qsizetype TextPieceEnd(const QString &text, qsizetype from);

}  // namespace tornelis
