#pragma once

#include "lexeme_split.h"

#include <QList>
#include <QSet>
#include <QStringList>

#include <vector>

namespace tornelis::formsdb {

// The spellings that forms of more than one source lexeme share: their
// stress in the lists may be another word's (бу́хло of бухнуть for the noun
// бухло́), so they cast no vote in PredictedAccents.
class SharedSpellings {
public:
    static SharedSpellings Of(const OpenCorpora &corpus, const std::vector<SourceLexeme> &lexemes);
    bool contains(const QString &spelling) const { return shared_.contains(spelling); }

private:
    QSet<QString> shared_;
};

// The stress of the forms the lists say nothing of, predicted from the
// lexeme's own stressed forms, for running text: a form takes the syllable,
// counted from the start or from the end, on which at least two other
// stressed forms of its group agree (ба́йтов beside ба́йты, ба́йтам;
// адреса́м beside адреса́, адресо́в; написа́ть beside написа́л). A verb's
// infinitive and past gerund group with its past. Forms whose stress
// commonly moves away from their group (a short or past feminine, a verb's
// first person singular, a noun's accusative singular), marked forms,
// names and their possessives, numerals and passive participles neither vote
// nor take a prediction; no form is stressed on an ending its spelling shows
// unstressed (-ый, -ий; -ем, -ев after ж, ш, ч, щ, ц); an
// infinitive or gerund not built on the past's stem takes none; a spelling
// another lexeme shares casts no vote; forms with ё or with two listed
// stresses, a perfective gerund in -я/-а and a second spelling of a cell
// whose other spelling is stressed take none; a group where one spelling
// has two stresses predicts nothing.
// listed[i] holds the stresses the lists give lexeme.forms[i]; returns, per
// form, the predicted accent, 0 where none is.
std::vector<int> PredictedAccents(const BuiltLexeme &lexeme, const QStringList &tags,
                                  const std::vector<QList<int>> &listed, const std::vector<int> &accents,
                                  const SharedSpellings &shared);

}  // namespace tornelis::formsdb
