#include "corpus_tag_counts.h"

#include "dawg.h"
#include "yo_list.h"

#include <QStringDecoder>

#include <algorithm>

namespace tornelis::formsdb {
namespace {

constexpr qint64 kMillion = 1000000;
// More occurrences than the most frequent word of the corpus (в, some 52,000).
constexpr qint64 kMostOccurrences = 400000;

bool IsFraction(qint64 value, qint64 n)
{
    // value = floor(k / n * 10^6), one less where the division rounded down.
    const qint64 k = (value * n + kMillion - 1) / kMillion;
    for (qint64 candidate : {k - 1, k, k + 1}) {
        const qint64 shown = candidate * kMillion / n;
        if (candidate > 0 && (shown == value || shown == value + 1))
            return true;
    }
    return false;
}

}  // namespace

int OccurrencesOf(const QList<quint32> &millionths)
{
    if (millionths.isEmpty())
        return 0;
    const qint64 smallest = *std::min_element(millionths.begin(), millionths.end());
    // The rarest reading occurred at least once: n >= 10^6 / (smallest + 1).
    for (qint64 n = std::max<qint64>(1, kMillion / (smallest + 2)); n <= kMostOccurrences; ++n) {
        if (std::all_of(millionths.begin(), millionths.end(), [n](quint32 value) { return IsFraction(value, n); }))
            return int(n);
    }
    return 0;
}

CorpusTagCounts CorpusTagCounts::Load(const QString &path, const QStringList &tags)
{
    QHash<QString, int> tagIds;
    for (qsizetype id = 0; id < tags.size(); ++id)
        tagIds.insert(tags.at(id), int(id));
    struct Probability {
        int tagId;
        quint32 millionths;
    };
    QHash<QString, QList<Probability>> probabilities;
    QStringDecoder cp1251("windows-1251");
    Dawg::Load(path).ForEachEntry([&](const QByteArray &key, std::uint32_t value) {
        // word:tag, the word in windows-1251
        const qsizetype colon = key.indexOf(':');
        if (colon <= 0)
            return;
        const int tagId = tagIds.value(QString::fromLatin1(key.mid(colon + 1)), -1);
        QList<Probability> &word = probabilities[cp1251.decode(key.left(colon))];
        word.append({tagId, quint32(std::min<std::uint32_t>(value, kMillion))});
    });
    CorpusTagCounts counts;
    for (auto word = probabilities.cbegin(); word != probabilities.cend(); ++word) {
        QList<quint32> millionths;
        for (const Probability &probability : word.value())
            millionths.append(probability.millionths);
        const int occurrences = OccurrencesOf(millionths);
        QList<Reading> &readings = counts.readings_[WithoutYo(word.key())];
        for (const Probability &probability : word.value()) {
            if (probability.tagId < 0)
                continue;
            const double count = double(std::max(occurrences, 1)) * probability.millionths / kMillion;
            readings.append({probability.tagId, count, occurrences > 0 ? std::max(0.0, count - 1) : count});
        }
    }
    return counts;
}

const QList<CorpusTagCounts::Reading> *CorpusTagCounts::Of(const QString &eWord) const
{
    const auto found = readings_.constFind(eWord);
    return found == readings_.cend() ? nullptr : &found.value();
}

}  // namespace tornelis::formsdb
