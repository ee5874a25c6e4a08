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

// The dictionary's forms as the ё rules see them: every form, and the forms
// of common words (lexemes that are no proper names).
class DictionaryForms {
public:
    void Add(const QString &word, const QString &tags);
    const QSet<QString> &all() const { return all_; }
    bool IsCommonForm(const QString &word) const { return common_.contains(word); }

private:
    QSet<QString> all_;
    QSet<QString> common_;
};

// Rows dropped by each rule of the yo table.
struct YoDrops {
    qint64 yoSpellingNoForm = 0;    // the ё spelling is no form of the dictionary
    qint64 eSpellingCommonForm = 0; // the е spelling is a form of a common word
};

// The rows of the yo table, one per spelling with "е", first wins: the safe
// list (a lower-case entry also capitalised unless lower-case only), then the
// dictionary's own forms with "ё". A row must lead to a word of the
// dictionary and never hide one: its ё spelling (in lower case) is a form;
// its е spelling is no form of a common word (a proper name only, as нее,
// keeps the row); never a word of the not-safe list. (The stress lists hold
// many е spellings too, but nearly all of them are the ё words themselves,
// посе́лков: they are no reason to drop a row.)
class YoTableBuilder {
public:
    YoTableBuilder(const QList<EyoWord> &safe, const QList<EyoWord> &notSafe, const DictionaryForms &forms);

    void ForEachRow(const std::function<void(const QString &str, const QString &strYo)> &visit) const;
    qsizetype size() const { return rows_.size(); }
    const YoDrops &drops() const { return drops_; }

private:
    void Add(const QString &strYo);

    const DictionaryForms &forms_;
    QSet<QString> notSafe_;
    QSet<QString> seen_;
    QList<QPair<QString, QString>> rows_;
    YoDrops drops_;
};

}  // namespace tornelis::formsdb
