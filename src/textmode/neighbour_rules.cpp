#include "textmode/neighbour_rules.h"

#include "textmode/stress_choice.h"

#include <QHash>

#include <algorithm>

namespace tornelis {
namespace {

// The cases each preposition governs (the rare ones left out: с неделю).
quint32 GovernedCases(const QString &preposition)
{
    static const QHash<QString, quint32> kGoverned = [] {
        QHash<QString, quint32> governed;
        for (const char16_t *word : {u"без", u"безо", u"для", u"до", u"из", u"изо", u"от", u"ото", u"у", u"около",
                                     u"после", u"кроме", u"среди", u"вокруг", u"возле", u"мимо", u"против", u"из-за",
                                     u"из-под", u"вместо", u"внутри", u"вне", u"позади", u"впереди", u"ради", u"сверх",
                                     u"накануне", u"вдоль", u"посреди", u"близ", u"вроде", u"насчёт", u"насчет"})
            governed.insert(QString::fromUtf16(word), kGenitive);
        for (const char16_t *word : {u"к", u"ко", u"благодаря", u"согласно", u"вопреки", u"навстречу"})
            governed.insert(QString::fromUtf16(word), kDative);
        for (const char16_t *word : {u"через", u"сквозь", u"про"})
            governed.insert(QString::fromUtf16(word), kAccusative);
        for (const char16_t *word : {u"над", u"надо", u"перед", u"передо", u"пред"})
            governed.insert(QString::fromUtf16(word), kInstrumental);
        for (const char16_t *word : {u"с", u"со", u"между", u"меж"})
            governed.insert(QString::fromUtf16(word), kGenitive | kInstrumental);
        for (const char16_t *word : {u"в", u"во", u"на", u"о", u"об", u"обо"})
            governed.insert(QString::fromUtf16(word), kAccusative | kLocative);
        for (const char16_t *word : {u"за", u"под", u"подо"})
            governed.insert(QString::fromUtf16(word), kAccusative | kInstrumental);
        governed.insert(QStringLiteral("при"), kLocative);
        governed.insert(QStringLiteral("по"), kDative | kAccusative);
        return governed;
    }();
    return kGoverned.value(preposition);
}

bool AnyHas(const QList<StressReading> &readings, quint32 grammemes)
{
    return std::any_of(readings.cbegin(), readings.cend(),
                       [grammemes](const StressReading &reading) { return reading.has(grammemes); });
}

// Does the word before inflect with the noun after it: is every reading an
// adjective (pronouns like этот included) or a full participle?
bool IsAgreeingWord(const QList<StressReading> &readings)
{
    return !readings.isEmpty() && std::all_of(readings.cbegin(), readings.cend(), [](const StressReading &reading) {
        return reading.has(kAdjective);
    });
}

// Does the word let a preposition before it govern the word after it: an
// adjective, which agrees with that word, or a possessive that does not
// decline (по их по́воду)? A declined pronoun may stand for a noun itself or
// start a clause (у того ру́ки, без которых стру́ны).
bool PassesPrepositionOn(const QList<StressReading> &readings)
{
    const auto indeclinablePronoun = [](const StressReading &reading) {
        return reading.has(kPronominal) && reading.has(kIndeclinable);
    };
    if (std::any_of(readings.cbegin(), readings.cend(), indeclinablePronoun))
        return true;
    return IsAgreeingWord(readings) && !AnyHas(readings, kPronominal);
}

// A pronoun may stand alone, before the predicate (тот вели́к, кто...), and
// so may an adjective in the nominative before a short one (высок, а
// тривиальный ни́зок).
bool PronounBeforePredicate(const WordBefore &before, const QList<StressReading> &readings)
{
    const auto predicate = [](const StressReading &reading) { return reading.grammaticalCase() == 0; };
    return (AnyHas(before.readings, kPronominal) && std::any_of(readings.cbegin(), readings.cend(), predicate)) ||
           (AnyHas(before.readings, kNominative) && AnyHas(readings, kShortForm));
}

bool SameGender(const StressReading &adjective, const StressReading &noun)
{
    if (noun.has(kCommonGender))
        return adjective.has(kMasculine | kFeminine);
    return (adjective.grammemes & noun.grammemes & (kMasculine | kFeminine | kNeuter)) != 0;
}

// An adjective agrees with a noun in case and number, in the singular in
// gender, and where its accusative tells animacy (православных земли́ is no
// accusative), in that too.
bool Agree(const StressReading &adjective, const StressReading &noun)
{
    const quint32 grammaticalCase = adjective.grammaticalCase();
    if (grammaticalCase == 0 || grammaticalCase != noun.grammaticalCase() || !noun.has(kNoun))
        return false;
    if ((adjective.has(kAnimate) && !noun.has(kAnimate)) || (adjective.has(kInanimate) && !noun.has(kInanimate)))
        return false;
    if (adjective.has(kPlural))
        return noun.has(kPlural);
    return noun.has(kSingular) && SameGender(adjective, noun);
}

// два, три, четыре, оба, полтора take the genitive singular in the
// nominative and the accusative: два ра́за.
bool TakesGenitiveSingular(const WordBefore &before)
{
    static const QStringList kWords = {QStringLiteral("два"), QStringLiteral("две"),     QStringLiteral("три"),
                                       QStringLiteral("четыре"), QStringLiteral("оба"), QStringLiteral("обе"),
                                       QStringLiteral("полтора"), QStringLiteral("полторы")};
    return kWords.contains(before.lower);
}

bool IsVerbForm(const StressReading &reading)
{
    return reading.has(kVerbForm);
}

// A present gerund beside a word of another part of speech is seldom
// meant: ка́кая of какать beside кака́я (a past one is common: поборо́в
// страсть). So is an imperative after a word that declines (свободного
// времени́ beside вре́мени); elsewhere it is common (не брани́, веди́ себя),
// and in -ей it stands beside a comparative the dictionary marks as a
// variant (сердцу милей).
void DropRareVerbForms(const WordBefore &before, const QString &lower, QList<StressReading> &readings)
{
    if (std::all_of(readings.cbegin(), readings.cend(), IsVerbForm))
        return;
    const bool declinedBefore =
        before.kind == WordBefore::Kind::Word && !lower.endsWith(u"ей") &&
        std::all_of(before.readings.cbegin(), before.readings.cend(),
                    [](const StressReading &reading) { return reading.grammaticalCase() != 0; });
    KeepIfAny(readings, [declinedBefore](const StressReading &reading) {
        return !reading.has(kPresentGerund) && !(declinedBefore && reading.has(kImperative));
    });
}

QList<StressReading> ByWordBefore(const WordBefore &before, QList<StressReading> readings)
{
    if (before.kind == WordBefore::Kind::Unknown)
        return readings;
    const bool word = before.kind == WordBefore::Kind::Word;
    if (const quint32 governed = word && AnyHas(before.readings, kPreposition) ? GovernedCases(before.lower) : 0) {
        KeepIfAny(readings, [governed](const StressReading &reading) { return reading.has(governed); });
        return readings;
    }
    if (word && before.governedThrough != 0) {
        KeepIfAny(readings, [&before](const StressReading &reading) { return reading.has(before.governedThrough); });
    } else if (!(word && AnyHas(before.readings, kLocative))) {
        // No preposition, and no word before that could stand in the locative itself.
        KeepIfAny(readings, [](const StressReading &reading) { return !reading.has(kLocative); });
    }
    if (word && TakesGenitiveSingular(before)) {
        KeepIfAny(readings, [](const StressReading &reading) {
            return reading.has(kGenitive) && reading.has(kSingular);
        });
    } else if (word && IsAgreeingWord(before.readings) && !PronounBeforePredicate(before, readings)) {
        KeepIfAny(readings, [&before](const StressReading &reading) {
            return std::any_of(before.readings.cbegin(), before.readings.cend(),
                               [&reading](const StressReading &adjective) { return Agree(adjective, reading); });
        });
    }
    return readings;
}

}  // namespace

WordBefore Following(const WordBefore &previous, WordBefore word)
{
    if (word.kind != WordBefore::Kind::Word || previous.kind != WordBefore::Kind::Word ||
        !PassesPrepositionOn(word.readings))
        return word;
    if (AnyHas(previous.readings, kPreposition))
        word.governedThrough = GovernedCases(previous.lower);
    else
        word.governedThrough = previous.governedThrough;
    return word;
}

QList<StressReading> ReadingsAfter(const WordBefore &before, const QString &lower, QList<StressReading> readings)
{
    readings = ByWordBefore(before, readings);
    DropRareVerbForms(before, lower, readings);
    return readings;
}

QList<StressReading> AsGenitiveAttribute(const WordBefore &before, QList<StressReading> readings)
{
    if (before.kind != WordBefore::Kind::Word || before.readings.isEmpty() || readings.isEmpty())
        return readings;
    // A noun that may stand only as subject or object: after one in another
    // case, a noun often starts the next part of the sentence (у слона
    // глаза́, в мире поезда́).
    const bool subjectOrObjectBefore =
        std::all_of(before.readings.cbegin(), before.readings.cend(), [](const StressReading &reading) {
            return reading.has(kNoun) && reading.has(kNominative | kAccusative);
        });
    // Case forms of one noun (ядра́, я́дра), not two lexemes' forms.
    const bool caseFormsOfOneNoun = std::all_of(readings.cbegin(), readings.cend(), [&](const StressReading &reading) {
        return reading.has(kNoun) && reading.lexeme == readings.front().lexeme;
    });
    if (subjectOrObjectBefore && caseFormsOfOneNoun)
        KeepIfAny(readings, [](const StressReading &reading) { return reading.has(kGenitive); });
    return readings;
}

}  // namespace tornelis
