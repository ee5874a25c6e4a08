#include "textmode/worth_doing.h"

#include "textmode/clause_words.h"

#include <algorithm>

namespace tornelis {
namespace {

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
    const int worthLemma = stress.LemmaId(QStringLiteral("стоить"));
    const int standLemma = stress.LemmaId(QStringLiteral("стоять"));
    const auto worth = [worthLemma](const StressReading &reading) { return reading.lemma == worthLemma; };
    const auto stand = [standLemma](const StressReading &reading) { return reading.lemma == standLemma; };
    if (std::any_of(readings.cbegin(), readings.cend(), worth) && std::any_of(readings.cbegin(), readings.cend(), stand) &&
        InfinitiveFollows(stress, after))
        readings.removeIf([&](const StressReading &reading) { return !worth(reading); });
    return readings;
}

}  // namespace tornelis
