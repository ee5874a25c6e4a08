#include "predicted_stress.h"

#include "engine/other_forms.h"
#include "render/letters.h"
#include "stress_groups.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace tornelis::formsdb {
namespace {

QString PredictionGroup(const QString &tags)
{
    const bool pastBase = tags.startsWith(QLatin1String("INFN")) ||
                          (tags.startsWith(QLatin1String("GRND")) && !HasGrammeme(tags, u"pres"));
    return pastBase ? QStringLiteral("VERB past") : StressGroup(tags);
}

bool StressMoves(const QString &tags)
{
    const bool shortFeminine = (tags.startsWith(QLatin1String("ADJS")) || tags.startsWith(QLatin1String("PRTS"))) &&
                               HasGrammeme(tags, u"femn");
    const bool pastFeminine = tags.startsWith(QLatin1String("VERB")) && HasGrammeme(tags, u"past") &&
                              HasGrammeme(tags, u"femn");
    return StandsApart(tags) || shortFeminine || pastFeminine;
}

// Names are left out: the lists often give a name the stress of a common
// word spelled alike (перова́ of a surname), which a prediction would spread.
// A passive participle's stress is no adjective's: пережи́тый, not пережиту́ю.
bool TakesPart(const QString &tags)
{
    return !StressMoves(tags) && !HasUsageMark(tags) && !HasGrammeme(tags, u"Abbr") &&
           !tags.contains(QLatin1String("V-")) &&
           !HasAnyGrammeme(tags, {u"Name", u"Surn", u"Patr", u"Geox", u"Orgn", u"Trad", u"Poss"}) &&
           !tags.startsWith(QLatin1String("NUMR")) &&
           !(tags.startsWith(QLatin1String("PRTF")) && HasGrammeme(tags, u"pssv"));
}

// The grammemes of a form's cell: its tags without usage marks and variant labels.
QString CellOf(const QString &tags)
{
    QStringList grammemes = tags.split(QRegularExpression(QStringLiteral("[ ,]")));
    grammemes.removeIf([](const QString &grammeme) {
        return grammeme.startsWith(QLatin1String("V-")) || HasUsageMark(grammeme);
    });
    return grammemes.join(u',');
}

// An infinitive or a gerund in -в, -вши takes the stress of the past only
// where it is built on the same stem as the past: написа́ть, написа́в beside
// написа́л; растере́ть beside растёр is left alone.
bool SharesThePastStem(const QString &form, const QString &tags, const BuiltLexeme &lexeme)
{
    if (!tags.startsWith(QLatin1String("INFN")) && !tags.startsWith(QLatin1String("GRND")))
        return true;
    static const QRegularExpression kEnding(QStringLiteral("(ть|ться|вшись|вши|в)$"));
    const QRegularExpressionMatch ending = kEnding.match(form);
    if (!ending.hasMatch())
        return false;
    const QString past = form.left(ending.capturedStart()) + u'л';
    return std::any_of(lexeme.forms.cbegin(), lexeme.forms.cend(), [&past](const SourceForm &other) { return other.word == past; });
}

// Endings the spelling shows unstressed. -ый and -ий: an adjective stressed
// on its ending ends in -о́й (многовеково́й), and the source's -ый spelling
// of it has a stress of its own.
// After ж, ш, ч, щ and ц a stressed ending is spelled with о (отцо́м,
// отцо́в), so a final -ем or -ев there is unstressed (па́льцем).
bool FallsOnUnstressableEnding(const QString &form, int syllable)
{
    if (syllable != SyllableCount(form))
        return false;
    if (form.endsWith(QStringView(u"ый")) || form.endsWith(QStringView(u"ий")))
        return true;
    static const QRegularExpression kUnstressedAfterHushing(QStringLiteral("[жшчщц]е[мв]$"));
    return kUnstressedAfterHushing.match(form).hasMatch();
}

// The stressed syllable of each distinct spelling of one group; empty when
// one spelling has two.
QHash<QString, int> KnownSyllables(const std::vector<std::size_t> &members, const BuiltLexeme &lexeme,
                                   const std::vector<int> &accents, const SharedSpellings &shared)
{
    QHash<QString, int> known;
    for (std::size_t i : members) {
        const QString &form = lexeme.forms[i].word;
        if ((accents[i] == 0 && !form.contains(u'ё')) || shared.contains(form))
            continue;
        const int syllable = StressedSyllable(form, accents[i]);
        if (syllable == 0)
            continue;
        if (const auto found = known.constFind(form); found != known.cend() && *found != syllable)
            return {};
        known.insert(form, syllable);
    }
    return known;
}

// The syllable every other known spelling puts the stress on, counted from
// the start or else from the end; 0 when fewer than two tell, or the two
// counts point at different syllables.
int AgreedSyllable(const QString &form, const QHash<QString, int> &known)
{
    QSet<int> fromStart;
    QSet<int> fromEnd;
    int others = 0;
    for (auto spelling = known.cbegin(); spelling != known.cend(); ++spelling) {
        if (spelling.key() == form)
            continue;
        ++others;
        fromStart.insert(spelling.value());
        fromEnd.insert(int(SyllableCount(spelling.key())) - spelling.value());
    }
    if (others < 2)
        return 0;
    const int syllables = int(SyllableCount(form));
    QSet<int> predictions;
    if (fromStart.size() == 1 && *fromStart.cbegin() <= syllables)
        predictions.insert(*fromStart.cbegin());
    if (fromEnd.size() == 1 && syllables - *fromEnd.cbegin() >= 1)
        predictions.insert(syllables - *fromEnd.cbegin());
    return predictions.size() == 1 ? *predictions.cbegin() : 0;
}

// уви́дя, сложа́: such a gerund takes the stress of the present stem more
// often than the past's, and neither tells it surely.
bool IsPerfectiveGerundInVowel(const QString &tags, const QString &form)
{
    if (!tags.startsWith(QLatin1String("GRND")) || HasGrammeme(tags, u"pres"))
        return false;
    const QString bare = form.endsWith(QStringView(u"сь")) ? form.chopped(2) : form;
    return bare.endsWith(u'я') || bare.endsWith(u'а');
}

// A second spelling of a cell whose other spelling has its stress, marked
// or not, is a variant that may be stressed otherwise: ма́ркера beside
// маркёра, ро́жек beside рожко́в, роддо́мы beside the informal роддома́.
bool SharesCellWithStressedForm(std::size_t index, const BuiltLexeme &lexeme, const QStringList &tags,
                                const std::vector<int> &accents)
{
    const QString cell = CellOf(tags.at(qsizetype(index)));
    for (std::size_t i = 0; i < accents.size(); ++i) {
        if (i != index && CellOf(tags.at(qsizetype(i))) == cell &&
            (accents[i] > 0 || lexeme.forms[i].word.contains(u'ё')))
            return true;
    }
    return false;
}

}  // namespace

SharedSpellings SharedSpellings::Of(const OpenCorpora &corpus, const std::vector<SourceLexeme> &lexemes)
{
    SharedSpellings spellings;
    QHash<QString, std::size_t> firstLexeme;
    for (std::size_t index = 0; index < lexemes.size(); ++index) {
        for (const SourceForm &form : corpus.Expand(lexemes[index])) {
            const auto found = firstLexeme.constFind(form.word);
            if (found == firstLexeme.cend())
                firstLexeme.insert(form.word, index);
            else if (*found != index)
                spellings.shared_.insert(form.word);
        }
    }
    return spellings;
}

std::vector<int> PredictedAccents(const BuiltLexeme &lexeme, const QStringList &tags,
                                  const std::vector<QList<int>> &listed, const std::vector<int> &accents,
                                  const SharedSpellings &shared)
{
    std::vector<int> predicted(accents.size(), 0);
    QHash<QString, std::vector<std::size_t>> groups;
    for (std::size_t i = 0; i < accents.size(); ++i) {
        const QString &tag = tags.at(qsizetype(i));
        if (TakesPart(tag))
            groups[PredictionGroup(tag)].push_back(i);
    }
    for (const std::vector<std::size_t> &members : std::as_const(groups)) {
        const QHash<QString, int> known = KnownSyllables(members, lexeme, accents, shared);
        for (std::size_t i : members) {
            const QString &form = lexeme.forms[i].word;
            if (accents[i] != 0 || !listed[i].isEmpty() || form.contains(u'ё') || SyllableCount(form) < 2 ||
                IsPerfectiveGerundInVowel(tags.at(qsizetype(i)), form) || !SharesThePastStem(form, tags.at(qsizetype(i)), lexeme) ||
                SharesCellWithStressedForm(i, lexeme, tags, accents))
                continue;
            if (const int syllable = AgreedSyllable(form, known); syllable > 0 && !FallsOnUnstressableEnding(form, syllable))
                predicted[i] = AccentOfSyllable(form, syllable);
        }
    }
    return predicted;
}

}  // namespace tornelis::formsdb
