#pragma once

#include "engine/other_forms.h"
#include "engine/paradigm_grid.h"
#include "engine/paradigm_tables.h"
#include "engine/prediction.h"
#include "engine/sqlite_database.h"
#include "engine/tab_order.h"
#include "engine/tag_facts.h"
#include "engine/typed_form.h"
#include "render/render_options.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace tornelis {

// Told when the dictionary file exists but cannot be opened; the window
// shows it as a message box, the command line as one line on stderr.
class ConnectionErrorReporter {
public:
    virtual ~ConnectionErrorReporter() = default;
    virtual void ReportConnectionError(const QString &message) = 0;
};

inline const QString kConnectionErrorMessage = QStringLiteral("Ошибка подключения к базе данных");

// The contents of both tables after a fill: the visible cells and, in the
// twins, the tag string of each shown form, with the cells that hold the
// typed form; and the forms no cell shows. Header cells are left empty.
struct ParadigmTables {
    std::optional<ParadigmPage> page;  // the page to select; none leaves it as it is
    ParadigmGrid declension{kDeclensionShape.columns, kDeclensionShape.rows};
    ParadigmGrid declensionTags{kDeclensionShape.columns, kDeclensionShape.rows};
    ParadigmGrid conjugation{kConjugationShape.columns, kConjugationShape.rows};
    ParadigmGrid conjugationTags{kConjugationShape.columns, kConjugationShape.rows};
    QList<CellPosition> declensionTyped;
    QList<CellPosition> conjugationTyped;
    // In the order the dictionary delivers them, grouped by OtherFormGroup.
    QList<OtherForm> other;
};

// The dictionary engine: the connection to forms.db, the lemma lookup with
// its counters, and the paradigm fill. Its statements stay prepared while the
// connection is open and are reset after each use; a failing statement
// throws DatabaseError.
class DURIDOD {
public:
    explicit DURIDOD(ConnectionErrorReporter *reporter = nullptr);

    QString Path;
    bool Connected = false;
    qint32 FoundCount = 0;
    qint32 NotFoundCount = 0;
    QStringList LemmaIds;

    // Opens the database at path read-only. A path naming no file leaves the
    // engine not connected silently; a file that cannot be opened as a
    // database is reported.
    void Connect(const QString &path);

    // Starts a command (a lookup with its tables, or the tables of another
    // tab): its statements share one budget of work. After a command whose
    // statement failed, the engine first connects to its file afresh, so
    // that a dictionary put right while the program runs is read again.
    void StartCommand();

    // word written with "ё" where the dictionary restores it, else word.
    QString RestoreYo(const QString &word);

    // Looks word up in lower case, rebuilds LemmaIds and returns the lemma tab
    // captions, entry i of LemmaIds belonging to caption i. The lemmas of
    // alsoSpelled are found too. The tabs follow the lexeme numbers, except
    // where the dictionary counts how often a corpus reads the word as each
    // lexeme: within a rank the more frequent reading comes first.
    QStringList FindLemmas(const QString &word, const QStringList &alsoSpelled = {});

    // The dictionary's spellings with ё of word (in lower case) written with е;
    // none when the dictionary does not list them.
    QStringList YoSpellings(const QString &word);

    // Whether word, in lower case, is a form of some lemma; counts nothing.
    bool Finds(const QString &word);

    // For a word FindLemmas found nothing for: the lexemes guessed by
    // analogy, as tabs after an empty LemmaIds; returns their captions. The
    // counters stay as FindLemmas left them.
    QStringList PredictLemmas(const QString &word);

    // The guessed lexeme of tab selectedTab, or null for a dictionary lemma.
    const PredictedLexeme *PredictedAt(int selectedTab) const;

    // Both tables filled with the forms of the lemma of tab selectedTab.
    ParadigmTables FillTables(int selectedTab, const RenderOptions &options, const TypedForm &typed = {});

private:
    template <typename Work>
    auto Checked(Work work) -> decltype(work());
    void OrderLemmaIds(const QString &word, bool severalSpellings);

    ConnectionErrorReporter *reporter_;
    SqliteDatabase database_;
    bool statementFailed_ = false;
    bool hasYoSpellings_ = false;
    QHash<QString, QList<LemmaReading>> readingCounts_;  // by the word written with е
    QList<PredictedLexeme> predicted_;  // the tabs of the last lookup when LemmaIds is empty
    TagFactsCache tagFacts_;
};

}  // namespace tornelis
