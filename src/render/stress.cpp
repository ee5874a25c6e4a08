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

QString InsertStressMark(const QString &text, int accent)
{
    const std::optional<qsizetype> stressed = StressVowelIndex(text, accent);
    return stressed ? text.left(*stressed) + QLatin1Char('\'') + text.mid(*stressed) : text;
}

QString RenderForm(const QString &word, int accent, bool stressOn, bool syllablesOn)
{
    const QString text = syllablesOn ? HyphenateWord(word) : word;
    if (!stressOn || accent <= 0)
        return text;
    // With a stress mark the whole form is shown in lower case, letter by letter.
    QString lower(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        lower[i] = text.at(i).toLower();
    return InsertStressMark(lower, accent);
}

}  // namespace tornelis
