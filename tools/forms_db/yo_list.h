#pragma once

#include <QList>
#include <QSet>
#include <QString>

#include <functional>

namespace tornelis::formsdb {

// One word of an eyo-kernel list, spelled with "ё".
struct EyoWord {
    QString word;
    bool lowerCaseOnly;  // the entry started with "_"
};

// The words of one list line: a stem with an optional trailing group of
// endings, "Алёш(|а|ам)"; an empty ending stands for the bare stem.
QList<EyoWord> ExpandEyoLine(const QString &line);

// All words of an eyo-kernel list file ("#" starts a comment); throws
// std::runtime_error when the file cannot be read.
QList<EyoWord> ReadEyoList(const QString &path);

// The word with every "ё" written as "е" (and "Ё" as "Е").
QString WithoutYo(const QString &word);

// The rows of the yo table, one per spelling with "е", first wins: the safe
// list (a lower-case entry also capitalised unless lower-case only), then the
// dictionary's own forms with "ё" whose "е" spelling is no dictionary form;
// never a word of the not-safe list.
class YoTableBuilder {
public:
    YoTableBuilder(const QList<EyoWord> &safe, const QList<EyoWord> &notSafe);

    void AddDictionaryForms(const QSet<QString> &forms);
    void ForEachRow(const std::function<void(const QString &str, const QString &strYo)> &visit) const;
    qsizetype size() const { return rows_.size(); }

private:
    void Add(const QString &strYo);

    QSet<QString> notSafe_;
    QSet<QString> seen_;
    QList<QPair<QString, QString>> rows_;
};

}  // namespace tornelis::formsdb
