#pragma once

#include "engine/sqlite_database.h"
#include "stress_dictionary.h"

#include <QSet>
#include <QString>

namespace tornelis::formsdb {

// Writes the table listed_stress(word, accent): the forms the stress lists
// give one stress that no lexeme of the dictionary has (полужи́рным,
// гиперссы́лки), for marking them in running text. Single words only, of two
// or more vowels, with the stress on a vowel other than ё. Returns the rows
// written.
qint64 WriteListedOnlyStress(const StressDictionary &stress, const QSet<QString> &dictionaryForms,
                             SqliteDatabase &database);

}  // namespace tornelis::formsdb
