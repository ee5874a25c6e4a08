// tornelis-cli's work on the full dictionary: annotate over a 1 MB Russian
// text (forms of common words with punctuation and line breaks) and over
// 1 MB of real prose (TORNELIS_PROSE, prepared by bench/compare), and the
// decline command's text output for 1,000 words.
#include "bench_words.h"
#include "cli/decline_output.h"
#include "engine/stress_lookup.h"
#include "textmode/text_annotator.h"

#include <QFile>

#include <memory>

#include <sys/resource.h>

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

// The prose of TORNELIS_PROSE; empty, with the benchmark skipped, without it.
QByteArray ProseText(benchmark::State &state)
{
    QFile file(qEnvironmentVariable("TORNELIS_PROSE"));
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("no prose: set TORNELIS_PROSE (bench/compare prepares it)");
        return {};
    }
    return file.readAll();
}

// A text of size bytes made by repeating pattern, read as it is made, so that
// the input itself takes no memory.
class RepeatedText : public QIODevice {
public:
    RepeatedText(QByteArray pattern, qint64 size) : pattern_(std::move(pattern)), size_(size) {}
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 count = std::min(maxSize, size_ - position_);
        for (qint64 i = 0; i < count; ++i)
            data[i] = pattern_.at((position_ + i) % pattern_.size());
        position_ += count;
        return count;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray pattern_;
    qint64 size_;
    qint64 position_ = 0;
};

// Takes whatever is written and keeps nothing.
class Sink : public QIODevice {
protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 size) override { return size; }
};

long PeakMemoryKilobytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

qint64 AnnotateOnce(StressLookup &stress, const QByteArray &pattern, qint64 size)
{
    TextAnnotator annotator(stress, {});
    RepeatedText in(pattern, size);
    Sink out;
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::WriteOnly);
    return annotator.Annotate(in, out);
}

// Annotates size bytes of pattern repeated; cold: a new lookup, with nothing
// remembered, for every run, else one that has seen the text once.
void Annotate(benchmark::State &state, const QByteArray &pattern, qint64 size, bool cold)
{
    const QString path = DictionaryPath();
    auto stress = std::make_unique<StressLookup>(path);
    const long memoryBefore = PeakMemoryKilobytes();
    if (!cold)
        AnnotateOnce(*stress, pattern, size);
    qint64 words = 0;
    for (auto _ : state) {
        if (cold)
            stress = std::make_unique<StressLookup>(path);
        words += AnnotateOnce(*stress, pattern, size);
    }
    state.counters["words_per_second"] = benchmark::Counter(double(words), benchmark::Counter::kIsRate);
    state.counters["peak_memory_growth_MB"] = double(PeakMemoryKilobytes() - memoryBefore) / 1024;
    state.SetBytesProcessed(qint64(state.iterations()) * size);
}

// range(0) = 1: cold.
void BM_Annotate1MegabyteText(benchmark::State &state)
{
    const QByteArray text = MegabyteOfText(ThousandWords(DictionaryPath()));
    Annotate(state, text, text.size(), state.range(0) == 1);
}
BENCHMARK(BM_Annotate1MegabyteText)->Arg(0)->Arg(1)->ArgName("cold")->Unit(benchmark::kMillisecond);

void BM_AnnotateProse(benchmark::State &state)
{
    if (const QByteArray prose = ProseText(state); !prose.isEmpty())
        Annotate(state, prose, prose.size(), false);
}
BENCHMARK(BM_AnnotateProse)->Unit(benchmark::kMillisecond);

// range(0) megabytes of one endless run of letters, or of the prose repeated:
// the time grows with the text, the memory does not.
void BM_AnnotateOneRunOfLetters(benchmark::State &state)
{
    Annotate(state, QByteArrayLiteral("я"), state.range(0) * 1024 * 1024, false);
}
BENCHMARK(BM_AnnotateOneRunOfLetters)->Arg(1)->Arg(100)->ArgName("MB")->Unit(benchmark::kMillisecond);

void BM_AnnotateProseStream(benchmark::State &state)
{
    if (const QByteArray prose = ProseText(state); !prose.isEmpty())
        Annotate(state, prose, state.range(0) * 1024 * 1024, false);
}
BENCHMARK(BM_AnnotateProseStream)->Arg(1)->Arg(100)->ArgName("MB")->Unit(benchmark::kMillisecond);

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
