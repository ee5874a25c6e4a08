#include "textmode/common_reading.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace tornelis {
namespace {

// A reading wins when the corpus meets it at least kLeastCount times, and
// kRatio times as often as all the other readings together. The corpus is
// small, and its counts are the smallest that give its fractions (a word
// read 12 times one way and once the other may have been met 26 times), so
// the ratio is what tells. Measured on Debian's fortunes and manual pages:
// from a ratio of 10 on, a random sample of the words so marked was right
// at least 199 times in 200; at 5, целу́ю (I kiss) became це́лую.
constexpr int kLeastCount = 3;
constexpr qint64 kRatio = 10;

// Does a lexeme have readings with the common accent and with another? Its
// case forms (воды́ and во́ды, поля́ and по́ля) are told apart by the
// sentence, not by how often each occurs.
bool LexemeOnBothSides(const QList<StressReading> &readings, int accent)
{
    QSet<int> common;
    for (const StressReading &reading : readings) {
        if (reading.accent == accent)
            common.insert(reading.lexeme);
    }
    return std::any_of(readings.cbegin(), readings.cend(), [&](const StressReading &reading) {
        return reading.accent != accent && common.contains(reading.lexeme);
    });
}

// A short adjective stands where a noun would, as the predicate: жизнь
// долга́ beside чувство до́лга, книга до́рога beside доро́га.
bool NounBesideShortForm(const QList<StressReading> &readings, int accent)
{
    const auto has = [&](bool common, quint32 grammemes) {
        return std::any_of(readings.cbegin(), readings.cend(), [&](const StressReading &reading) {
            return (reading.accent == accent) == common && reading.has(grammemes);
        });
    };
    return has(true, kNoun) && has(false, kShortForm);
}

}  // namespace

std::optional<int> CommonAccent(const QList<StressReading> &readings)
{
    // A name's stress is the dictionary's least sure (Пу́тин, of the surname).
    if (std::any_of(readings.cbegin(), readings.cend(), [](const StressReading &reading) {
            return reading.corpusCount < 0 || reading.properName;
        }))
        return std::nullopt;
    QHash<int, int> accentOfTag;
    QHash<int, qint64> countOfAccent;
    for (const StressReading &reading : readings) {
        const auto known = accentOfTag.constFind(reading.tag);
        if (known != accentOfTag.cend()) {
            if (*known != reading.accent)
                return std::nullopt;
            continue;
        }
        accentOfTag.insert(reading.tag, reading.accent);
        countOfAccent[reading.accent] += reading.corpusCount;
    }
    if (countOfAccent.size() < 2)
        return std::nullopt;
    qint64 total = 0;
    auto common = countOfAccent.cbegin();
    for (auto accent = countOfAccent.cbegin(); accent != countOfAccent.cend(); ++accent) {
        total += *accent;
        if (*accent > *common)
            common = accent;
    }
    const qint64 rest = total - *common;
    if (*common < kLeastCount || *common < kRatio * rest || LexemeOnBothSides(readings, common.key()) ||
        NounBesideShortForm(readings, common.key()))
        return std::nullopt;
    return common.key();
}

}  // namespace tornelis
