#pragma once

#include "lexeme_split.h"

#include <QSet>
#include <QString>
#include <QStringList>

namespace tornelis::formsdb {

// How many short forms and comparatives each rule of DropAbsentForms left out.
struct AbsentFormCounts {
    qint64 noMasculineShort = 0;
    qint64 participial = 0;
    qint64 listed = 0;
    qint64 relationalSuffix = 0;
    qint64 generatedComparative = 0;
    qint64 noWords = 0;
    qint64 added = 0;  // by AddMissingForms

    QStringList Lines() const;
};

// The lemmas of the whole source the rules look words up in: nouns (газ of
// газовый, важность of важный) and adverbs (плавно of плавной).
struct SourceLemmas {
    QSet<QString> nouns;
    QSet<QString> adverbs;

    static SourceLemmas Of(const OpenCorpora &corpus, const std::vector<SourceLexeme> &lexemes);
};

// Leaves out the short forms and comparatives the source gives adjectives
// that have none (последня, настоящ, прошл, подолжнее), by three rules:
// - short forms among which the masculine is missing are generated, not
//   used: последний (последня, последне, последни);
// - an adjective that was a participle (-щий, -вший: настоящий, будущий,
//   текущий) and is not marked qualitative has neither; присущий (присущ)
//   is the one that has;
// - relational adjectives by their suffix have neither: куриный, газовый
//   (газ), налоговый (налог), but not новый, готовый, толковый;
// - an adjective that has no short forms, is not marked qualitative and has
//   no adverb or noun of quality of its stem (лесной, сетевой, золотой) has
//   none of the comparatives the paradigm generates (леснее, полеснее), while
//   раньше of ранний stays;
// - a list of the rest: прошлый, чужой, собственный, the comparatives of
//   должный, подобный and указанный (their short forms должен, подобен,
//   указан are real), and the relational
//   adjectives of everyday text (системный, электронный, исходный).
// It also leaves out the few single forms listed as no words (ником of никто).
// tags[i] belongs to lexeme.forms[i]; both lose the forms left out.
void DropAbsentForms(BuiltLexeme &lexeme, QStringList &tags, const QString &sourceLemma, const SourceLemmas &lemmas,
                     AbsentFormCounts &counts);

}  // namespace tornelis::formsdb
