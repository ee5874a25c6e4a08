#pragma once

#include <QString>

namespace tornelis::formsdb {

// The syllable, from 1, that carries the stress: the accent-th stress vowel,
// or the ё when accent is 0; 0 for a form with fewer than two syllables
// (its stress tells nothing about the paradigm) or without a stress.
int StressedSyllable(const QString &form, int accent);

// The accent (the stress vowel, from 1) that stresses the given syllable
// (from 1) of a form; 0 when that syllable is a ё or the form is shorter.
int AccentOfSyllable(const QString &form, int syllable);

// Forms whose stress is expected to behave alike: a noun's singular or
// plural, a verb's present, future or past.
QString StressGroup(const QString &tags);

// Forms that mobile stress sets apart from the rest of their group: the
// first person singular of a verb (крошу́, кро́шит) and the accusative
// singular of a noun (пора́, по́ру).
bool StandsApart(const QString &tags);

}  // namespace tornelis::formsdb
