#pragma once

#include <QString>

namespace tornelis {

// A stored word form as shown in a table cell before letter case: divided
// into syllables when syllablesOn, and with "'" before the accent-th stress
// vowel when stressOn and accent > 0 (the whole result is then in lower case).
QString RenderForm(const QString &word, int accent, bool stressOn, bool syllablesOn);

}  // namespace tornelis
