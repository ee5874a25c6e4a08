#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace tornelis::formsdb {

// How often each reading of a word occurs in OpenCorpora's disambiguated
// corpus, from the az package's p_t_given_w.intdawg. The file keeps, for every
// word of the corpus that the dictionary reads more than one way, each tag's
// probability P(tag | word) as a millionth, truncated, after adding one to
// the count of every reading the dictionary gives the word (Laplace
// smoothing): the counts of the word are the smallest number of occurrences
// that gives those fractions.
class CorpusTagCounts {
public:
    struct Reading {
        int tagId;
        double count;  // occurrences of the word with this tag, the smoothing's one included
        // Without it: what the corpus saw. An indeclinable word's dozen cases
        // would otherwise outweigh its few real occurrences.
        double seen;
    };

    // Reads the file; tags gives the tag ids (a tag outside it is skipped). A
    // word whose occurrences cannot be worked out counts once.
    // Throws std::runtime_error when the file is missing or malformed.
    static CorpusTagCounts Load(const QString &path, const QStringList &tags);

    // The readings of word written with е for ё, as the corpus writes it.
    const QList<Reading> *Of(const QString &eWord) const;

    qsizetype wordCount() const { return readings_.size(); }

    // Every word the corpus has (written with е) and its readings.
    const QHash<QString, QList<Reading>> &all() const { return readings_; }

private:
    QHash<QString, QList<Reading>> readings_;
};

// The number of occurrences n whose fractions k/n, in millionths truncated,
// are the given values (within one millionth); 0 when no n up to a bound does.
int OccurrencesOf(const QList<quint32> &millionths);

}  // namespace tornelis::formsdb
