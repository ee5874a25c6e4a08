#pragma once

#include "opencorpora.h"

#include <vector>

namespace tornelis::formsdb {

// A lexeme as it goes into forms.db: its forms in the order the statements
// are to deliver them, and which of them is the lemma row.
struct BuiltLexeme {
    std::vector<SourceForm> forms;
    std::size_t lemmaIndex = 0;
};

// Splits the forms of one source lexeme into lexemes that make good tables.
// A verb keeps its infinitive, finite forms and gerunds (lemma: the
// infinitive); a full participle keeps the short ones of its tense and voice;
// an adjective keeps its short forms and comparatives, while its superlatives,
// its наи- forms and the forms of an ordinal are lexemes of their own (lemma:
// the nominative masculine singular, a full word before an abbreviation);
// everything else is split by the lexeme group of its tags; the plural of
// деньга is деньги, a lexeme of its own.
// Within a lexeme finite verb forms come first and the infinitive last, a
// variant form comes before the standard form of the same cell, and of two
// forms alike the paradigm's first comes last, so that the table keeps the
// standard, usual form.
class LexemeSplitter {
public:
    LexemeSplitter(const QStringList &tags, const QStringList &prefixes);

    std::vector<BuiltLexeme> Split(const std::vector<SourceForm> &forms) const;

private:
    // What the split needs of each tag, worked out once per tag id.
    struct TagFacts {
        QString key;          // the lexeme a form with this tag joins (before the наи- rule)
        bool adjectival;      // ADJF, ADJS or COMP: the наи- forms go apart
        bool superlative;     // Supr
        bool lemmaCandidate;  // the row that names the lexeme
        bool abbreviation;    // Abbr: names the lexeme only when no full word can
        int deliveryRank;     // finite forms, gerunds, infinitive; variants before standard forms
        bool plural;          // plur in the form group
    };

    QString KeyOf(const SourceForm &form, const QString &sourceLemma) const;
    std::size_t LemmaOf(const std::vector<SourceForm> &forms, const std::vector<std::size_t> &members) const;

    std::vector<TagFacts> facts_;
    int superlativePrefixId_ = -1;
};

}  // namespace tornelis::formsdb
