#include "engine/stress_lookup.h"

#include "engine/dictionary_error.h"
#include "engine/other_forms.h"

namespace tornelis {
namespace {

constexpr qsizetype kRememberedWords = 1 << 18;

bool IsProperName(const QString &tags)
{
    return HasAnyGrammeme(tags, {u"Name", u"Surn", u"Patr", u"Geox", u"Orgn", u"Trad"});
}

// A usage mark, or a variant spelling (V-ey, V-oy, ...).
bool IsMarkedReading(const QString &tags)
{
    return HasUsageMark(tags) || tags.contains(QLatin1String("V-"));
}

quint32 GrammemeBits(const QString &tags)
{
    struct Bit {
        QStringView grammeme;
        quint32 bit;
    };
    static const Bit kBits[] = {
        {u"nomn", kNominative}, {u"gent", kGenitive},    {u"gen1", kGenitive},     {u"gen2", kGenitive},
        {u"datv", kDative},     {u"accs", kAccusative},  {u"acc2", kAccusative},   {u"ablt", kInstrumental},
        {u"loct", kLocative},   {u"loc1", kLocative},    {u"loc2", kLocative},     {u"NOUN", kNoun},
        {u"ADJF", kAdjective},  {u"PRTF", kAdjective | kVerbForm},                 {u"ADJS", kShortForm},
        {u"PRTS", kShortForm | kVerbForm},               {u"VERB", kVerbForm},     {u"INFN", kVerbForm},
        {u"GRND", kVerbForm},   {u"PREP", kPreposition}, {u"Apro", kPronominal},   {u"impr", kImperative},
        {u"sing", kSingular},   {u"plur", kPlural},      {u"masc", kMasculine},    {u"femn", kFeminine},
        {u"neut", kNeuter},     {u"Ms-f", kCommonGender}, {u"anim", kAnimate},     {u"inan", kInanimate},
        {u"Fixd", kIndeclinable},
    };
    quint32 bits = 0;
    for (const Bit &bit : kBits) {
        if (HasGrammeme(tags, bit.grammeme))
            bits |= bit.bit;
    }
    if (HasGrammeme(tags, u"GRND") && HasGrammeme(tags, u"pres"))
        bits |= kPresentGerund;
    return bits;
}

}  // namespace

StressLookup::StressLookup(const QString &path)
    : path_(path)
{
    OnDictionary(path_, [&] {
        database_ = SqliteDatabase(path, SqliteDatabase::Mode::ReadOnly);
        accents_ = std::make_unique<SqliteStatement>(database_, QStringLiteral("select accent, prop from forms_view where word = ?"));
        yo_ = std::make_unique<SqliteStatement>(database_, QStringLiteral("select str_yo from yo where str = ?"));
    });
}

StressLookup::~StressLookup() = default;

// What a tag string says of a reading, worked out once per tag string (the
// dictionary has a few thousand).
StressReading StressLookup::KindOf(const QString &tags)
{
    if (const auto found = kinds_.constFind(tags); found != kinds_.cend())
        return *found;
    StressReading kind;
    kind.properName = IsProperName(tags);
    kind.marked = IsMarkedReading(tags);
    kind.grammemes = GrammemeBits(tags);
    kinds_.insert(tags, kind);
    return kind;
}

QList<StressReading> StressLookup::Readings(const QString &lowerCaseForm)
{
    if (const auto found = remembered_.constFind(lowerCaseForm); found != remembered_.cend())
        return *found;
    const QList<StressReading> result = OnDictionary(path_, [&] {
        accents_->reset();
        accents_->bindText(1, lowerCaseForm);
        QList<StressReading> readings;
        while (accents_->step()) {
            StressReading reading = KindOf(accents_->columnText(1));
            reading.accent = std::max(0, accents_->columnInt(0));
            readings.append(reading);
        }
        return readings;
    });
    if (remembered_.size() >= kRememberedWords)
        remembered_.clear();
    remembered_.insert(lowerCaseForm, result);
    return result;
}

std::optional<QString> StressLookup::RestoredYo(const QString &form)
{
    return OnDictionary(path_, [&]() -> std::optional<QString> {
        yo_->reset();
        yo_->bindText(1, form);
        // A row without its ё spelling restores nothing.
        const QString restored = yo_->step() ? yo_->columnText(0) : QString();
        return restored.isEmpty() ? std::nullopt : std::optional<QString>(restored);
    });
}

}  // namespace tornelis
