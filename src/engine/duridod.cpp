#include "engine/duridod.h"

#include "engine/dictionary_error.h"
#include "engine/part_of_speech.h"
#include "engine/proper_names.h"
#include "engine/tab_order.h"
#include "engine/tag_facts.h"

#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <limits>

namespace tornelis {
namespace {

const QString kYoLookup = QStringLiteral("select str_yo from yo where str= :STR ");
const QString kLemmaSearch =
    QStringLiteral("select initform_id,prop from forms_view where word=:WORD group by initform_id;");
const QString kLemmaRow = QStringLiteral("select word,prop from forms_view where id=:ID;");
// Every ё spelling of the dictionary's forms; a dictionary without this table
// finds the word as typed only.
const QString kYoSpellings = QStringLiteral("select str_yo from yo_spellings where str=:STR;");
// How often a corpus reads a word as each of its lexemes, for the few
// hundred words whose tabs that orders otherwise than the lexeme numbers.
const QString kReadingCounts = QStringLiteral("select word,initform_id,rank,occurrences from reading_counts;");
const QString kTablesBeyondTheFour =
    QStringLiteral("select name from sqlite_master where type='table' and name in ('yo_spellings','reading_counts')");
// More rows than any real reading_counts holds: such a table is not one.
constexpr qsizetype kMostReadingCounts = 100000;
// No word of the real dictionary belongs to more than a few dozen lemmas; a
// lookup that finds more reads a damaged dictionary.
constexpr qsizetype kMostLemmaTabs = 500;
// Nor does any lemma come near these many forms, or this much text in them
// (forms, tags and cell texts, in characters): what one command may hold.
constexpr qsizetype kMostLexemeForms = 5000;
constexpr qsizetype kLongestLexemeText = 4 * 1024 * 1024;

// Far longer than any word of any dictionary. A word near SQLite's length
// limit could not even be bound, and the lookup would fail as if the
// dictionary were damaged: such a word is simply not in it.
constexpr qsizetype kLongestWord = 1000;

const QString kLexemeForms =
    QStringLiteral("select word,prop,accent from forms_view where initform_id=:ID;");

// The readings of each word the table lists, by the word written with е; none
// when the table cannot be read as one, so that the lexeme numbers order the tabs.
QHash<QString, QList<LemmaReading>> ReadReadingCounts(const SqliteDatabase &database)
{
    QHash<QString, QList<LemmaReading>> readings;
    try {
        SqliteStatement rows(database, kReadingCounts);
        qsizetype count = 0;
        while (rows.step()) {
            if (++count > kMostReadingCounts)
                return {};
            readings[rows.columnText(0)].append(
                {rows.columnText(1).toLongLong(), rows.columnInt(2), double(rows.columnInt(3)) / kOccurrenceUnits});
        }
    } catch (const DatabaseError &) {
        return {};
    }
    return readings;
}

// Puts a form into its cells on the selected page; returns those cells.
QList<CellPosition> PlaceRow(ParadigmTables &tables, const QString &cellText, const QString &tags, const TagFacts &facts)
{
    const bool conjugation = tables.page == ParadigmPage::Conjugation;
    ParadigmGrid &texts = conjugation ? tables.conjugation : tables.declension;
    ParadigmGrid &tagGrid = conjugation ? tables.conjugationTags : tables.declensionTags;
    const QList<CellPosition> &cells = conjugation ? facts.conjugationCells : facts.declensionCells;
    for (const CellPosition &cell : cells) {
        const CellContent merged =
            MergeIntoCell({texts.at(cell.column, cell.row), tagGrid.at(cell.column, cell.row)}, {cellText, tags});
        texts.set(cell.column, cell.row, merged.text);
        tagGrid.set(cell.column, cell.row, merged.tags);
    }
    return cells;
}

// A form as the dictionary delivered it, and the cells it went into.
struct DeliveredForm {
    QString word;
    OtherForm shown;
    QList<CellPosition> cells;
    bool listedOther;
};

// The forms whose cells (if any) now show another form: a later variant
// took the cell, or the table has none for them.
QList<OtherForm> FormsInNoCell(const QList<DeliveredForm> &delivered, const ParadigmGrid &page)
{
    QList<OtherForm> other;
    QSet<std::pair<std::pair<QString, QString>, bool>> listedOnce;  // text, tags and typed: what tells two apart
    for (const DeliveredForm &form : delivered) {
        if (!form.listedOther)
            continue;
        const bool inCell = std::any_of(form.cells.cbegin(), form.cells.cend(), [&](const CellPosition &cell) {
            return CellShows(page.at(cell.column, cell.row), form.shown.text);
        });
        if (inCell || listedOnce.contains({{form.shown.text, form.shown.tags}, form.shown.typed}))
            continue;
        listedOnce.insert({{form.shown.text, form.shown.tags}, form.shown.typed});
        other.append(form.shown);
    }
    std::stable_sort(other.begin(), other.end(),
                     [](const OtherForm &a, const OtherForm &b) { return a.group < b.group; });
    return other;
}

// The cells whose form is the typed one.
QList<CellPosition> TypedCells(const QList<DeliveredForm> &delivered, const ParadigmGrid &page)
{
    QList<CellPosition> cells;
    for (const DeliveredForm &form : delivered) {
        if (!form.shown.typed)
            continue;
        for (const CellPosition &cell : form.cells) {
            if (CellShows(page.at(cell.column, cell.row), form.shown.text) && !cells.contains(cell))
                cells.append(cell);
        }
    }
    return cells;
}

// Fills both tables with a lemma's forms, one delivered row at a time.
class TableFiller {
public:
    TableFiller(const RenderOptions &options, const TypedForm &typed, TagFactsCache &tagFacts)
        : options_(options)
        , typed_(typed)
        , tagFacts_(tagFacts)
    {
    }

    void Add(const QString &word, const QString &tags, int accent)
    {
        const TagFacts &facts = tagFacts_.Of(tags);
        if (!tables_.page)
            tables_.page = facts.verb ? ParadigmPage::Conjugation : ParadigmPage::Declension;
        RenderOptions formOptions = options_;
        formOptions.letterCase = LetterCaseOfForm(options_.letterCase, word, facts.name);
        const QString text =
            CapitalizeNameParts(RenderCell(word, accent, formOptions), formOptions.letterCase, word, facts.name);
        const QList<CellPosition> cells = PlaceRow(tables_, text, tags, facts);
        delivered_.append({word, {text, tags, facts.group, typed_.Matches(word)}, cells, facts.listedOther});
    }

    ParadigmTables Finish()
    {
        const bool conjugation = tables_.page == ParadigmPage::Conjugation;
        const ParadigmGrid &page = conjugation ? tables_.conjugation : tables_.declension;
        tables_.other = FormsInNoCell(delivered_, page);
        (conjugation ? tables_.conjugationTyped : tables_.declensionTyped) = TypedCells(delivered_, page);
        return tables_;
    }

private:
    const RenderOptions &options_;
    const TypedForm &typed_;
    TagFactsCache &tagFacts_;
    ParadigmTables tables_;
    QList<DeliveredForm> delivered_;
};

}  // namespace

DURIDOD::DURIDOD(ConnectionErrorReporter *reporter)
    : reporter_(reporter)
{
}

void DURIDOD::Connect(const QString &path)
{
    database_.close();
    Connected = false;
    statementFailed_ = false;
    hasYoSpellings_ = false;
    readingCounts_.clear();
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    Path = path;
    try {
        // Opening reads the schema: a file that is no database fails once,
        // here, instead of at every lookup.
        SqliteDatabase opened(Path, SqliteDatabase::Mode::ReadOnly);
        bool hasReadingCounts = false;
        {
            SqliteStatement tables(opened, kTablesBeyondTheFour);
            while (tables.step()) {
                const QString table = tables.columnText(0);
                hasYoSpellings_ = hasYoSpellings_ || table == QLatin1String("yo_spellings");
                hasReadingCounts = hasReadingCounts || table == QLatin1String("reading_counts");
            }
        }
        if (hasReadingCounts)
            readingCounts_ = ReadReadingCounts(opened);
        database_ = std::move(opened);
        Connected = true;
    } catch (const DatabaseError &) {
        if (reporter_)
            reporter_->ReportConnectionError(kConnectionErrorMessage);
    }
}

void DURIDOD::StartCommand()
{
    if (statementFailed_ && Connected)
        Connect(Path);
    database_.renewBudget();
}

template <typename Work>
auto DURIDOD::Checked(Work work) -> decltype(work())
{
    try {
        return OnDictionary(Path, work);
    } catch (const DatabaseError &) {
        statementFailed_ = true;
        throw;
    }
}

QString DURIDOD::RestoreYo(const QString &word)
{
    if (!Connected || word.size() > kLongestWord)
        return word;
    return Checked([&] {
        SqliteStatement statement(database_, kYoLookup, SqliteStatement::Lifetime::Connection);
        statement.bindText(":STR", word);
        // A row without its ё spelling restores nothing.
        const QString restored = statement.step() ? statement.columnText(0) : QString();
        return restored.isEmpty() ? word : restored;
    });
}

QStringList DURIDOD::YoSpellings(const QString &word)
{
    const QString lower = word.toLower();
    if (!Connected || !hasYoSpellings_ || lower.size() > kLongestWord || !lower.contains(u'е'))
        return {};
    return Checked([&] {
        SqliteStatement spellings(database_, kYoSpellings, SqliteStatement::Lifetime::Connection);
        spellings.bindText(":STR", lower);
        QStringList found;
        while (spellings.step() && found.size() <= kMostLemmaTabs)
            found.append(spellings.columnText(0));
        return found;
    });
}

QStringList DURIDOD::FindLemmas(const QString &word, const QStringList &alsoSpelled)
{
    LemmaIds.clear();
    predicted_.clear();
    if (!Connected)
        return {};
    if (word.size() > kLongestWord) {
        ++NotFoundCount;
        return {};
    }
    return Checked([&] {
        for (const QString &spelling : QStringList{word} + alsoSpelled) {
            SqliteStatement search(database_, kLemmaSearch, SqliteStatement::Lifetime::Connection);
            search.bindText(":WORD", spelling.toLower());
            while (search.step()) {
                const QString id = search.columnText(0);
                if (!LemmaIds.contains(id))
                    LemmaIds.append(id);
                if (LemmaIds.size() > kMostLemmaTabs)
                    throw DatabaseError(QStringLiteral("more lemmas than any word has"));
            }
        }
        OrderLemmaIds(word, !alsoSpelled.isEmpty());
        QStringList captions;
        if (LemmaIds.isEmpty()) {
            ++NotFoundCount;
            return captions;
        }
        // A lemma id without its own row gets no tab; it is dropped from
        // LemmaIds too, so that tab i always stands for entry i.
        QStringList shownIds;
        for (const QString &id : std::as_const(LemmaIds)) {
            SqliteStatement row(database_, kLemmaRow, SqliteStatement::Lifetime::Connection);
            row.bindText(":ID", id);
            if (!row.step())
                continue;
            const QString lemma = row.columnText(0);
            const QString tags = row.columnText(1);
            captions.append(CaptionedLemma(lemma, tags) + QStringLiteral(" (") + PartOfSpeechLabel(tags, lemma) +
                            QLatin1Char(')'));
            shownIds.append(id);
        }
        LemmaIds = shownIds;
        ++FoundCount;
        return captions;
    });
}

void DURIDOD::OrderLemmaIds(const QString &word, bool severalSpellings)
{
    const auto counted = readingCounts_.constFind(word.toLower().replace(u'ё', u'е'));
    const bool hasCounts = counted != readingCounts_.cend();
    if (LemmaIds.size() < 2 || (!hasCounts && !severalSpellings))
        return;
    // A lexeme the table leaves out of a word it lists comes after the others.
    QList<std::pair<LemmaReading, QString>> readings;
    for (const QString &id : std::as_const(LemmaIds)) {
        LemmaReading reading{id.toLongLong(), std::numeric_limits<int>::max(), 0};
        if (hasCounts) {
            const auto listed = std::find_if(counted->cbegin(), counted->cend(),
                                             [&](const LemmaReading &known) { return known.lemmaId == reading.lemmaId; });
            if (listed != counted->cend())
                reading = *listed;
        }
        readings.append({reading, id});
    }
    std::stable_sort(readings.begin(), readings.end(),
                     [](const auto &a, const auto &b) { return MetBefore(a.first, b.first); });
    LemmaIds.clear();
    for (const auto &reading : std::as_const(readings))
        LemmaIds.append(reading.second);
}

bool DURIDOD::Finds(const QString &word)
{
    if (!Connected || word.size() > kLongestWord)
        return false;
    return Checked([&] {
        SqliteStatement search(database_, kLemmaSearch, SqliteStatement::Lifetime::Connection);
        search.bindText(":WORD", word.toLower());
        return search.step();
    });
}

ParadigmTables DURIDOD::FillTables(int selectedTab, const RenderOptions &options, const TypedForm &typed)
{
    if (const PredictedLexeme *predicted = PredictedAt(selectedTab)) {
        TableFiller filler(options, typed, tagFacts_);
        for (const PredictedLexeme::Form &form : predicted->forms)
            filler.Add(form.word, form.tags, form.accent);
        return filler.Finish();
    }
    if (selectedTab < 0 || selectedTab >= LemmaIds.size() || !Connected)
        return {};

    return Checked([&] {
        SqliteStatement forms(database_, kLexemeForms, SqliteStatement::Lifetime::Connection);
        forms.bindText(":ID", LemmaIds.at(selectedTab));
        TableFiller filler(options, typed, tagFacts_);
        qsizetype heldForms = 0;
        qsizetype heldText = 0;
        while (forms.step()) {
            const QString word = forms.columnText(0);
            const QString tags = forms.columnText(1);
            heldText += 2 * word.size() + tags.size();
            if (heldForms++ == kMostLexemeForms || heldText > kLongestLexemeText)
                throw DatabaseError(QStringLiteral("a lemma with more forms than any lemma has"));
            filler.Add(word, tags, forms.columnInt(2));
        }
        return filler.Finish();
    });
}

QStringList DURIDOD::PredictLemmas(const QString &word)
{
    predicted_.clear();
    if (!Connected || !LemmaIds.isEmpty())
        return {};
    predicted_ = Checked([&] { return PredictLexemes(database_, word); });
    QStringList captions;
    for (const PredictedLexeme &lexeme : std::as_const(predicted_))
        captions.append(PredictedCaption(lexeme));
    return captions;
}

const PredictedLexeme *DURIDOD::PredictedAt(int selectedTab) const
{
    if (!LemmaIds.isEmpty() || !Connected || selectedTab < 0 || selectedTab >= predicted_.size())
        return nullptr;
    return &predicted_.at(selectedTab);
}

}  // namespace tornelis
