#include "textmode/stress_marks.h"

#include "render/letters.h"
#include "render/stress.h"
#include "textmode/text_navigation.h"

namespace tornelis {
namespace {

bool IsRussianStressVowel(QChar c)
{
    return IsTextLetter(c) && IsStressVowel(c.toLower());
}

// The end of the word that starts at start, over the marks inside it.
qsizetype WordEnd(QStringView text, qsizetype start)
{
    qsizetype end = start;
    while (end < text.size()) {
        const bool markInside = text[end] == kCombiningAcute ||
                                (text[end] == u'\'' && end + 1 < text.size() && IsTextLetter(text[end + 1]));
        if (!IsTextLetter(text[end]) && !(markInside && end > start))
            break;
        ++end;
    }
    return end;
}

// Is the apostrophe at i a stress mark?
bool IsApostropheMark(QStringView text, qsizetype i)
{
    if (i + 1 >= text.size() || !IsRussianStressVowel(text[i + 1]))
        return false;
    if (i > 0 && IsTextLetter(text[i - 1]))
        return true;  // inside a word
    if (i > 0 && (text[i - 1] == u'\'' || text[i - 1] == kCombiningAcute))
        return false;
    const qsizetype end = WordEnd(text, i + 1);
    return end == text.size() || text[end] != u'\'';  // 'цитата' is a quotation
}

}  // namespace

QString WithoutStressMarks(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool acuteMark = c == kCombiningAcute && i > 0 && IsTextLetter(text.at(i - 1)) &&
                               IsSyllableVowel(text.at(i - 1));
        if (!acuteMark && !(c == u'\'' && IsApostropheMark(text, i)))
            result.append(c);
    }
    return result;
}

qsizetype PositionAcrossMarks(QStringView before, QStringView after, qsizetype position)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < position && i < before.size() && j < after.size()) {
        if (before[i] == after[j]) {
            ++i;
            ++j;
        } else if (after.size() > before.size()) {
            ++j;  // a mark put in
        } else {
            ++i;  // a mark taken out
        }
    }
    // An accent put in after the character before the position belongs to it.
    while (i == position && j < after.size() && after[j] == kCombiningAcute &&
           (i >= before.size() || before[i] != kCombiningAcute))
        ++j;
    return std::min(j + (position - i), after.size());
}

}  // namespace tornelis
