#pragma once

#include "lexeme_split.h"

#include <QList>
#include <QStringList>

#include <vector>

namespace tornelis::formsdb {

// Settles the forms the stress lists give two stresses in one reading
// (дало́ and да́ло, учителе́й and учи́телей). The lists keep no order between
// the two, so the lexeme's own forms decide: the stress that falls on the
// same syllable, counted from the start, as in the most forms of the same
// part of speech and number (a verb: tense) that have one stress and at
// least two syllables; forms spelled alike, a verb's first person singular
// and a noun's accusative singular cast no vote. Without such a majority the
// form stays unmarked.
// candidates[i] holds the stresses the lists give lexeme.forms[i] (empty or
// one when nothing is to settle); returns how many accents it set.
qint64 SettleTwoStresses(const BuiltLexeme &lexeme, const QStringList &tags,
                         const std::vector<QList<int>> &candidates, std::vector<int> &accents);

}  // namespace tornelis::formsdb
