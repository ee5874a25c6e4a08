#pragma once

#include <QString>

namespace tornelis {

// The text without its stress marks: an acute accent (U+0301) after a
// Russian vowel, and an apostrophe before a Russian vowel inside a Russian
// word or at its start (unless the word ends with an apostrophe too, a
// quotation). Every other apostrophe (don't, O'Brien, 'цитата') stays.
QString WithoutStressMarks(const QString &text);

// A position in before as a position in after, where after is before with
// stress marks put in or taken out and nothing else changed: the position
// stays on the same character.
qsizetype PositionAcrossMarks(QStringView before, QStringView after, qsizetype position);

}  // namespace tornelis
