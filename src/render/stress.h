#pragma once

#include <QString>

#include <optional>

namespace tornelis {

// How a stressed vowel is marked: an apostrophe before it, or a combining
// acute accent (U+0301) after it, as printed dictionaries show it.
enum class StressMark { Apostrophe, Acute };
inline constexpr QChar kCombiningAcute{0x0301};

// text with the mark put at its character at index.
QString MarkVowelAt(const QString &text, qsizetype index, StressMark mark);

// text with every acute accent that follows a letter written as an
// apostrophe before it, for encodings that cannot hold the accent.
QString WithApostropheMarks(const QString &text);

// A stored word form as shown in a table cell before letter case: divided
// into syllables when syllablesOn, and with the mark at the accent-th stress
// vowel when stressOn and accent > 0 (the whole result is then in lower case).
QString RenderForm(const QString &word, int accent, bool stressOn, bool syllablesOn,
                   StressMark mark = StressMark::Apostrophe);

// The index in text of its accent-th stress vowel (counted from 1, capitals
// included); nothing when accent is below 1 or beyond the vowels.
std::optional<qsizetype> StressVowelIndex(QStringView text, int accent);

// text with the mark at its accent-th stress vowel (counted from 1, capitals
// included, hyphens skipped), its letters left as they are; unchanged when
// accent is below 1 or beyond the vowels.
QString InsertStressMark(const QString &text, int accent, StressMark mark = StressMark::Apostrophe);

}  // namespace tornelis
