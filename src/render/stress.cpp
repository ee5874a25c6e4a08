#include "render/stress.h"

#include "render/letters.h"
#include "render/syllables.h"

namespace tornelis {

QString RenderForm(const QString &word, int accent, bool stressOn, bool syllablesOn)
{
    QString text = syllablesOn ? HyphenateWord(word) : word;
    if (!stressOn || accent <= 0)
        return text;

    QString marked;
    marked.reserve(text.size() + 1);
    int vowelCount = 0;
    for (QChar c : std::as_const(text)) {
        const QChar lower = c.toLower();
        if (IsStressVowel(lower) && ++vowelCount == accent)
            marked.append(QLatin1Char('\''));
        marked.append(lower);
    }
    return marked;
}

}  // namespace tornelis
