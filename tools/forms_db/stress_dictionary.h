#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace tornelis::formsdb {

// Stress positions of word forms from forms-stress.tsv.gz (forms with one
// stress whatever the reading) and forms-stress-ambiguous.tsv.gz (forms whose
// stress depends on the reading).
class StressDictionary {
public:
    // Reads both files from dir; throws std::runtime_error on an unreadable
    // or malformed file.
    static StressDictionary Load(const QString &dir);

    bool isEmpty() const { return unique_.isEmpty() && ambiguous_.isEmpty(); }
    qsizetype size() const { return unique_.size() + ambiguous_.size(); }

    // The stresses the files give form in the reading named by its
    // OpenCorpora tags and lemma candidates: one when they settle it, none
    // when they do not hold the form, several when the reading has several
    // (or the files cannot tell its readings apart).
    QList<int> Lookup(const QString &form, const QString &tags, const QStringList &lemmas) const;

    // Calls visit(form, accent) for every form of the list of forms with one stress.
    template <typename Visit>
    void ForEachUnique(Visit visit) const
    {
        for (auto it = unique_.cbegin(); it != unique_.cend(); ++it)
            visit(it.key(), int(it.value()));
    }

    void AddUnique(const QString &form, int accent) { unique_.insert(form, qint8(accent)); }
    void AddReading(const QString &form, const QString &lemma, const QString &giellaTags, int accent);

private:
    struct Reading {
        QString lemma;
        QStringList tags;
        int accent;
    };

    QHash<QString, qint8> unique_;
    QHash<QString, QList<Reading>> ambiguous_;
};

// The accent of a form: the stress the files list when they list one; else
// 0 for a form with "ё" (it carries the stress), 1 for a form with exactly
// one stress vowel, and 0 (no mark) for anything else.
int ResolveAccent(const QList<int> &listed, const QString &form);

}  // namespace tornelis::formsdb
