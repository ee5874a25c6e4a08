#pragma once

#include "absent_forms.h"
#include "lexeme_split.h"
#include "page_form_stress.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace tornelis::formsdb {

// How many forms each correction changed, over a whole build.
struct StressCorrectionCounts {
    qint64 yoCarriesStress = 0;
    qint64 aninPlural = 0;
    qint64 vyPerfective = 0;
    qint64 table = 0;
    qint64 spelling = 0;
    qint64 twoStresses = 0;  // settled by SettleTwoStresses
    qint64 predicted = 0;    // predicted for running text by PredictedAccents
    PageFormStressCounts pageForms;
    AbsentFormCounts absentForms;

    QStringList Lines() const;
};

// Mends the forms of one lexeme that the source spells wrong (равён: равен);
// before the accents are looked up, which then find the right spelling.
void CorrectSpelling(BuiltLexeme &lexeme, const QStringList &tags, const QString &sourceLemma,
                     StressCorrectionCounts &counts);

// Mends known systematic errors of the stress source in the accents of one
// lexeme (accents[i] belongs to lexeme.forms[i]); sourceLemma is the lemma
// of the lexeme it was split from (the infinitive of a participle).
void CorrectAccents(const BuiltLexeme &lexeme, const QStringList &tags, const QString &sourceLemma,
                    std::vector<int> &accents, StressCorrectionCounts &counts);

}  // namespace tornelis::formsdb
