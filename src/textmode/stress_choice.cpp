#include "textmode/stress_choice.h"

#include <algorithm>

namespace tornelis {

QList<StressReading> LikelyReadings(QList<StressReading> readings, WordCase wordCase)
{
    if (wordCase == WordCase::Lower)
        KeepIfAny(readings, [](const StressReading &reading) { return !reading.properName; });
    else if (wordCase == WordCase::CapitalInSentence)
        KeepIfAny(readings, [](const StressReading &reading) { return reading.properName; });
    KeepIfAny(readings, [](const StressReading &reading) { return !reading.marked; });
    return readings;
}

std::optional<int> AgreedAccent(const QList<StressReading> &readings)
{
    if (readings.isEmpty())
        return std::nullopt;
    const int accent = readings.front().accent;
    const bool agree = std::all_of(readings.cbegin(), readings.cend(),
                                   [accent](const StressReading &reading) { return reading.accent == accent; });
    return agree ? std::optional<int>(accent) : std::nullopt;
}

bool AllRare(const QList<StressReading> &readings, WordCase wordCase)
{
    const auto rare = [wordCase](const StressReading &reading) {
        return reading.marked || (wordCase == WordCase::Lower && reading.properName);
    };
    return !readings.isEmpty() && std::all_of(readings.cbegin(), readings.cend(), rare);
}

}  // namespace tornelis
