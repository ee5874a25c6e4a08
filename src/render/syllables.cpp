#include "render/syllables.h"

#include "render/separators.h"

#include <vector>

namespace tornelis {
namespace {

bool IsSyllableVowel(QChar c)
{
    static const QString vowels = QStringLiteral("аяоёеэуюиыАЯОЁЕЭУЮИЫ");
    return vowels.contains(c);
}

bool IsSign(QChar c)
{
    return c == u'ь' || c == u'ъ' || c == u'Ь' || c == u'Ъ';
}

// Position (from 1) of the last character that stays with the vowel at
// position v when the next vowel stands d characters further on.
qsizetype CutAfterVowel(const QString &chunk, qsizetype v, qsizetype d)
{
    const auto signAt = [&chunk](qsizetype position) { return IsSign(chunk.at(position - 1)); };
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

void DivideChunk(const QString &chunk, QStringList &syllables)
{
    // Positions count from 1 and grow with the chunk, so chunks of any length divide.
    std::vector<qsizetype> vowels;
    for (qsizetype i = 0; i < chunk.size(); ++i) {
        if (IsSyllableVowel(chunk.at(i)))
            vowels.push_back(i + 1);
    }
    if (vowels.size() < 2) {
        syllables.append(chunk);
        return;
    }
    qsizetype from = 1;
    for (std::size_t k = 0; k + 1 < vowels.size(); ++k) {
        const qsizetype v = vowels[k];
        const qsizetype cut = CutAfterVowel(chunk, v, vowels[k + 1] - v);
        syllables.append(chunk.mid(from - 1, cut - from + 1));
        from = cut + 1;
    }
    syllables.append(chunk.mid(from - 1));
}

}  // namespace

qsizetype SplitSyllables(const QString &text, QStringList &syllables)
{
    syllables.clear();
    QString chunk;
    const QString closed = text + QLatin1Char(' ');
    for (QChar c : closed) {
        if (!IsSeparator(c)) {
            chunk.append(c);
            continue;
        }
        if (!chunk.isEmpty()) {
            DivideChunk(chunk, syllables);
            chunk.clear();
        }
    }
    return syllables.size();
}

QString HyphenateWord(const QString &text)
{
    if (text.isEmpty())
        return text;
    QStringList syllables;
    // A text made only of separators ("…", "—") has no syllables; it is shown as it is.
    if (SplitSyllables(text, syllables) == 0)
        return text;
    return syllables.join(QLatin1Char('-'));
}

}  // namespace tornelis
