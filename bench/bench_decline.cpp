// The decline command on the full dictionary: lookup, lemma tabs and the
// rendered table of the first lemma, for 1,000 words (the forms of common
// words). The dictionary is TORNELIS_FORMS_DB or build/bin/forms.db.
#include "common_words.h"
#include "engine/decline_command.h"
#include "engine/sqlite_database.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace tornelis;

namespace {

QString DictionaryPath()
{
    const char *path = std::getenv("TORNELIS_FORMS_DB");
    return path ? QString::fromLocal8Bit(path) : QStringLiteral(TORNELIS_DEFAULT_FORMS_DB);
}

// Up to four forms of each common word, taken from the dictionary itself.
QStringList ThousandWords(const QString &path)
{
    SqliteDatabase database(path, SqliteDatabase::Mode::ReadOnly);
    QStringList words;
    for (const QString &word : CommonWords()) {
        SqliteStatement forms(database, QStringLiteral(
            "select distinct word from forms_view where initform_id ="
            " (select initform_id from forms_view where word = ?) limit 4"));
        forms.bindText(1, word);
        while (forms.step())
            words.append(forms.columnText(0));
    }
    while (words.size() < 1000)
        words.append(words.at(words.size() % 250));
    return words.mid(0, 1000);
}

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
