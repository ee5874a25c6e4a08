#pragma once

#include <QString>

#include <functional>

namespace tornelis::formsdb {

using ReportLine = std::function<void(const QString &line)>;

// The figures of a built forms.db: rows, lexemes, the share of rows with a
// stress mark, and how its ё table behaves (rows whose ё spelling is no
// form of the dictionary, rows whose е spelling is a form of its own).
void ReportDictionary(const QString &path, const ReportLine &say);

// How many lexemes show another form in some cell of their tables in the
// dictionary at path than in the one at oldPath (lexemes matched by lemma
// and tags), with a few examples.
void ReportChangedWinners(const QString &path, const QString &oldPath, const ReportLine &say);

}  // namespace tornelis::formsdb
