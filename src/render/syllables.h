#pragma once

#include <QString>
#include <QStringList>

namespace tornelis {

// Cuts text into syllables by the distances between its vowels. Separators
// end a chunk and are dropped. Empties `syllables`, appends the syllables in
// order and returns their number.
qsizetype SplitSyllables(const QString &text, QStringList &syllables);

// The syllables of text joined by "-"; a hyphen of the text itself is the
// join where it falls between two syllables (кто-то, not кто--то).
QString HyphenateWord(const QString &text);

}  // namespace tornelis
