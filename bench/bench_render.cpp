// Per-call cost of the rendering and description functions over the forms of
// a few hundred typical words (every word with a plausible accent and tag).
#include "grammemes/describe_tags.h"
#include "render/stress.h"
#include "render/syllables.h"

#include <QStringList>

#include <benchmark/benchmark.h>

namespace {

const QStringList &Forms()
{
    static const QStringList forms = [] {
        const QStringList stems{"стол", "книг", "окн", "читал", "красив", "дорог", "город", "молок",
                                "здравствуй", "объявлени", "бодрствова", "контрольн", "учител", "земл",
                                "подъезд", "семь", "инструмент", "александр", "ёлк", "сестр"};
        const QStringList endings{"", "а", "у", "ом", "е", "ы", "ами", "ах", "ого", "ому", "ыми", "ой",
                                  "ешь", "ет", "ем", "ете", "ют", "ующий", "ившийся", "ость"};
        QStringList all;
        for (const QString &stem : stems)
            for (const QString &ending : endings)
                all.append(stem + ending);
        return all;
    }();
    return forms;
}

const QStringList &Tags()
{
    static const QStringList tags{
        "NOUN,inan,masc sing,nomn", "NOUN,anim,femn plur,ablt", "VERB,impf,tran sing,3per,pres,indc",
        "ADJF,Qual masc,sing,gent", "PRTF,impf,tran,pres,actv femn,sing,datv", "INFN,perf,intr",
        "NOUN,inan,femn,Sgtm sing,gent", "VERB,perf,intr plur,past,indc",
    };
    return tags;
}

void BM_HyphenateWord(benchmark::State &state)
{
    const QStringList &forms = Forms();
    qsizetype i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tornelis::HyphenateWord(forms.at(i)));
        i = (i + 1) % forms.size();
    }
}
BENCHMARK(BM_HyphenateWord);

void BM_RenderForm(benchmark::State &state)
{
    const QStringList &forms = Forms();
    qsizetype i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tornelis::RenderForm(forms.at(i), int(i % 4) + 1, true, true));
        i = (i + 1) % forms.size();
    }
}
BENCHMARK(BM_RenderForm);

void BM_DescribeTags(benchmark::State &state)
{
    const QStringList &tags = Tags();
    qsizetype i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tornelis::DescribeTags(tags.at(i)));
        i = (i + 1) % tags.size();
    }
}
BENCHMARK(BM_DescribeTags);

}  // namespace

BENCHMARK_MAIN();
