// The decline command on the full dictionary: lookup, lemma tabs and the
// rendered table of the first lemma, for 1,000 words (the forms of common
// words). The dictionary is TORNELIS_FORMS_DB or build/bin/forms.db.
#include "bench_words.h"
#include "engine/decline_command.h"

#include <benchmark/benchmark.h>

using namespace tornelis;

namespace {

void BM_DeclineCommonWord(benchmark::State &state)
{
    const QString path = DictionaryPath();
    DURIDOD engine;
    engine.Connect(path);
    if (!engine.Connected) {
        state.SkipWithError("no dictionary: build forms.db or set TORNELIS_FORMS_DB");
        return;
    }
    const QStringList words = ThousandWords(path);
    DeclineRequest request;
    qsizetype i = 0;
    for (auto _ : state) {
        request.word = words.at(i);
        benchmark::DoNotOptimize(RunDeclineCommand(engine, request));
        i = (i + 1) % words.size();
    }
    state.counters["found"] = engine.FoundCount;
    state.counters["not_found"] = engine.NotFoundCount;
}
BENCHMARK(BM_DeclineCommonWord)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
