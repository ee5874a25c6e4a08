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
        {u"Fixd", kIndeclinable}, {u"CONJ", kConjunction}, {u"2per", kSecondPerson},
        {u"perf", kPerfective}, {u"INFN", kInfinitive},
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

// Keeps an answer for the words a text repeats (its authors' names among
// them), forgetting all once there are too many.
template <typename Value>
void Remember(QHash<QString, Value> &remembered, const QString &word, const Value &value)
{
    if (remembered.size() >= kRememberedWords)
        remembered.clear();
    remembered.insert(word, value);
}

}  // namespace

StressLookup::StressLookup(const QString &path)
    : path_(path)
{
    OnDictionary(path_, [&] {
        database_ = SqliteDatabase(path, SqliteDatabase::Mode::ReadOnly);
        // Running text also takes the stress predicted for the forms the lists
        // say nothing of, where the dictionary carries it.
        accents_ = std::make_unique<SqliteStatement>(
            database_, HasTable(QStringLiteral("predicted_stress"))
                           ? QStringLiteral("select case when v.accent = 0 then coalesce(p.accent, 0) else v.accent end,"
                                            " v.prop, v.initform_id, lemma.word from forms_view v"
                                            " join forms lemma on lemma.id = v.initform_id"
                                            " left join predicted_stress p on p.form_id = v.id where v.word = ?")
                           : QStringLiteral("select v.accent, v.prop, v.initform_id, lemma.word from forms_view v"
                                            " join forms lemma on lemma.id = v.initform_id where v.word = ?"));
        yo_ = std::make_unique<SqliteStatement>(database_, QStringLiteral("select str_yo from yo where str = ?"));
        SqliteStatement hasCounts(database_, QStringLiteral("select 1 from sqlite_master where name = 'corpus_counts'"));
        if (hasCounts.step()) {
            corpusCounts_ = std::make_unique<SqliteStatement>(
                database_, QStringLiteral("select t.prop, c.count from corpus_counts c join tags t on t.id = c.tag_id"
                                          " where c.word = ?"));
        }
        if (HasTable(QStringLiteral("yo_spellings")))
            yoSpellings_ = std::make_unique<SqliteStatement>(database_, QStringLiteral("select str_yo from yo_spellings where str = ?"));
        if (HasTable(QStringLiteral("listed_stress")))
            listed_ = std::make_unique<SqliteStatement>(database_, QStringLiteral("select accent from listed_stress where word = ?"));
    });
}

StressLookup::~StressLookup() = default;

bool StressLookup::HasTable(const QString &name)
{
    SqliteStatement query(database_, QStringLiteral("select 1 from sqlite_master where type = 'table' and name = ?"));
    query.bindText(1, name);
    return query.step();
}

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
    kind.tag = int(kinds_.size());
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
        QList<QPair<QString, StressReading>> tagged;
        while (accents_->step()) {
            const QString tags = accents_->columnText(1);
            StressReading reading = KindOf(tags);
            reading.accent = std::max(0, accents_->columnInt(0));
            reading.lexeme = accents_->columnInt(2);
            reading.lemma = LemmaId(accents_->columnText(3));
            tagged.append({tags, reading});
        }
        if (corpusCounts_ && !tagged.isEmpty())
            AddCorpusCounts(lowerCaseForm, tagged);
        QList<StressReading> readings;
        readings.reserve(tagged.size());
        for (const auto &[tags, reading] : std::as_const(tagged))
            readings.append(reading);
        return readings;
    });
    Remember(remembered_, lowerCaseForm, result);
    return result;
}

int StressLookup::LemmaId(const QString &lemma)
{
    const auto found = lemmaIds_.constFind(lemma);
    return found != lemmaIds_.cend() ? *found : *lemmaIds_.insert(lemma, int(lemmaIds_.size()));
}

// The corpus spells the word with е, and counts each tag of it; a tag it
// never met counts 0, where it met the word at all.
void StressLookup::AddCorpusCounts(const QString &lowerCaseForm, QList<QPair<QString, StressReading>> &readings)
{
    QString eWord = lowerCaseForm;
    eWord.replace(u'ё', u'е');
    corpusCounts_->reset();
    corpusCounts_->bindText(1, eWord);
    QHash<QString, int> counts;
    while (corpusCounts_->step())
        counts.insert(corpusCounts_->columnText(0), corpusCounts_->columnInt(1));
    if (counts.isEmpty())
        return;
    for (auto &[tags, reading] : readings)
        reading.corpusCount = counts.value(tags);
}

int StressLookup::ListedAccent(const QString &lowerCaseForm)
{
    if (!listed_)
        return 0;
    if (const auto found = listedRemembered_.constFind(lowerCaseForm); found != listedRemembered_.cend())
        return *found;
    const int accent = OnDictionary(path_, [&] {
        listed_->reset();
        listed_->bindText(1, lowerCaseForm);
        return listed_->step() ? std::max(0, listed_->columnInt(0)) : 0;
    });
    Remember(listedRemembered_, lowerCaseForm, accent);
    return accent;
}

QStringList StressLookup::YoSpellings(const QString &form)
{
    if (!yoSpellings_)
        return {};
    if (const auto found = yoSpellingsRemembered_.constFind(form); found != yoSpellingsRemembered_.cend())
        return *found;
    const QStringList spellings = OnDictionary(path_, [&] {
        yoSpellings_->reset();
        yoSpellings_->bindText(1, form);
        QStringList found;
        while (yoSpellings_->step())
            found.append(yoSpellings_->columnText(0));
        return found;
    });
    Remember(yoSpellingsRemembered_, form, spellings);
    return spellings;
}

std::optional<QString> StressLookup::RestoredYo(const QString &form)
{
    if (const auto found = restoredRemembered_.constFind(form); found != restoredRemembered_.cend())
        return *found;
    const std::optional<QString> restored = OnDictionary(path_, [&]() -> std::optional<QString> {
        yo_->reset();
        yo_->bindText(1, form);
        // A row without its ё spelling restores nothing.
        const QString spelling = yo_->step() ? yo_->columnText(0) : QString();
        return spelling.isEmpty() ? std::nullopt : std::optional<QString>(spelling);
    });
    Remember(restoredRemembered_, form, restored);
    return restored;
}

}  // namespace tornelis
