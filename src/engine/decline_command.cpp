#include "engine/decline_command.h"

#include "engine/word_readings.h"

namespace tornelis {
namespace {

// One way of reading the typed word; a noted one is told to the user.
struct Reading {
    QString spelling;
    bool noted;
};

QList<Reading> ReadingsOf(const QString &word)
{
    QList<Reading> readings;
    for (const QString &spelling : SpellingsWithoutStressMarks(word))
        readings.append({spelling, false});
    for (const QString &spelling : OtherReadings(word))
        readings.append({spelling, true});
    return readings;
}

}  // namespace

DeclineOutcome RunDeclineCommand(DURIDOD &engine, const DeclineRequest &request)
{
    if (!engine.Connected)
        engine.Connect(request.fallbackDatabasePath);
    engine.StartCommand();
    const auto restored = [&](const QString &word) { return request.restoreYo ? engine.RestoreYo(word) : word; };
    // The first reading found is looked up; the first of all when none is. A
    // word with one reading, as nearly every word has, is searched once.
    const QList<Reading> readings = ReadingsOf(request.word);
    Reading chosen = readings.constFirst();
    QString looked = restored(chosen.spelling);
    for (qsizetype i = 0; readings.size() > 1 && i < readings.size(); ++i) {
        const QString word = i == 0 ? looked : restored(readings.at(i).spelling);
        if (engine.Finds(word)) {
            chosen = readings.at(i);
            looked = word;
            break;
        }
    }
    DeclineOutcome outcome;
    outcome.readAs = chosen.noted ? looked : QString();
    // Most Russians type е for ё: with restoration on, the ё spellings it did
    // not choose are found too, and the typed form stands out in both.
    const QStringList yoSpellings = request.restoreYo ? engine.YoSpellings(looked) : QStringList();
    outcome.lemmaCaptions = engine.FindLemmas(looked, yoSpellings);
    if (outcome.lemmaCaptions.isEmpty())
        outcome.lemmaCaptions = engine.PredictLemmas(looked);
    // Stress marks alone stay in the word box; a restored ё or another reading shows there.
    outcome.word = !chosen.noted && looked == chosen.spelling ? request.word : looked;
    outcome.typed = {looked, !request.restoreYo || !yoSpellings.isEmpty()};
    outcome.tables = engine.FillTables(0, request.render, outcome.typed);
    return outcome;
}

QString ReadAsNote(const QString &readAs)
{
    return QStringLiteral("Прочитано как «%1»").arg(readAs);
}

}  // namespace tornelis
