#pragma once

#include "lexeme_split.h"

#include <QString>
#include <QStringList>

namespace tornelis::formsdb {

// Adds the few forms of everyday words that the source lacks, each under a
// tag the source has: the accusative ничто, and for the numerals много and
// немного the cases of многие and немногие (многих, многим, многими) in place
// of the distorted многа, многу, многе. tags[i] belongs to lexeme.forms[i]; allTags are the
// source's tags by id. Returns how many forms it added.
qint64 AddMissingForms(BuiltLexeme &lexeme, QStringList &tags, const QString &sourceLemma, const QStringList &allTags);

}  // namespace tornelis::formsdb
