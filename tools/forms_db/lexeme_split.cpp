#include "lexeme_split.h"

#include <QHash>

#include <algorithm>

namespace tornelis::formsdb {
namespace {

const QString kSuperlativePrefix = QStringLiteral("наи");

QStringView PartOfSpeech(const QString &tag)
{
    return QStringView(tag).left(4);
}

QStringView LexemeGroup(const QString &tag)
{
    const qsizetype space = tag.indexOf(QLatin1Char(' '));
    return space < 0 ? QStringView(tag) : QStringView(tag).left(space);
}

bool IsVerbal(QStringView pos)
{
    return pos == u"INFN" || pos == u"VERB" || pos == u"GRND";
}

bool IsParticiple(QStringView pos)
{
    return pos == u"PRTF" || pos == u"PRTS";
}

bool IsAdjectival(QStringView pos)
{
    return pos == u"ADJF" || pos == u"ADJS" || pos == u"COMP";
}

QString FirstOf(const QString &tag, std::initializer_list<const char *> codes)
{
    for (const char *code : codes) {
        if (tag.contains(QLatin1String(code)))
            return QLatin1String(code);
    }
    return {};
}

bool IsVariant(const QString &tag)
{
    static const char *const markers[] = {"V-oy", "V-ey", "V-be", "V-en", "V-ie", "V-bi",
                                          "V-sh", "Infr", "Arch", "Litr", "Erro", "Dist"};
    return std::any_of(std::begin(markers), std::end(markers),
                       [&tag](const char *marker) { return tag.contains(QLatin1String(marker)); });
}

// Finite verb forms decide the conjugation page, so they come first; within
// each kind a variant form comes before the standard one.
int DeliveryRank(const QString &tag)
{
    const QStringView pos = PartOfSpeech(tag);
    const int kind = pos == u"GRND" ? 1 : pos == u"INFN" ? 2 : 0;
    return kind * 2 + (IsVariant(tag) ? 0 : 1);
}

QString BaseKey(const QString &tag)
{
    const QStringView pos = PartOfSpeech(tag);
    if (IsVerbal(pos))
        return QStringLiteral("verb");
    if (IsParticiple(pos))
        return QStringLiteral("participle ") + FirstOf(tag, {"pres", "past"}) + FirstOf(tag, {"actv", "pssv"});
    if (IsAdjectival(pos))
        return tag.contains(QLatin1String("Supr")) ? QStringLiteral("adjective Supr") : QStringLiteral("adjective");
    return LexemeGroup(tag).toString();
}

bool IsLemmaCandidate(const QString &tag)
{
    const QStringView pos = PartOfSpeech(tag);
    if (IsVerbal(pos))
        return pos == u"INFN";
    if (!IsParticiple(pos) && !IsAdjectival(pos))
        return false;
    const QString formGroup = tag.section(QLatin1Char(' '), 1, 1);
    return formGroup.contains(QLatin1String("masc")) && formGroup.contains(QLatin1String("sing")) &&
           formGroup.contains(QLatin1String("nomn"));
}

}  // namespace

LexemeSplitter::LexemeSplitter(const QStringList &tags, const QStringList &prefixes)
    : superlativePrefixId_(int(prefixes.indexOf(kSuperlativePrefix)))
{
    facts_.reserve(tags.size());
    for (const QString &tag : tags)
        facts_.push_back({BaseKey(tag), IsAdjectival(PartOfSpeech(tag)), IsLemmaCandidate(tag), DeliveryRank(tag)});
}

QString LexemeSplitter::KeyOf(const SourceForm &form) const
{
    const TagFacts &facts = facts_[form.tagId];
    if (facts.adjectival && form.prefixId == superlativePrefixId_)
        return QStringLiteral("adjective наи");
    return facts.key;
}

std::vector<BuiltLexeme> LexemeSplitter::Split(const std::vector<SourceForm> &forms) const
{
    QStringList keys;
    QHash<QString, std::vector<std::size_t>> members;
    for (std::size_t i = 0; i < forms.size(); ++i) {
        const QString key = KeyOf(forms[i]);
        if (!members.contains(key))
            keys.append(key);
        members[key].push_back(i);
    }

    std::vector<BuiltLexeme> lexemes;
    lexemes.reserve(keys.size());
    for (const QString &key : std::as_const(keys)) {
        std::vector<std::size_t> order = members.value(key);
        // The lemma row: the infinitive of a verb, the nominative masculine
        // singular of a participle or adjective, else the first form.
        const auto candidate = std::find_if(order.begin(), order.end(), [&](std::size_t member) {
            return facts_[forms[member].tagId].lemmaCandidate;
        });
        const std::size_t lemma = candidate != order.end() ? *candidate : order.front();
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return facts_[forms[a].tagId].deliveryRank < facts_[forms[b].tagId].deliveryRank;
        });
        BuiltLexeme lexeme;
        for (std::size_t member : order) {
            if (member == lemma)
                lexeme.lemmaIndex = lexeme.forms.size();
            lexeme.forms.push_back(forms[member]);
        }
        lexemes.push_back(std::move(lexeme));
    }
    return lexemes;
}

}  // namespace tornelis::formsdb
