#pragma once

#include "lexeme_split.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace tornelis::formsdb {

// How many forms each rule of StressPageForms stressed, over a whole build.
struct PageFormStressCounts {
    qint64 secondLocative = 0;
    qint64 imperativeTe = 0;
    qint64 softSignVariant = 0;
    qint64 poComparative = 0;
    qint64 prepositionVariant = 0;

    QStringList Lines() const;
};

// Stresses forms that tables leave to the page of other forms, by rules of
// the language and from the lexeme's own forms (accents[i] belongs to
// lexeme.forms[i]):
// - the second locative in -у/-ю is stressed on its ending (на миру́, в лесу́),
//   whatever the lists give its homograph the dative;
// - where the lists give no stress: an imperative in -те takes the stress of
//   its form without it (ска́жемте: ска́жем), a variant in -ье/-ьи that of its
//   form in -ие/-ии (мне́нье: мне́ние), a comparative in по- that of the bare
//   one (поху́же: ху́же), a preposition in -о that of the preposition
//   without it (и́зо: и́з, пе́редо: пе́ред).
void StressPageForms(const BuiltLexeme &lexeme, const QStringList &tags, std::vector<int> &accents,
                     PageFormStressCounts &counts);

}  // namespace tornelis::formsdb
