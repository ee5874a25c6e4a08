#include "textmode/worth_doing.h"

#include "textmode/clause_words.h"

#include <algorithm>

namespace tornelis {

WorthDoing::WorthDoing(StressLookup &stress)
    : stress_(stress)
    , worth_(stress.LemmaId(QStringLiteral("стоить")))
    , stand_(stress.LemmaId(QStringLiteral("стоять")))
{
}

// Is the first word of the clause in after, but ли, бы or же, an infinitive?
bool WorthDoing::InfinitiveFollows(QByteArrayView after) const
{
    bool found = false;
    ForEachWordAndEnd(
        QString::fromUtf8(after), 0,
        [&](const QString &lower) {
            if (lower == u"ли" || lower == u"бы" || lower == u"же")
                return true;
            const QList<StressReading> readings = stress_.Readings(lower);
            found = std::any_of(readings.cbegin(), readings.cend(),
                                [](const StressReading &reading) { return reading.has(kInfinitive); });
            return false;
        },
        [](QChar) { return false; });
    return found;
}

QList<StressReading> WorthDoing::Readings(QByteArrayView after, QList<StressReading> readings) const
{
    const auto of = [](int lemma) { return [lemma](const StressReading &reading) { return reading.lemma == lemma; }; };
    if (std::any_of(readings.cbegin(), readings.cend(), of(worth_)) &&
        std::any_of(readings.cbegin(), readings.cend(), of(stand_)) && InfinitiveFollows(after))
        readings.removeIf([this](const StressReading &reading) { return reading.lemma != worth_; });
    return readings;
}

}  // namespace tornelis
