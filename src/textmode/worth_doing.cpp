#include "textmode/worth_doing.h"

#include "textmode/clause_words.h"

#include <algorithm>

namespace tornelis {
namespace {

bool OfLemma(const StressReading &reading, QStringView lemma)
{
    return reading.lemma == lemma;
}

// Is the first word of the clause in after, but ли, бы or же, an infinitive?
bool InfinitiveFollows(StressLookup &stress, QByteArrayView after)
{
    bool found = false;
    ForEachWordAndEnd(
        QString::fromUtf8(after), 0,
        [&](const QString &lower) {
            if (lower == u"ли" || lower == u"бы" || lower == u"же")
                return true;
            const QList<StressReading> readings = stress.Readings(lower);
            found = std::any_of(readings.cbegin(), readings.cend(),
                                [](const StressReading &reading) { return reading.has(kInfinitive); });
            return false;
        },
        [](QChar) { return false; });
    return found;
}

}  // namespace

QList<StressReading> WorthBeforeInfinitive(StressLookup &stress, QByteArrayView after, QList<StressReading> readings)
{
    const auto worth = [](const StressReading &reading) { return OfLemma(reading, u"стоить"); };
    const auto stand = [](const StressReading &reading) { return OfLemma(reading, u"стоять"); };
    if (std::any_of(readings.cbegin(), readings.cend(), worth) && std::any_of(readings.cbegin(), readings.cend(), stand) &&
        InfinitiveFollows(stress, after))
        readings.removeIf([&](const StressReading &reading) { return !worth(reading); });
    return readings;
}

}  // namespace tornelis
