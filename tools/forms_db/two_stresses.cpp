#include "two_stresses.h"

#include "render/letters.h"

#include <QHash>

#include <map>

namespace tornelis::formsdb {
namespace {

// The syllable, from 1, that carries the stress: the accent-th stress vowel,
// or the ё when accent is 0; 0 for a form with fewer than two syllables
// (its stress tells nothing about the paradigm) or without a stress.
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

// Forms whose stress is expected to behave alike: a noun's singular or
// plural, a verb's present, future or past.
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

// Forms that mobile stress sets apart from the rest of their group cast no
// vote: the first person singular of a verb (крошу́, кро́шит) and the
// accusative singular of a noun (пора́, по́ру).
bool StandsApart(const QString &tags)
{
    const bool verbFirstSingular = tags.startsWith(QLatin1String("VERB")) && tags.contains(QLatin1String("sing,1per"));
    const bool nounAccusativeSingular = tags.startsWith(QLatin1String("NOUN")) && tags.contains(QLatin1String("sing,accs"));
    return verbFirstSingular || nounAccusativeSingular;
}

}  // namespace

qint64 SettleTwoStresses(const BuiltLexeme &lexeme, const QStringList &tags,
                         const std::vector<QList<int>> &candidates, std::vector<int> &accents)
{
    struct Vote {
        QString form;
        int syllable;
    };
    QHash<QString, QList<Vote>> votes;  // by StressGroup
    for (std::size_t i = 0; i < accents.size(); ++i) {
        if (candidates[i].size() > 1 || StandsApart(tags.at(qsizetype(i))))
            continue;
        const QString &form = lexeme.forms[i].word;
        if (accents[i] == 0 && !form.contains(u'ё'))
            continue;
        if (const int syllable = StressedSyllable(form, accents[i]); syllable > 0)
            votes[StressGroup(tags.at(qsizetype(i)))].append({form, syllable});
    }
    qint64 settled = 0;
    for (std::size_t i = 0; i < accents.size(); ++i) {
        if (candidates[i].size() < 2 || accents[i] != 0)
            continue;
        // A form spelled the same (an indeclinable word's every case) tells nothing.
        std::map<int, int> groupVotes;  // stressed syllable -> forms
        for (const Vote &vote : votes.value(StressGroup(tags.at(qsizetype(i))))) {
            if (vote.form != lexeme.forms[i].word)
                ++groupVotes[vote.syllable];
        }
        int best = 0;
        int bestVotes = 0;
        bool tie = false;
        for (int accent : candidates[i]) {
            const auto vote = groupVotes.find(StressedSyllable(lexeme.forms[i].word, accent));
            const int count = vote == groupVotes.end() ? 0 : vote->second;
            if (count > bestVotes) {
                best = accent;
                bestVotes = count;
                tie = false;
            } else if (count == bestVotes) {
                tie = true;
            }
        }
        if (bestVotes > 0 && !tie) {
            accents[i] = best;
            ++settled;
        }
    }
    return settled;
}

}  // namespace tornelis::formsdb
