#include "render/syllables.h"

#include "render/letters.h"
#include "render/separators.h"

#include <vector>

namespace tornelis {
namespace {

bool IsSign(QChar c)
{
    return c == u'ь' || c == u'ъ' || c == u'Ь' || c == u'Ъ';
}

// Position (from 1) of the last character that stays with the vowel at
// position v when the next vowel stands d characters further on.
qsizetype CutAfterVowel(QStringView chunk, qsizetype v, qsizetype d)
{
    const auto signAt = [chunk](qsizetype position) { return IsSign(chunk.at(position - 1)); };
    switch (d) {
    case 1:
    case 2:
        return v;
    case 3:
        return signAt(v + 2) ? v + 2 : v + 1;
    case 4:
        return signAt(v + 3) ? v + 3 : v + 2;
    case 5:
        return signAt(v + 4) ? v + 4 : signAt(v + 3) ? v + 3 : v + 2;
    case 6:
        return signAt(v + 5) ? v + 5 : signAt(v + 4) ? v + 4 : v + 3;
    default:
        return v + 3;
    }
}

// Calls take(syllable) for each syllable of one chunk of word characters.
// Vowel positions count from 1 and the list grows with the chunk, so chunks
// of any length divide by the same rule.
template <typename Take>
void DivideChunk(QStringView chunk, std::vector<qsizetype> &vowels, Take &&take)
{
    vowels.clear();
    for (qsizetype i = 0; i < chunk.size(); ++i) {
        if (IsSyllableVowel(chunk.at(i)))
            vowels.push_back(i + 1);
    }
    if (vowels.size() < 2) {
        take(chunk);
        return;
    }
    qsizetype from = 1;
    for (std::size_t k = 0; k + 1 < vowels.size(); ++k) {
        const qsizetype v = vowels[k];
        const qsizetype cut = CutAfterVowel(chunk, v, vowels[k + 1] - v);
        take(chunk.sliced(from - 1, cut - from + 1));
        from = cut + 1;
    }
    take(chunk.sliced(from - 1));
}

// Calls take(syllable) for each syllable of text; separators end a chunk and
// are dropped.
template <typename Take>
void ForEachSyllable(QStringView text, Take &&take)
{
    std::vector<qsizetype> vowels;
    qsizetype chunkStart = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !IsSeparator(text.at(i)))
            continue;
        if (i > chunkStart)
            DivideChunk(text.sliced(chunkStart, i - chunkStart), vowels, take);
        chunkStart = i + 1;
    }
}

}  // namespace

qsizetype SplitSyllables(const QString &text, QStringList &syllables)
{
    syllables.clear();
    ForEachSyllable(text, [&syllables](QStringView syllable) { syllables.append(syllable.toString()); });
    return syllables.size();
}

QString HyphenateWord(const QString &text)
{
    QString joined;
    joined.reserve(text.size() + text.size() / 2);
    ForEachSyllable(text, [&joined](QStringView syllable) {
        // The word's own hyphen (кто-то, из-за) already parts two syllables.
        const bool ownHyphen = joined.endsWith(QLatin1Char('-')) || syllable.startsWith(QLatin1Char('-'));
        if (!joined.isEmpty() && !ownHyphen)
            joined.append(QLatin1Char('-'));
        joined.append(syllable);
    });
    // A text made only of separators ("…", "—") has no syllables; it is shown as it is.
    return joined.isEmpty() ? text : joined;
}

}  // namespace tornelis
