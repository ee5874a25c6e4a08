#pragma once

#include <QtGlobal>

namespace tornelis {

// How a lexeme reads a word: the rank of that reading (0 standard,
// then impersonal, names, abbreviations, marked, letters) and how often a
// corpus reads the word so.
struct LemmaReading {
    qint64 lemmaId;
    int rank;
    double occurrences;
};

// reading_counts keeps occurrences in thousandths: a form that several
// lexemes share splits its occurrences between them.
inline constexpr int kOccurrenceUnits = 1000;

// Whether a reader meets reading a of a word before b: rank by rank, within a
// rank the more frequent first, then by lexeme number.
bool MetBefore(const LemmaReading &a, const LemmaReading &b);

}  // namespace tornelis
