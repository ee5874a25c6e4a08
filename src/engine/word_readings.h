#pragma once

#include <QString>
#include <QStringList>

namespace tornelis {

// The word as it is spelled without stress marks, the likelier first: without
// its combining acute accents (U+0301); then, when an apostrophe stands
// between two letters (кни'га), without those apostrophes too, for the
// dictionary spells a few words with one (о'кей).
QStringList SpellingsWithoutStressMarks(const QString &word);

// The other ways a word not found as typed may be meant, the likelier first:
// a Cyrillic word with Latin letters of the same shape among its letters
// (стoл with a Latin o) read with the Cyrillic letters; a word of Latin
// letters typed on the Latin layout of a Russian keyboard (cnjk) read as the
// Russian layout has it. Empty when neither applies.
QStringList OtherReadings(const QString &word);

}  // namespace tornelis
