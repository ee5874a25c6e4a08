#include "engine/decline_command.h"

namespace tornelis {

DeclineOutcome RunDeclineCommand(DURIDOD &engine, const DeclineRequest &request)
{
    if (!engine.Connected)
        engine.Connect(request.fallbackDatabasePath);
    engine.StartCommand();
    DeclineOutcome outcome;
    outcome.word = request.restoreYo ? engine.RestoreYo(request.word) : request.word;
    outcome.lemmaCaptions = engine.FindLemmas(outcome.word);
    outcome.typed = {outcome.word, !request.restoreYo};
    outcome.tables = engine.FillTables(0, request.render, outcome.typed);
    return outcome;
}

}  // namespace tornelis
