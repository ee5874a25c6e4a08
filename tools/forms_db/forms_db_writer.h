#pragma once

#include "engine/sqlite_database.h"
#include "lexeme_split.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace tornelis::formsdb {

// Writes forms.db: forms_view as a view over the forms, their lexemes and
// the tag strings, and the yo table. It writes into a temporary file beside the
// target and renames it over the target only in Finish, so a failed build
// never leaves a half-written forms.db in place.
class FormsDbWriter {
public:
    FormsDbWriter(const QString &targetPath, const QStringList &tags);
    ~FormsDbWriter();
    FormsDbWriter(const FormsDbWriter &) = delete;
    FormsDbWriter &operator=(const FormsDbWriter &) = delete;

    // Adds the rows of one lexeme in their delivery order; accents[i] and
    // predictedAccents[i] (0: none) belong to lexeme.forms[i]. Returns the id
    // of its lemma row.
    qint64 AddLexeme(const BuiltLexeme &lexeme, const std::vector<int> &accents,
                     const std::vector<int> &predictedAccents);
    void AddYo(const QString &str, const QString &strYo);
    // One form spelled with ё, under its spelling with е (every one, not only
    // the certain ones of the yo table).
    void AddYoSpelling(const QString &str, const QString &strYo);
    // How often the corpus reads the word (written with е) with the tag.
    void AddCorpusCount(const QString &eWord, int tagId, int count);

    // Builds the indexes, closes the file and moves it into place.
    void Finish();

    qint64 rowCount() const { return nextId_ - 1; }

    // The file being written, for the tables other builders add before Finish.
    SqliteDatabase &database() { return database_; }

private:
    void ReleaseStatements();

    QString targetPath_;
    QString temporaryPath_;
    SqliteDatabase database_;
    std::unique_ptr<SqliteStatement> insertForm_;
    std::unique_ptr<SqliteStatement> insertLexeme_;
    std::unique_ptr<SqliteStatement> insertPredicted_;
    std::unique_ptr<SqliteStatement> insertYo_;
    std::unique_ptr<SqliteStatement> insertYoSpelling_;
    std::unique_ptr<SqliteStatement> insertCorpusCount_;
    qint64 nextId_ = 1;
    bool finished_ = false;
};

}  // namespace tornelis::formsdb
