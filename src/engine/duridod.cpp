#include "engine/duridod.h"

#include "engine/dictionary_error.h"
#include "engine/part_of_speech.h"

#include <QFileInfo>

namespace tornelis {
namespace {

const QString kYoLookup = QStringLiteral("select str_yo from yo where str= :STR ");
const QString kLemmaSearch =
    QStringLiteral("select initform_id,prop from forms_view where word=:WORD group by initform_id;");
const QString kLemmaRow = QStringLiteral("select word,prop from forms_view where id=:ID;");
// No word of the real dictionary belongs to more than a few dozen lemmas; a
// lookup that finds more reads a damaged dictionary.
constexpr qsizetype kMostLemmaTabs = 500;

const QString kLexemeForms =
    QStringLiteral("select word,prop,accent from forms_view where initform_id=:ID;");

void PlaceRow(ParadigmTables &tables, const QString &cellText, const QString &tags)
{
    if (tables.page == ParadigmPage::Conjugation) {
        for (const CellPosition &cell : PlaceOnConjugation(tags)) {
            tables.conjugation.set(cell.column, cell.row, cellText);
            tables.conjugationTags.set(cell.column, cell.row, tags);
        }
    } else if (const std::optional<CellPosition> cell = PlaceOnDeclension(tags)) {
        tables.declension.set(cell->column, cell->row, cellText);
        tables.declensionTags.set(cell->column, cell->row, tags);
    }
}

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
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    Path = path;
    try {
        SqliteDatabase opened(Path, SqliteDatabase::Mode::ReadOnly);
        // SQLite reads the file lazily; reading the schema now catches a file
        // that is not a database once, here, instead of at every lookup.
        opened.exec(QStringLiteral("select count(*) from sqlite_master"));
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
    if (!Connected)
        return word;
    return Checked([&] {
        SqliteStatement statement(database_, kYoLookup);
        statement.bindText(":STR", word);
        // A row without its ё spelling restores nothing.
        const QString restored = statement.step() ? statement.columnText(0) : QString();
        return restored.isEmpty() ? word : restored;
    });
}

QStringList DURIDOD::FindLemmas(const QString &word)
{
    LemmaIds.clear();
    if (!Connected)
        return {};
    return Checked([&] {
        {
            SqliteStatement search(database_, kLemmaSearch);
            search.bindText(":WORD", word.toLower());
            while (search.step()) {
                LemmaIds.append(search.columnText(0));
                if (LemmaIds.size() > kMostLemmaTabs)
                    throw DatabaseError(QStringLiteral("more lemmas than any word has"));
            }
        }
        QStringList captions;
        if (LemmaIds.isEmpty()) {
            ++NotFoundCount;
            return captions;
        }
        // A lemma id without its own row gets no tab; it is dropped from
        // LemmaIds too, so that tab i always stands for entry i.
        QStringList shownIds;
        for (const QString &id : std::as_const(LemmaIds)) {
            SqliteStatement row(database_, kLemmaRow);
            row.bindText(":ID", id);
            if (!row.step())
                continue;
            captions.append(row.columnText(0) + QStringLiteral(" (") +
                            PartOfSpeechLabel(row.columnText(1)) + QLatin1Char(')'));
            shownIds.append(id);
        }
        LemmaIds = shownIds;
        ++FoundCount;
        return captions;
    });
}

ParadigmTables DURIDOD::FillTables(int selectedTab, const RenderOptions &options)
{
    ParadigmTables tables;
    if (selectedTab < 0 || selectedTab >= LemmaIds.size() || !Connected)
        return tables;

    return Checked([&] {
        SqliteStatement forms(database_, kLexemeForms);
        forms.bindText(":ID", LemmaIds.at(selectedTab));
        while (forms.step()) {
            const QString tags = forms.columnText(1);
            if (!tables.page) {
                tables.page = PartOfSpeechLabel(tags) == VerbLabel() ? ParadigmPage::Conjugation
                                                                     : ParadigmPage::Declension;
            }
            PlaceRow(tables, RenderCell(forms.columnText(0), forms.columnInt(2), options), tags);
        }
        return tables;
    });
}

}  // namespace tornelis
