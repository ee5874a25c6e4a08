#include "textmode/text_navigation.h"

namespace tornelis {
namespace {

bool IsTextWhitespace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// Character at position (from 1).
QChar At(QStringView text, qsizetype position)
{
    return text[position - 1];
}

}  // namespace

bool IsTextLetter(QChar c)
{
    return c == u'Ё' || c == u'ё' || (c >= u'А' && c <= u'я');
}

QString WordAtCaret(QStringView text, qsizetype caret)
{
    qsizetype start = caret;
    while (start >= 1 && IsTextLetter(At(text, start)))
        --start;
    qsizetype end = caret;
    while (end + 1 <= text.size() && IsTextLetter(At(text, end + 1)))
        ++end;
    return text.sliced(start, end - start).toString();
}

std::optional<qsizetype> CaretBack(QStringView text, qsizetype caret)
{
    if (caret <= 0)
        return std::nullopt;
    qsizetype whitespace = caret;
    while (whitespace >= 1 && !IsTextWhitespace(At(text, whitespace)))
        --whitespace;
    if (whitespace < 1)
        return 0;
    for (qsizetype letter = whitespace - 1; letter >= 1; --letter) {
        if (IsTextLetter(At(text, letter)))
            return letter;
    }
    return 0;
}

std::optional<qsizetype> CaretForward(QStringView text, qsizetype caret)
{
    const qsizetype length = text.size();
    if (caret >= length - 1)
        return std::nullopt;
    qsizetype whitespace = caret + 1;
    while (whitespace <= length && !IsTextWhitespace(At(text, whitespace)))
        ++whitespace;
    if (whitespace > length)
        return length - 1;
    if (whitespace >= length - 1)
        return whitespace;
    for (qsizetype letter = whitespace + 1; letter <= length; ++letter) {
        if (IsTextLetter(At(text, letter)))
            return letter - 1;
    }
    return length - 1;
}

QString WithLineFeeds(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r') {
            result.append(QLatin1Char('\n'));
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            result.append(text[i]);
        }
    }
    return result;
}

QString WithCrLf(QStringView boxText)
{
    QString result;
    result.reserve(boxText.size() + boxText.size() / 16);
    for (QChar c : boxText) {
        if (c == u'\n')
            result.append(QLatin1Char('\r'));
        result.append(c);
    }
    return result;
}

qsizetype BoxCaretFromCrLf(QStringView text, qsizetype caret)
{
    const qsizetype clamped = std::clamp<qsizetype>(caret, 0, text.size());
    return clamped - text.first(clamped).count(u'\r');
}

}  // namespace tornelis
