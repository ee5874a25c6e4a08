#include "lexeme_split.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <optional>

namespace tornelis::formsdb {
namespace {

const QString kSuperlativePrefix = QStringLiteral("наи");
const QString kSuperlativeKey = QStringLiteral("adjective Supr");
const QString kSuperlativePrefixKey = QStringLiteral("adjective наи");
const QString kPluralApartKey = QStringLiteral(" plural apart");

// Nouns whose plural is a word of its own that everyday speech knows
// without the singular: де́ньги (деньга́ is an old coin). The plural is a
// lexeme of its own, named by its nominative and numbered first.
const QStringList kPluralApart{QStringLiteral("деньга")};

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

// The grammemes of the gramtab (grammemes.json) that mark a form as a
// variant or as outside the standard language: those whose short name starts
// with "*" (V-ey, V-oy, V-ej, V-be, V-en, V-ie, V-bi, V-sh, Fimp, Af-p), the
// usage marks (Infr, Slng, Arch, Litr, Erro, Dist), abbreviations, counting
// forms, comparatives on по- and preposition variants.
bool IsVariant(const QString &tag)
{
    static const char *const markers[] = {"V-",   "Fimp", "Af-p", "Infr", "Slng", "Arch", "Litr",
                                          "Erro", "Dist", "Abbr", "Coun", "Cmp2", "Vpre"};
    return std::any_of(std::begin(markers), std::end(markers),
                       [&tag](const char *marker) { return tag.contains(QLatin1String(marker)); });
}

// Finite verb forms decide the conjugation page, so they come first; within
// each kind a variant form comes before the standard one, so that a later
// row, which wins its cell, is the standard form.
int DeliveryRank(const QString &tag)
{
    const QStringView pos = PartOfSpeech(tag);
    const int kind = pos == u"GRND" ? 1 : pos == u"INFN" ? 2 : 0;
    return kind * 2 + (IsVariant(tag) ? 0 : 1);
}

// A lexeme group with its grammemes in one order: "Fixd,Abbr" and
// "Abbr,Fixd" are the same lexeme.
QString SortedGroup(QStringView group)
{
    QStringList codes = group.toString().split(QLatin1Char(','));
    std::sort(codes.begin() + 1, codes.end());  // the part of speech stays first
    return codes.join(QLatin1Char(','));
}

QString BaseKey(const QString &tag)
{
    const QStringView pos = PartOfSpeech(tag);
    if (IsVerbal(pos))
        return QStringLiteral("verb");
    if (IsParticiple(pos))
        return QStringLiteral("participle ") + FirstOf(tag, {"pres", "past"}) + FirstOf(tag, {"actv", "pssv"});
    if (IsAdjectival(pos)) {
        if (tag.contains(QLatin1String("Supr")))
            return kSuperlativeKey;
        // The source joins the ordinal первый (and 1-й) with один: an
        // ordinal adjective is a lexeme of its own.
        return tag.contains(QLatin1String("Anum")) ? QStringLiteral("adjective Anum") : QStringLiteral("adjective");
    }
    return SortedGroup(LexemeGroup(tag));
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

// Of two forms with the same tag the one first in the paradigm is the usual
// one (зубов, not зубьев; людям, not человекам): it goes last, so it wins its
// cell. Forms of other tags keep their places.
void ReverseFormsOfOneTag(const std::vector<SourceForm> &forms, std::vector<std::size_t> &order)
{
    QHash<std::uint16_t, std::vector<std::size_t>> placesOfTag;
    for (std::size_t place = 0; place < order.size(); ++place)
        placesOfTag[forms[order[place]].tagId].push_back(place);
    for (const std::vector<std::size_t> &places : std::as_const(placesOfTag)) {
        for (std::size_t i = 0, j = places.size() - 1; i < j; ++i, --j)
            std::swap(order[places[i]], order[places[j]]);
    }
}

}  // namespace

LexemeSplitter::LexemeSplitter(const QStringList &tags, const QStringList &prefixes)
    : superlativePrefixId_(int(prefixes.indexOf(kSuperlativePrefix)))
{
    facts_.reserve(tags.size());
    for (const QString &tag : tags)
        facts_.push_back({BaseKey(tag), IsAdjectival(PartOfSpeech(tag)), tag.contains(QLatin1String("Supr")),
                          IsLemmaCandidate(tag), tag.contains(QLatin1String("Abbr")), DeliveryRank(tag),
                          tag.section(QLatin1Char(' '), 1, 1).split(QLatin1Char(',')).contains(QLatin1String("plur"))});
}

// The lemma row: the infinitive of a verb, the nominative masculine singular
// of a participle or adjective, a full word before its abbreviation (первый,
// not 1-ый), else the first form.
std::size_t LexemeSplitter::LemmaOf(const std::vector<SourceForm> &forms,
                                    const std::vector<std::size_t> &members) const
{
    std::optional<std::size_t> abbreviation;
    for (std::size_t member : members) {
        const TagFacts &facts = facts_[forms[member].tagId];
        if (!facts.lemmaCandidate)
            continue;
        if (!facts.abbreviation)
            return member;
        if (!abbreviation)
            abbreviation = member;
    }
    return abbreviation.value_or(members.front());
}

QString LexemeSplitter::KeyOf(const SourceForm &form, const QString &sourceLemma) const
{
    const TagFacts &facts = facts_[form.tagId];
    // наи- comes as a prefix of the paradigm (наикрасивейший), or inside a
    // form of its own where the stem changes (хороший: лучший, наилучший).
    const bool superlativePrefix =
        form.prefixId == superlativePrefixId_ ||
        (facts.superlative && form.word.startsWith(kSuperlativePrefix) && !sourceLemma.startsWith(kSuperlativePrefix));
    if (facts.adjectival && superlativePrefix)
        return kSuperlativePrefixKey;
    return facts.key;
}

std::vector<BuiltLexeme> LexemeSplitter::Split(const std::vector<SourceForm> &forms) const
{
    std::vector<QString> keyOfForm;
    keyOfForm.reserve(forms.size());
    QSet<QString> superlatives;
    for (const SourceForm &form : forms) {
        keyOfForm.push_back(KeyOf(form, forms.front().word));
        if (keyOfForm.back() == kSuperlativeKey)
            superlatives.insert(form.word);
    }
    QStringList keys;
    QHash<QString, std::vector<std::size_t>> members;
    const bool pluralApart = kPluralApart.contains(forms.front().word);
    for (std::size_t i = 0; i < forms.size(); ++i) {
        QString key = keyOfForm[i];
        if (pluralApart && facts_[forms[i].tagId].plural)
            key += kPluralApartKey;
        // наилучший goes with лучший, apart from наихороший.
        if (key == kSuperlativePrefixKey && superlatives.contains(forms[i].word.mid(kSuperlativePrefix.size())))
            key += QStringLiteral(" Supr");
        if (!members.contains(key))
            keys.append(key);
        members[key].push_back(i);
    }

    std::stable_partition(keys.begin(), keys.end(), [](const QString &key) { return key.endsWith(kPluralApartKey); });
    std::vector<BuiltLexeme> lexemes;
    lexemes.reserve(keys.size());
    for (const QString &key : std::as_const(keys)) {
        std::vector<std::size_t> order = members.value(key);
        const std::size_t lemma = LemmaOf(forms, order);
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return facts_[forms[a].tagId].deliveryRank < facts_[forms[b].tagId].deliveryRank;
        });
        ReverseFormsOfOneTag(forms, order);
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
