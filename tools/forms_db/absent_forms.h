#pragma once

#include "lexeme_split.h"

#include <QString>
#include <QStringList>

namespace tornelis::formsdb {

// How many short forms and comparatives each rule of DropAbsentForms left out.
struct AbsentFormCounts {
    qint64 noMasculineShort = 0;
    qint64 participial = 0;
    qint64 listed = 0;
    qint64 noWords = 0;
    qint64 added = 0;  // by AddMissingForms

    QStringList Lines() const;
};

// Leaves out the short forms and comparatives the source gives adjectives
// that have none (последня, настоящ, прошл, подолжнее), by three rules:
// - short forms among which the masculine is missing are generated, not
//   used: последний (последня, последне, последни);
// - an adjective that was a participle (-щий, -вший: настоящий, будущий,
//   текущий) and is not marked qualitative has neither; присущий (присущ)
//   is the one that has;
// - a list of the rest: прошлый, чужой, собственный, лошадиный, and the
//   comparatives of должный (its short forms должен, должна are real).
// It also leaves out the few single forms listed as no words (ником of никто).
// tags[i] belongs to lexeme.forms[i]; both lose the forms left out.
void DropAbsentForms(BuiltLexeme &lexeme, QStringList &tags, const QString &sourceLemma, AbsentFormCounts &counts);

}  // namespace tornelis::formsdb
