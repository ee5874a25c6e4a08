// tornelis-cli's work on the full dictionary: annotate over a 1 MB Russian
// text (forms of common words with punctuation and line breaks) and over
// 1 MB of real prose (TORNELIS_PROSE, prepared by bench/compare), and the
// decline command's text output for 1,000 words.
#include "bench_words.h"
#include "cli/annotate.h"
#include "cli/decline_output.h"
#include "engine/stress_lookup.h"

#include <QBuffer>
#include <QFile>

#include <memory>

#include <benchmark/benchmark.h>

using namespace tornelis;

namespace {

QByteArray MegabyteOfText(const QStringList &words)
{
    static const char *const separators[] = {" ", " ", " ", ", ", ". ", " — ", "\r\n", "! "};
    QByteArray text;
    for (qsizetype i = 0; text.size() < 1024 * 1024; ++i) {
        QString word = words.at((i * 7919) % words.size());
        if (i % 11 == 0)
            word[0] = word.at(0).toUpper();
        text += word.toUtf8() + separators[i % 8];
    }
    return text;
}

QByteArray ProseText()
{
    QFile file(qEnvironmentVariable("TORNELIS_PROSE"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// range(0) = 1: a new lookup, with nothing remembered, for every run.
void AnnotateText(benchmark::State &state, const QByteArray &text)
{
    const QString path = DictionaryPath();
    auto stress = std::make_unique<StressLookup>(path);
    qint64 words = 0;
    for (auto _ : state) {
        if (state.range(0) == 1)
            stress = std::make_unique<StressLookup>(path);
        TextAnnotator annotator(*stress, {});
        QByteArray input = text;
        QBuffer in(&input);
        QByteArray written;
        QBuffer out(&written);
        in.open(QIODevice::ReadOnly);
        out.open(QIODevice::WriteOnly);
        words += annotator.Annotate(in, out);
    }
    state.counters["words_per_second"] = benchmark::Counter(double(words), benchmark::Counter::kIsRate);
    state.SetBytesProcessed(qint64(state.iterations()) * text.size());
}

void BM_Annotate1MegabyteText(benchmark::State &state)
{
    AnnotateText(state, MegabyteOfText(ThousandWords(DictionaryPath())));
}
BENCHMARK(BM_Annotate1MegabyteText)->Arg(0)->Arg(1)->ArgName("cold")->Unit(benchmark::kMillisecond);

void BM_AnnotateProse(benchmark::State &state)
{
    const QByteArray prose = ProseText();
    if (prose.isEmpty()) {
        state.SkipWithError("no prose: set TORNELIS_PROSE (bench/compare prepares it)");
        return;
    }
    AnnotateText(state, prose);
}
BENCHMARK(BM_AnnotateProse)->Arg(0)->ArgName("cold")->Unit(benchmark::kMillisecond);

void BM_DeclineThousandWords(benchmark::State &state)
{
    const QString path = DictionaryPath();
    const QStringList words = ThousandWords(path);
    DURIDOD engine;
    engine.Connect(path);
    for (auto _ : state) {
        for (const QString &word : words)
            benchmark::DoNotOptimize(DeclinedWordText(DeclineWord(engine, word, true, RenderOptions())));
    }
}
BENCHMARK(BM_DeclineThousandWords)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
