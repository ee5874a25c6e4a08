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

// A letter, or a stress mark inside a word: an acute accent after a letter,
// an apostrophe between two letters (index from 0).
bool IsWordCharacter(QStringView text, qsizetype index)
{
    const QChar c = text[index];
    if (IsTextLetter(c))
        return true;
    const bool afterLetter = index > 0 && IsTextLetter(text[index - 1]);
    if (c == QChar(0x0301))
        return afterLetter;
    return c == u'\'' && afterLetter && index + 1 < text.size() && IsTextLetter(text[index + 1]);
}

}  // namespace

bool IsTextLetter(QChar c)
{
    return c == u'Ё' || c == u'ё' || (c >= u'А' && c <= u'я');
}

QString WordAtCaret(QStringView text, qsizetype caret)
{
    qsizetype start = caret;
    while (start >= 1 && IsWordCharacter(text, start - 1))
        --start;
    qsizetype end = caret;
    while (end + 1 <= text.size() && IsWordCharacter(text, end))
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
        if (IsTextLetter(At(text, letter))) {
            // After the accent of a stressed last vowel, not between the two.
            while (letter < text.size() && text[letter] == QChar(0x0301))
                ++letter;
            return letter;
        }
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
