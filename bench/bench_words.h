#pragma once

#include <QStringList>

// The dictionary the benchmarks read: TORNELIS_FORMS_DB or build/bin/forms.db.
QString DictionaryPath();

// Up to four forms of each common word, taken from the dictionary itself,
// 1,000 in all.
QStringList ThousandWords(const QString &path);
