// The decline command on the full dictionary: lookup, lemma tabs and the
// rendered table of the first lemma, for 1,000 words (the forms of common
// words) and for words the dictionary lacks, whose tables are guessed. The
// dictionary is TORNELIS_FORMS_DB or build/bin/forms.db.
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

// New words, lemmas and other forms, and one with no analogy at all: every
// lookup fails, and the guess runs after it.
void BM_DeclineUnknownWord(benchmark::State &state)
{
    DURIDOD engine;
    engine.Connect(DictionaryPath());
    if (!engine.Connected) {
        state.SkipWithError("no dictionary: build forms.db or set TORNELIS_FORMS_DB");
        return;
    }
    const QStringList words{
        QStringLiteral("лайкать"),   QStringLiteral("лайкаю"),    QStringLiteral("гуглила"),
        QStringLiteral("зафрендил"), QStringLiteral("кринжового"), QStringLiteral("хайповыми"),
        QStringLiteral("вебинарами"), QStringLiteral("коворкинге"), QStringLiteral("хейтеров"),
        QStringLiteral("Кащеевым"),  QStringLiteral("кьюкс")};
    DeclineRequest request;
    qsizetype i = 0;
    qsizetype guessed = 0;
    for (auto _ : state) {
        request.word = words.at(i);
        const DeclineOutcome outcome = RunDeclineCommand(engine, request);
        guessed += !outcome.lemmaCaptions.isEmpty();
        benchmark::DoNotOptimize(outcome);
        i = (i + 1) % words.size();
    }
    state.counters["guessed"] = benchmark::Counter(double(guessed) / double(state.iterations()));
}
BENCHMARK(BM_DeclineUnknownWord)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
