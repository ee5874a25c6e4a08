#include "absent_forms.h"

#include "engine/other_forms.h"

#include <QRegularExpression>

#include <algorithm>

namespace tornelis::formsdb {
namespace {

// GeneratedComparative: only the comparatives the paradigm makes of the
// stem (леснее, полеснее, лесней); раньше and старше stay.
enum class Absent { None, Short, ShortAndComparative, Comparative, GeneratedComparative };

struct ListedAdjective {
    const char16_t *lemma;
    Absent absent;
};

constexpr ListedAdjective kListed[] = {
    {u"прошлый", Absent::ShortAndComparative},     {u"чужой", Absent::ShortAndComparative},
    {u"собственный", Absent::ShortAndComparative}, {u"должный", Absent::Comparative},
    {u"подобный", Absent::Comparative},            {u"указанный", Absent::Comparative},
    // Relational adjectives of everyday text that no rule tells from
    // qualitative ones: each of the most frequent adjectives with short forms
    // was read, and these have none (электронен, системен, исходен).
    {u"заглавный", Absent::ShortAndComparative},   {u"системный", Absent::ShortAndComparative},
    {u"электронный", Absent::ShortAndComparative}, {u"переменный", Absent::ShortAndComparative},
    {u"справочный", Absent::ShortAndComparative},  {u"исходный", Absent::ShortAndComparative},
    {u"символьный", Absent::ShortAndComparative},  {u"шестнадцатеричный", Absent::ShortAndComparative},
    {u"восьмеричный", Absent::ShortAndComparative}, {u"десятичный", Absent::ShortAndComparative},
    {u"двоичный", Absent::ShortAndComparative},    {u"битный", Absent::ShortAndComparative},
    {u"начальный", Absent::ShortAndComparative},   {u"программный", Absent::ShortAndComparative},
    {u"командный", Absent::ShortAndComparative},   {u"печатный", Absent::ShortAndComparative},
    {u"юго-восточный", Absent::ShortAndComparative}, {u"заголовочный", Absent::ShortAndComparative},
    {u"одинарный", Absent::ShortAndComparative},   {u"любовный", Absent::ShortAndComparative},
    {u"внутренний", Absent::ShortAndComparative},  {u"общественный", Absent::ShortAndComparative},
    {u"дополнительный", Absent::ShortAndComparative}, {u"обратный", Absent::ShortAndComparative},
    // Qualitative adjectives the rules below would take for relational ones:
    // готов, толков, розов, роднее, деловее, ручнее are words.
    {u"новый", Absent::None},      {u"готовый", Absent::None},   {u"толковый", Absent::None},
    {u"бестолковый", Absent::None}, {u"ласковый", Absent::None}, {u"розовый", Absent::None},
    {u"лиловый", Absent::None},    {u"малиновый", Absent::None}, {u"сиреневый", Absent::None},
    {u"вишнёвый", Absent::None},   {u"бирюзовый", Absent::None}, {u"хреновый", Absent::None},
    {u"бредовый", Absent::None},   {u"фартовый", Absent::None},  {u"образцовый", Absent::None},
    {u"одинаковый", Absent::None}, {u"родной", Absent::None},    {u"деловой", Absent::None},
    {u"ручной", Absent::None},     {u"рисковой", Absent::None},  {u"рисковый", Absent::None},
    {u"продувной", Absent::None},  {u"соловый", Absent::None},
};

// Single forms of the source that are no words: the prepositional of никто
// is "ни о ком", which a cell of one word cannot show.
struct NoWord {
    const char16_t *sourceLemma;
    const char16_t *word;
};

constexpr NoWord kNoWords[] = {{u"никто", u"ником"}};

// Participles turned adjectives that do have short forms.
constexpr const char16_t *kParticipialWithShortForms[] = {u"присущий"};

bool IsShort(const QString &tags)
{
    return tags.startsWith(QLatin1String("ADJS"));
}

bool IsComparative(const QString &tags)
{
    return tags.startsWith(QLatin1String("COMP"));
}

bool IsParticipial(const QString &lemma, const QString &lemmaTags)
{
    static const QRegularExpression participleEnding(QStringLiteral("(ущий|ющий|ащий|ящий|вший)$"));
    if (!lemmaTags.startsWith(QLatin1String("ADJF")) || HasGrammeme(lemmaTags, u"Qual") ||
        !participleEnding.match(lemma).hasMatch())
        return false;
    return std::none_of(std::begin(kParticipialWithShortForms), std::end(kParticipialWithShortForms),
                        [&lemma](const char16_t *kept) { return lemma == QStringView(kept); });
}

// An adjective of a noun by a suffix that makes relational adjectives only:
// -иный of animals (куриный, лошадиный; not единый), and -овый, -евый, -ёвый
// on a noun of the source (газовый of газ, налоговый of налог, почтовый of
// почта, финансовый of финансы).
bool IsRelationalBySuffix(const QString &lemma, const SourceLemmas &lemmas)
{
    if (lemma.endsWith(u"иный"))
        return !lemma.endsWith(u"единый");
    static const QRegularExpression ofNoun(QStringLiteral("^(.{3,})[оеё]вый$"));
    const QRegularExpressionMatch match = ofNoun.match(lemma);
    if (!match.hasMatch())
        return false;
    const QString stem = match.captured(1);
    for (const QStringView ending : {u"", u"а", u"я", u"о", u"е", u"ь", u"й", u"ы", u"и"}) {
        if (lemmas.nouns.contains(stem + ending.toString()))
            return true;
    }
    return false;
}

// Does anything of the source show the adjective to be qualitative: an
// adverb (плавно) or a noun of quality (важность) of its stem?
bool HasQualityWords(const QString &lemma, const SourceLemmas &lemmas)
{
    const QString stem = lemma.chopped(2);
    return lemmas.adverbs.contains(stem + u'о') || lemmas.adverbs.contains(stem + u'е') ||
           lemmas.nouns.contains(stem + QStringLiteral("ость"));
}

// What the lexeme has none of, and the count its forms left out go to.
std::pair<Absent, qint64 *> AbsentOf(const BuiltLexeme &lexeme, const QStringList &tags, const QString &sourceLemma,
                                     const SourceLemmas &lemmas, AbsentFormCounts &counts)
{
    for (const ListedAdjective &listed : kListed) {
        if (sourceLemma == QStringView(listed.lemma))
            return {listed.absent, &counts.listed};
    }
    const QString &lemma = lexeme.forms[lexeme.lemmaIndex].word;
    const QString &lemmaTags = tags.at(qsizetype(lexeme.lemmaIndex));
    if (IsParticipial(lemma, lemmaTags))
        return {Absent::ShortAndComparative, &counts.participial};
    const bool hasShort = std::any_of(tags.begin(), tags.end(), IsShort);
    const bool hasMasculineShort = std::any_of(tags.begin(), tags.end(), [](const QString &formTags) {
        return IsShort(formTags) && HasGrammeme(formTags, u"masc");
    });
    if (hasShort && !hasMasculineShort)
        return {Absent::Short, &counts.noMasculineShort};
    if (!lemmaTags.startsWith(QLatin1String("ADJF")))
        return {Absent::None, nullptr};
    if (IsRelationalBySuffix(lemma, lemmas))
        return {Absent::ShortAndComparative, &counts.relationalSuffix};
    if (!hasShort && !HasGrammeme(lemmaTags, u"Qual") && !HasQualityWords(lemma, lemmas))
        return {Absent::GeneratedComparative, &counts.generatedComparative};
    return {Absent::None, nullptr};
}

// A comparative the paradigm makes of the stem: -ее, -ей, with or without по-.
bool IsGeneratedComparative(const QString &form, const QString &lemma)
{
    const QString stem = lemma.chopped(2);
    for (const QString &generated : {stem + QStringLiteral("ее"), stem + QStringLiteral("ей")}) {
        if (form == generated || form == QStringLiteral("по") + generated)
            return true;
    }
    return false;
}

}  // namespace

QStringList AbsentFormCounts::Lines() const
{
    return {QStringLiteral("forms left out: short forms without a masculine: %1").arg(noMasculineShort),
            QStringLiteral("forms left out: short forms and comparatives of participial adjectives: %1").arg(participial),
            QStringLiteral("forms left out: short forms and comparatives of listed adjectives: %1").arg(listed),
            QStringLiteral("forms left out: short forms and comparatives of relational suffixes: %1").arg(relationalSuffix),
            QStringLiteral("forms left out: generated comparatives of relational adjectives: %1").arg(generatedComparative),
            QStringLiteral("forms left out: single forms that are no words: %1").arg(noWords),
            QStringLiteral("forms added: everyday forms the source lacks: %1").arg(added)};
}

SourceLemmas SourceLemmas::Of(const OpenCorpora &corpus, const std::vector<SourceLexeme> &lexemes)
{
    SourceLemmas lemmas;
    for (const SourceLexeme &lexeme : lexemes) {
        const QString &tags = corpus.tags().at(corpus.paradigms()[lexeme.paradigmId].tagIds[0]);
        if (tags.startsWith(QLatin1String("NOUN")))
            lemmas.nouns.insert(lexeme.lemma);
        else if (tags.startsWith(QLatin1String("ADVB")))
            lemmas.adverbs.insert(lexeme.lemma);
    }
    return lemmas;
}

void DropAbsentForms(BuiltLexeme &lexeme, QStringList &tags, const QString &sourceLemma, const SourceLemmas &lemmas,
                     AbsentFormCounts &counts)
{
    const auto noWord = [&sourceLemma](const QString &word) {
        return std::any_of(std::begin(kNoWords), std::end(kNoWords), [&](const NoWord &listed) {
            return sourceLemma == QStringView(listed.sourceLemma) && word == QStringView(listed.word);
        });
    };
    // Not a structured binding: clang 14 lets no lambda capture one.
    const std::pair<Absent, qint64 *> found = AbsentOf(lexeme, tags, sourceLemma, lemmas, counts);
    const Absent absent = found.first;
    qint64 *const count = found.second;
    if (absent == Absent::None && !std::any_of(lexeme.forms.begin(), lexeme.forms.end(),
                                               [&](const SourceForm &form) { return noWord(form.word); }))
        return;
    const QString lemma = lexeme.forms[lexeme.lemmaIndex].word;
    const auto leftOut = [absent, &lemma](const SourceForm &form, const QString &formTags) {
        const bool shortForm = IsShort(formTags) && (absent == Absent::Short || absent == Absent::ShortAndComparative);
        const bool comparative =
            IsComparative(formTags) &&
            (absent == Absent::Comparative || absent == Absent::ShortAndComparative ||
             (absent == Absent::GeneratedComparative && IsGeneratedComparative(form.word, lemma)));
        return shortForm || comparative;
    };
    BuiltLexeme kept;
    QStringList keptTags;
    for (std::size_t i = 0; i < lexeme.forms.size(); ++i) {
        const QString &formTags = tags.at(qsizetype(i));
        if (i != lexeme.lemmaIndex && noWord(lexeme.forms[i].word)) {
            ++counts.noWords;
            continue;
        }
        if (i != lexeme.lemmaIndex && leftOut(lexeme.forms[i], formTags)) {
            ++*count;
            continue;
        }
        if (i == lexeme.lemmaIndex)
            kept.lemmaIndex = kept.forms.size();
        kept.forms.push_back(lexeme.forms[i]);
        keptTags.append(formTags);
    }
    lexeme = std::move(kept);
    tags = std::move(keptTags);
}

}  // namespace tornelis::formsdb
