#include "stress_groups.h"

#include "render/letters.h"

namespace tornelis::formsdb {

int StressedSyllable(const QString &form, int accent)
{
    int syllable = 0;
    int stressVowel = 0;
    int found = 0;
    for (const QChar letter : form) {
        const QChar lower = letter.toLower();
        if (!IsSyllableVowel(lower))
            continue;
        ++syllable;
        const bool stressed = lower == u'ё' ? accent == 0 : IsStressVowel(lower) && ++stressVowel == accent;
        if (stressed && found == 0)
            found = syllable;
    }
    return syllable < 2 ? 0 : found;
}

int AccentOfSyllable(const QString &form, int syllable)
{
    int seen = 0;
    int stressVowel = 0;
    for (const QChar letter : form) {
        const QChar lower = letter.toLower();
        if (!IsSyllableVowel(lower))
            continue;
        const bool stressable = IsStressVowel(lower);
        stressVowel += stressable ? 1 : 0;
        if (++seen == syllable)
            return stressable ? stressVowel : 0;
    }
    return 0;
}

QString StressGroup(const QString &tags)
{
    QString group = tags.left(4);
    for (const char *grammeme : {"sing", "plur", "pres", "futr", "past"}) {
        if (tags.contains(QLatin1String(grammeme)))
            group += QLatin1Char(' ') + QLatin1String(grammeme);
    }
    if (group.startsWith(QLatin1String("VERB")) && group.contains(QLatin1String("past")))
        return QStringLiteral("VERB past");
    return group;
}

bool StandsApart(const QString &tags)
{
    const bool verbFirstSingular = tags.startsWith(QLatin1String("VERB")) && tags.contains(QLatin1String("sing,1per"));
    const bool nounAccusativeSingular = tags.startsWith(QLatin1String("NOUN")) && tags.contains(QLatin1String("sing,accs"));
    return verbFirstSingular || nounAccusativeSingular;
}

}  // namespace tornelis::formsdb
