#include "render/stress.h"

#include "render/letters.h"
#include "render/syllables.h"

namespace tornelis {

std::optional<qsizetype> StressVowelIndex(QStringView text, int accent)
{
    int vowelCount = 0;
    for (qsizetype i = 0; i < text.size() && accent > 0; ++i) {
        if (IsStressVowel(text.at(i).toLower()) && ++vowelCount == accent)
            return i;
    }
    return std::nullopt;
}

QString MarkVowelAt(const QString &text, qsizetype index, StressMark mark)
{
    QString marked = text;
    if (mark == StressMark::Apostrophe)
        return marked.insert(index, QLatin1Char('\''));
    return marked.insert(index + 1, kCombiningAcute);
}

QString WithApostropheMarks(const QString &text)
{
    QString result = text;
    for (qsizetype i = 1; i < result.size(); ++i) {
        if (result.at(i) == kCombiningAcute && result.at(i - 1).isLetter()) {
            result[i] = result.at(i - 1);
            result[i - 1] = QLatin1Char('\'');
        }
    }
    return result;
}

QString InsertStressMark(const QString &text, int accent, StressMark mark)
{
    const std::optional<qsizetype> stressed = StressVowelIndex(text, accent);
    return stressed ? MarkVowelAt(text, *stressed, mark) : text;
}

QString RenderForm(const QString &word, int accent, bool stressOn, bool syllablesOn, StressMark mark)
{
    const QString text = syllablesOn ? HyphenateWord(word) : word;
    if (!stressOn || accent <= 0)
        return text;
    // With a stress mark the whole form is shown in lower case, letter by letter.
    QString lower(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        lower[i] = text.at(i).toLower();
    return InsertStressMark(lower, accent, mark);
}

}  // namespace tornelis
