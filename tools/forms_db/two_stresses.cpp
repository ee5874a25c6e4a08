#include "two_stresses.h"

#include "stress_groups.h"

#include <QHash>

#include <map>

namespace tornelis::formsdb {

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
