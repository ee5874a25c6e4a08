#pragma once

#include <QChar>
#include <QStringView>

namespace tornelis {

// The twenty letters that make syllables: а я о ё е э у ю и ы in both cases.
bool IsSyllableVowel(QChar c);

// The nine letters that can carry a stress mark (small letters only; the
// caller lowers the case): а я о у ю е э и ы, without "ё".
bool IsStressVowel(QChar lower);

// How many syllables a word has: its letters IsSyllableVowel.
qsizetype SyllableCount(QStringView word);

}  // namespace tornelis
