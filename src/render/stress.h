#pragma once

#include <QString>

#include <optional>

namespace tornelis {

// A stored word form as shown in a table cell before letter case: divided
// into syllables when syllablesOn, and with "'" before the accent-th stress
// vowel when stressOn and accent > 0 (the whole result is then in lower case).
QString RenderForm(const QString &word, int accent, bool stressOn, bool syllablesOn);

// The index in text of its accent-th stress vowel (counted from 1, capitals
// included); nothing when accent is below 1 or beyond the vowels.
std::optional<qsizetype> StressVowelIndex(QStringView text, int accent);

// text with "'" before its accent-th stress vowel (counted from 1, capitals
// included, hyphens skipped), its letters left as they are; unchanged when
// accent is below 1 or beyond the vowels.
QString InsertStressMark(const QString &text, int accent);

}  // namespace tornelis
