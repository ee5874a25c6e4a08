#include "textmode/long_lines.h"

#include <algorithm>

namespace tornelis {
namespace {

constexpr qsizetype kPieceLength = 512 * 1024;

// Would a cut before at split a surrogate pair? A lone surrogate is no pair
// and may be cut anywhere.
bool IsInsidePair(const QString &text, qsizetype at)
{
    return at > 0 && at < text.size() && text.at(at).isLowSurrogate() && text.at(at - 1).isHighSurrogate();
}

}  // namespace

ShownText CutLongLines(const QString &lineFeedText, qsizetype longest)
{
    ShownText shown;
    qsizetype lineStart = 0;
    qsizetype copied = 0;
    for (qsizetype at = 0; at < lineFeedText.size(); ++at) {
        if (lineFeedText.at(at) == u'\n') {
            lineStart = at + 1;
        } else if (at - lineStart >= longest && !IsInsidePair(lineFeedText, at)) {
            shown.text += QStringView(lineFeedText).sliced(copied, at - copied);
            shown.text += u'\n';
            shown.softBreaks.append(at);
            copied = lineStart = at;
        }
    }
    if (shown.softBreaks.isEmpty())
        shown.text = lineFeedText;
    else
        shown.text += QStringView(lineFeedText).sliced(copied);
    return shown;
}

QString WithoutSoftBreaks(const QString &shown, const QList<qsizetype> &softBreaks)
{
    if (softBreaks.isEmpty())
        return shown;
    QString text;
    text.reserve(shown.size() - softBreaks.size());
    qsizetype copied = 0;
    for (qsizetype i = 0; i < softBreaks.size(); ++i) {
        const qsizetype lineFeed = softBreaks.at(i) + i;
        if (lineFeed >= shown.size())
            break;  // a long text still arriving in the box: the cuts beyond are not there yet
        text += QStringView(shown).sliced(copied, lineFeed - copied);
        copied = lineFeed + 1;
    }
    text += QStringView(shown).sliced(copied);
    return text;
}

qsizetype ShownPosition(qsizetype position, const QList<qsizetype> &softBreaks)
{
    return position + (std::upper_bound(softBreaks.cbegin(), softBreaks.cend(), position) - softBreaks.cbegin());
}

qsizetype TextPosition(qsizetype shownPosition, const QList<qsizetype> &softBreaks)
{
    // The i-th soft break's LF stands at softBreaks[i] + i in the box.
    qsizetype before = 0;
    qsizetype count = softBreaks.size();
    while (count > 0) {
        const qsizetype half = count / 2;
        if (softBreaks.at(before + half) + before + half < shownPosition) {
            before += half + 1;
            count -= half + 1;
        } else {
            count = half;
        }
    }
    return shownPosition - before;
}

qsizetype TextPieceEnd(const QString &text, qsizetype from)
{
    if (text.size() - from <= kPieceLength)
        return text.size();
    const qsizetype lineEnd = text.lastIndexOf(QLatin1Char('\n'), from + kPieceLength - 1);
    if (lineEnd >= from)
        return lineEnd + 1;
    const qsizetype end = from + kPieceLength;
    return IsInsidePair(text, end) ? end - 1 : end;
}

}  // namespace tornelis
