#include "textmode/stress_choice.h"

#include <algorithm>

namespace tornelis {
namespace {

// Lexemes a writer seldom means where another lexeme is spelled alike, and
// which the corpus counts cannot tell. Each was read on every occurrence of
// its words in Debian's fortunes and manual pages (1,982 стро́чная, 264 по́ле,
// 160 ни́же...), and not one meant it.
struct SeldomMeantLexeme {
    const char16_t *lemma;
    quint32 grammemes;  // every one of them
};

constexpr SeldomMeantLexeme kSeldomMeant[] = {
    {u"строчной", kAdjective},  // строчна́я "of stitching", beside стро́чная (буква)
    {u"ниже", kConjunction},    // the old conjunction ниже́ "nor even", beside ни́же
    {u"втора", kNoun},          // вто́рой, of втора "second voice", beside второ́й
    {u"помять", kVerbForm},     // помни́(те) "crumple", beside по́мни(те) "remember"
    {u"пола", kNoun},           // поле́, of пола "coat-tail", beside по́ле
    {u"выводить", kVerbForm | kPerfective},  // вы́водит "breeds to the end", beside выво́дит
    {u"выходить", kVerbForm | kPerfective},  // вы́ходит "nurses back", beside выхо́дит
    {u"избегать", kVerbForm | kPerfective},  // избе́гать "run all over", beside избега́ть
    {u"вещий", kAdjective},                  // ве́щей "prophetic", beside веще́й
    {u"основный", kAdjective},               // осно́вной "basic" in chemistry, beside основно́й
    {u"нашить", kVerbForm},                  // the imperative наше́й "sew on", beside на́шей
    {u"порка", kNoun},                       // по́рок "of floggings", beside поро́к
    {u"меткий", kShortForm},                 // метка́ "well-aimed", beside ме́тка
    {u"полова", kNoun},                      // по́ловой "chaff", beside полово́й
    {u"половый", kAdjective},                // по́ловой "pale yellow", beside полово́й
    {u"отчий", kAdjective},                  // о́тчего "paternal", beside отчего́
    {u"хорошеть", kVerbForm},                // the imperative хороше́й, beside хоро́шей
    {u"домна", kNoun},                       // до́мен "of blast furnaces", beside доме́н
    {u"попадать", kVerbForm | kPerfective},  // попа́дает "fall one by one", beside попада́ет
    {u"выносить", kVerbForm | kPerfective},  // вы́носят "carry to term", beside выно́сят
    {u"пахнуть", kVerbForm | kPerfective},   // пахну́т "waft", beside па́хнут
    {u"запахнуть", kVerbForm},               // запа́х "began to smell", beside за́пах
    {u"купля", kNoun},                       // ку́плю "purchase", beside куплю́
    {u"колоть", kImperative | kSingular},    // коли́ "stab", beside ко́ли "if"
    {u"смести", kVerbForm},                  // смело́ "swept", beside сме́ло
};

}  // namespace

SeldomMeantLexemes::SeldomMeantLexemes(StressLookup &stress)
{
    for (const SeldomMeantLexeme &lexeme : kSeldomMeant)
        lexemes_.push_back({stress.LemmaId(QString::fromUtf16(lexeme.lemma)), lexeme.grammemes});
}

bool SeldomMeantLexemes::Contains(const StressReading &reading) const
{
    return std::any_of(lexemes_.cbegin(), lexemes_.cend(), [&reading](const Lexeme &lexeme) {
        return reading.lemma == lexeme.lemma && (reading.grammemes & lexeme.grammemes) == lexeme.grammemes;
    });
}

QList<StressReading> LikelyReadings(QList<StressReading> readings, WordCase wordCase, const SeldomMeantLexemes &seldom)
{
    if (wordCase == WordCase::Lower)
        KeepIfAny(readings, [](const StressReading &reading) { return !reading.properName; });
    else if (wordCase == WordCase::CapitalInSentence)
        KeepIfAny(readings, [](const StressReading &reading) { return reading.properName; });
    KeepIfAny(readings, [](const StressReading &reading) { return !reading.marked; });
    KeepIfAny(readings, [&seldom](const StressReading &reading) { return !seldom.Contains(reading); });
    return readings;
}

std::optional<int> AgreedAccent(const QList<StressReading> &readings)
{
    if (readings.isEmpty())
        return std::nullopt;
    const int accent = readings.front().accent;
    const bool agree = std::all_of(readings.cbegin(), readings.cend(),
                                   [accent](const StressReading &reading) { return reading.accent == accent; });
    return agree ? std::optional<int>(accent) : std::nullopt;
}

bool AllRare(const QList<StressReading> &readings, WordCase wordCase)
{
    const auto rare = [wordCase](const StressReading &reading) {
        return reading.marked || (wordCase == WordCase::Lower && reading.properName);
    };
    return !readings.isEmpty() && std::all_of(readings.cbegin(), readings.cend(), rare);
}

}  // namespace tornelis
