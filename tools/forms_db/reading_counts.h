#pragma once

#include "engine/sqlite_database.h"
#include "engine/tab_order.h"

#include <QHash>
#include <QList>
#include <QString>

namespace tornelis::formsdb {

// The table reading_counts: for each word (written with е) whose tabs a reader
// meets in another order than the lexeme numbers give, how often the corpus
// reads it as each of its lexemes, and the rank of that reading. The lexeme
// numbers follow the frequency of whole lexemes; a word of a large paradigm
// (конечно of конечный) may still be read mostly as a small one.
class ReadingCountTable {
public:
    // A preferred reading comes before every other of its rank.
    void Add(const QString &eWord, const LemmaReading &reading, bool preferred = false);

    // Writes the words whose order differs from the numbers; returns how many.
    qint64 Write(SqliteDatabase &database) const;

private:
    QHash<QString, QList<LemmaReading>> readings_;
    QHash<QString, QList<qint64>> preferred_;  // lemma ids, by word
};

// Everyday words the corpus does not count (уж, содержимое, плохо) or counts
// against what a reader means by the bare word (несколько, an adverb in nearly
// every sentence of the corpus; первого, seen once): the tags that open the reading a reader means
// first, or null for a word not listed.
const char *PreferredReadingOf(const QString &eWord);

}  // namespace tornelis::formsdb
