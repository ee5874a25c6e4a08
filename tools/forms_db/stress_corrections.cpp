#include "stress_corrections.h"

#include "engine/other_forms.h"
#include "render/letters.h"
#include "render/stress.h"

namespace tornelis::formsdb {
namespace {

// Single forms whose stress the source gets wrong, each with its reason. A
// word ending in "*" stands for every form that begins so; a grammeme, when
// given, narrows the correction to the forms that have it.
struct TableCorrection {
    const char16_t *sourceLemma;
    const char16_t *word;
    const char *partOfSpeech;
    int accent;
    const char16_t *grammeme = nullptr;
};

// Forms the source spells wrong: a word ending in "*" mends the beginning of
// every form that begins so.
struct SpellingCorrection {
    const char16_t *sourceLemma;
    const char *partOfSpeech;
    const char16_t *written;
    const char16_t *right;
};

constexpr SpellingCorrection kSpellings[] = {
    // The short masculine and the comparative are written with е: ра́вен, бо́лен, ле́гче.
    {u"равный", "ADJS", u"равён", u"равен"},
    {u"больной", "ADJS", u"болён", u"болен"},
    {u"лёгкий", "COMP", u"лёгче", u"легче"},
    // The по- comparative keeps the spelling of the bare one: поле́гче.
    {u"лёгкий", "COMP", u"полёгче", u"полегче"},
    // лёт keeps its ё in every case: лёта, лёту, лётом.
    {u"лёт", "NOUN", u"лет*", u"лёт"},
};

bool Matches(const QString &word, QStringView pattern)
{
    return pattern.endsWith(u'*') ? word.startsWith(pattern.chopped(1)) : word == pattern;
}

constexpr TableCorrection kTable[] = {
    // должный in the sense "obliged" has the short forms of должен: должна́, должно́, должны́.
    {u"должный", u"должна", "ADJS", 2},
    {u"должный", u"должно", "ADJS", 2},
    {u"должный", u"должны", "ADJS", 2},
    // The short participle of дать is end-stressed: дана́, дано́, даны́.
    {u"дать", u"дана", "PRTS", 2},
    {u"дать", u"дано", "PRTS", 2},
    {u"дать", u"даны", "PRTS", 2},
    // пра́вый "right": the short feminine права́ (пра́ва is the homograph "rights").
    {u"правый", u"права", "ADJS", 2},
    // The country То́го, not the pronoun's того́.
    {u"того", u"того", "NOUN", 1},
    // The surname Поляко́в, not поля́ков, the genitive plural of поляк that
    // the lists give every form spelled so.
    {u"поляков", u"поляков*", "NOUN", 3, u"Surn"},
    // Likewise Жу́ков and Ко́тов, not жуко́в and кото́в of жук and кот.
    {u"жуков", u"жуков*", "NOUN", 1, u"Surn"},
    {u"котов", u"котов*", "NOUN", 1, u"Surn"},
    // The participle любимый is stressed as the adjective: люби́мый, люби́м.
    {u"любить", u"любим*", "PRTF", 2},
    {u"любить", u"любим*", "PRTS", 2},
    // родиться: родила́сь.
    {u"родиться", u"родилась", "VERB", 3},
    // Everyday forms the stress lists give two stresses in one reading, which
    // the lexeme's other forms do not settle: the lists merge homographs
    // (напи́сать, свойство́ "affinity") or list a variant (да́ло, ле́карство).
    // The standard stress: написа́л, сво́йство, дало́, лека́рство.
    {u"написать", u"написал*", "VERB", 3},
    {u"свойство", u"свойств*", "NOUN", 1},
    {u"дать", u"дало", "VERB", 2},
    {u"лекарство", u"лекарств*", "NOUN", 2},
    // The adverb and preposition ни́же; the source gives them the stress of
    // the old conjunction ниже́ ("nor even").
    {u"ниже", u"ниже", "ADVB", 1},
    {u"ниже", u"ниже", "PREP", 1},
    // пора́ "time" and деньга́: the lists merge пора́ with по́ра "pore" and lack
    // деньга́'s singular. Its genitive деньги́ keeps the stress of the plural
    // де́ньги: marked apart, it would leave the everyday де́ньги of running
    // text unmarked.
    {u"пора", u"пора", "NOUN", 2},
    {u"пора", u"поры", "NOUN", 2, u"sing"},
    {u"пора", u"поры", "NOUN", 1, u"plur"},
    {u"пора", u"поре", "NOUN", 2},
    {u"пора", u"порой", "NOUN", 2},
    {u"пора", u"порою", "NOUN", 2},
    {u"пора", u"порам*", "NOUN", 2},
    {u"пора", u"порах", "NOUN", 2},
    {u"деньга", u"деньга", "NOUN", 2},
    {u"деньга", u"деньге", "NOUN", 2},
    {u"деньга", u"деньгу", "NOUN", 2},
    {u"деньга", u"деньгой", "NOUN", 2},
    {u"деньга", u"деньгою", "NOUN", 2},
    // Everyday words the lists give two stresses (the second an old or
    // informal variant) or none: у́жин, пробе́л, пра́вильный; нужны́ beside the
    // old ну́жны, адресо́в beside the old а́дресов; the preposition пе́ред,
    // пе́редо, which the lists lack.
    {u"ужин", u"ужин*", "NOUN", 1},
    {u"пробел", u"пробел*", "NOUN", 2},
    {u"правильный", u"правильн*", "ADJ", 2},
    {u"нужный", u"нужны", "ADJS", 2},
    {u"адрес", u"адресов", "NOUN", 3},
    {u"перед", u"перед", "PREP", 1},
    {u"передо", u"передо", "PREP", 1},
    // More everyday words the lists give two stresses on every form; the
    // standard one: несмотря́, инду́стрия, тра́нспорт, ко́мплекс, and
    // плани́ровать "to plan" (планирова́ть is "to glide").
    {u"несмотря", u"несмотря", "PREP", 3},
    {u"индустрия", u"индустри*", "NOUN", 2},
    {u"транспорт", u"транспорт*", "NOUN", 1},
    {u"комплекс", u"комплекс*", "NOUN", 1},
    {u"планировать", u"планир*", "", 2},
    {u"планироваться", u"планир*", "", 2},
};

void Set(int &accent, int value, qint64 &count)
{
    if (accent != value) {
        accent = value;
        ++count;
    }
}

// ё always carries the stress of its word: a mark on the vowel right before
// it (жу́ёшь, ку́ём) is an error of the source. A mark after ё stays: the main
// stress of a compound (трёхто́мник).
void YoCarriesTheStress(const QString &word, int &accent, qint64 &count)
{
    const std::optional<qsizetype> marked = StressVowelIndex(word, accent);
    if (!marked)
        return;
    for (qsizetype i = *marked + 1; i < word.size(); ++i) {
        if (word.at(i) == u'ё') {
            Set(accent, 0, count);
            return;
        }
        if (IsSyllableVowel(word.at(i)))
            return;
    }
}

// Nouns in -анин/-янин keep the stress of their nominative plural in every
// plural case (гра́ждане, гра́ждан, гра́жданам), which the source misses.
void AninPlural(const BuiltLexeme &lexeme, const QStringList &tags, std::vector<int> &accents, qint64 &count)
{
    const QString &lemma = lexeme.forms[lexeme.lemmaIndex].word;
    if (!(lemma.endsWith(QStringView(u"анин")) || lemma.endsWith(QStringView(u"янин"))) ||
        !tags[lexeme.lemmaIndex].startsWith(QLatin1String("NOUN")))
        return;
    int plural = 0;
    for (std::size_t i = 0; i < accents.size() && plural == 0; ++i) {
        if (tags[i].contains(QLatin1String("plur,nomn")))
            plural = accents[i];
    }
    if (plural <= 0)
        return;
    for (std::size_t i = 0; i < accents.size(); ++i) {
        if (tags[i].contains(QLatin1String("plur")) && StressVowelIndex(lexeme.forms[i].word, plural))
            Set(accents[i], plural, count);
    }
}

// A perfective verb with the prefix вы- is stressed on вы- in every form
// (вы́несли, вы́несенный), participles included.
void VyPerfective(const BuiltLexeme &lexeme, const QStringList &tags, const QString &sourceLemma,
                  std::vector<int> &accents, qint64 &count)
{
    if (!sourceLemma.startsWith(QStringView(u"вы")))
        return;
    // Only verbs and participles have an aspect.
    for (std::size_t i = 0; i < accents.size(); ++i) {
        if (tags[i].contains(QLatin1String("perf")) && lexeme.forms[i].word.startsWith(QStringView(u"вы")))
            Set(accents[i], 1, count);
    }
}

}  // namespace

void CorrectSpelling(BuiltLexeme &lexeme, const QStringList &tags, const QString &sourceLemma,
                     StressCorrectionCounts &counts)
{
    for (const SpellingCorrection &correction : kSpellings) {
        if (sourceLemma != QStringView(correction.sourceLemma))
            continue;
        const QStringView written(correction.written);
        for (std::size_t i = 0; i < lexeme.forms.size(); ++i) {
            QString &word = lexeme.forms[i].word;
            if (!Matches(word, written) || !tags[qsizetype(i)].startsWith(QLatin1String(correction.partOfSpeech)))
                continue;
            const qsizetype replaced = written.endsWith(u'*') ? written.size() - 1 : word.size();
            const QString right = QString::fromUtf16(correction.right) + word.sliced(replaced);
            if (right != word) {
                word = right;
                ++counts.spelling;
            }
        }
    }
}

QStringList StressCorrectionCounts::Lines() const
{
    return QStringList{QStringLiteral("stress: ё carries the stress, marks removed: %1").arg(yoCarriesStress),
            QStringLiteral("stress: -анин/-янин plurals, forms changed: %1").arg(aninPlural),
            QStringLiteral("stress: perfective вы- verbs, forms changed: %1").arg(vyPerfective),
            QStringLiteral("stress: single corrections, forms changed: %1").arg(table),
            QStringLiteral("spelling: single corrections, forms changed: %1").arg(spelling),
            QStringLiteral("stress: one of two stresses kept by the lexeme's other forms: %1").arg(twoStresses),
            QStringLiteral("stress predicted from the lexeme's other forms, for running text: %1").arg(predicted)} +
           pageForms.Lines() + absentForms.Lines();
}

void CorrectAccents(const BuiltLexeme &lexeme, const QStringList &tags, const QString &sourceLemma,
                    std::vector<int> &accents, StressCorrectionCounts &counts)
{
    for (std::size_t i = 0; i < accents.size(); ++i) {
        if (lexeme.forms[i].word.contains(u'ё'))
            YoCarriesTheStress(lexeme.forms[i].word, accents[i], counts.yoCarriesStress);
    }
    AninPlural(lexeme, tags, accents, counts.aninPlural);
    VyPerfective(lexeme, tags, sourceLemma, accents, counts.vyPerfective);
    for (const TableCorrection &correction : kTable) {
        if (sourceLemma != QStringView(correction.sourceLemma))
            continue;
        for (std::size_t i = 0; i < accents.size(); ++i) {
            if (Matches(lexeme.forms[i].word, correction.word) &&
                tags[i].startsWith(QLatin1String(correction.partOfSpeech)) &&
                (!correction.grammeme || HasGrammeme(tags[i], QStringView(correction.grammeme))))
                Set(accents[i], correction.accent, counts.table);
        }
    }
}

}  // namespace tornelis::formsdb
