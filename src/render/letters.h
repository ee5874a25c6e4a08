#pragma once

#include <QChar>

namespace tornelis {

// The twenty letters that make syllables: а я о ё е э у ю и ы in both cases.
bool IsSyllableVowel(QChar c);

// The nine letters that can carry a stress mark (small letters only; the
// caller lowers the case): а я о у ю е э и ы, without "ё".
bool IsStressVowel(QChar lower);

}  // namespace tornelis
