#pragma once

#include "absent_forms.h"
#include "corpus_tag_counts.h"
#include "opencorpora.h"
#include "stress_dictionary.h"
#include "yo_list.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace tornelis::formsdb {

struct BuildSources {
    const OpenCorpora &corpus;
    std::vector<SourceLexeme> lexemes;  // the lexemes to write, all of words.dawg or a few
    const StressDictionary &stress;
    QList<EyoWord> safeYo;
    QList<EyoWord> notSafeYo;
    const CorpusTagCounts *tagCounts = nullptr;  // orders the lexemes of a rank; none keeps the source order
    SourceLemmas lemmas;                          // of the whole source, for the rules on absent forms
};

struct BuildReport {
    qint64 lexemes = 0;
    qint64 rows = 0;
    qint64 accentedRows = 0;
    qint64 yoRows = 0;
    QStringList ruleCounts;  // what each correcting rule did, one line each
};

using ProgressReporter = std::function<void(const QString &line)>;

// Writes forms.db at target from the sources; throws std::runtime_error (or
// DatabaseError) and leaves whatever was at target untouched on failure.
BuildReport BuildFormsDb(const BuildSources &sources, const QString &target, const ProgressReporter &progress);

}  // namespace tornelis::formsdb
