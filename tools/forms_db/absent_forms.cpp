#include "absent_forms.h"

#include "engine/other_forms.h"

#include <QRegularExpression>

#include <algorithm>

namespace tornelis::formsdb {
namespace {

enum class Absent { None, Short, ShortAndComparative, Comparative };

struct ListedAdjective {
    const char16_t *lemma;
    Absent absent;
};

constexpr ListedAdjective kListed[] = {
    {u"прошлый", Absent::ShortAndComparative},     {u"чужой", Absent::ShortAndComparative},
    {u"собственный", Absent::ShortAndComparative}, {u"лошадиный", Absent::ShortAndComparative},
    {u"должный", Absent::Comparative},
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

// What the lexeme has none of, and the count its forms left out go to.
std::pair<Absent, qint64 *> AbsentOf(const BuiltLexeme &lexeme, const QStringList &tags, const QString &sourceLemma,
                                     AbsentFormCounts &counts)
{
    for (const ListedAdjective &listed : kListed) {
        if (sourceLemma == QStringView(listed.lemma))
            return {listed.absent, &counts.listed};
    }
    const QString &lemma = lexeme.forms[lexeme.lemmaIndex].word;
    if (IsParticipial(lemma, tags.at(qsizetype(lexeme.lemmaIndex))))
        return {Absent::ShortAndComparative, &counts.participial};
    const bool hasShort = std::any_of(tags.begin(), tags.end(), IsShort);
    const bool hasMasculineShort = std::any_of(tags.begin(), tags.end(), [](const QString &formTags) {
        return IsShort(formTags) && HasGrammeme(formTags, u"masc");
    });
    if (hasShort && !hasMasculineShort)
        return {Absent::Short, &counts.noMasculineShort};
    return {Absent::None, nullptr};
}

}  // namespace

QStringList AbsentFormCounts::Lines() const
{
    return {QStringLiteral("forms left out: short forms without a masculine: %1").arg(noMasculineShort),
            QStringLiteral("forms left out: short forms and comparatives of participial adjectives: %1").arg(participial),
            QStringLiteral("forms left out: short forms and comparatives of listed adjectives: %1").arg(listed),
            QStringLiteral("forms left out: single forms that are no words: %1").arg(noWords),
            QStringLiteral("forms added: everyday forms the source lacks: %1").arg(added)};
}

void DropAbsentForms(BuiltLexeme &lexeme, QStringList &tags, const QString &sourceLemma, AbsentFormCounts &counts)
{
    const auto noWord = [&sourceLemma](const QString &word) {
        return std::any_of(std::begin(kNoWords), std::end(kNoWords), [&](const NoWord &listed) {
            return sourceLemma == QStringView(listed.sourceLemma) && word == QStringView(listed.word);
        });
    };
    // Not a structured binding: clang 14 lets no lambda capture one.
    const std::pair<Absent, qint64 *> found = AbsentOf(lexeme, tags, sourceLemma, counts);
    const Absent absent = found.first;
    qint64 *const count = found.second;
    if (absent == Absent::None && !std::any_of(lexeme.forms.begin(), lexeme.forms.end(),
                                               [&](const SourceForm &form) { return noWord(form.word); }))
        return;
    const auto leftOut = [absent](const QString &formTags) {
        const bool shortForm = IsShort(formTags) && (absent == Absent::Short || absent == Absent::ShortAndComparative);
        const bool comparative =
            IsComparative(formTags) && (absent == Absent::Comparative || absent == Absent::ShortAndComparative);
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
        if (i != lexeme.lemmaIndex && leftOut(formTags)) {
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
