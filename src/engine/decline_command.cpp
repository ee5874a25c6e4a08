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
    outcome.tables = engine.FillTables(0, request.render);
    return outcome;
}

}  // namespace tornelis
