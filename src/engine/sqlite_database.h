#pragma once

#include <QString>

#include <stdexcept>

struct sqlite3;
struct sqlite3_stmt;

namespace tornelis {

// A failure reported by SQLite, with its message.
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const QString &message);
    QString message() const { return QString::fromUtf8(what()); }
};

// One open SQLite connection; closed when destroyed. ReadOnly opens an
// existing file that nobody changes while it is open (SQLite's "immutable").
class SqliteDatabase {
public:
    enum class Mode { ReadOnly, Create };

    SqliteDatabase() = default;
    SqliteDatabase(const QString &path, Mode mode);  // throws DatabaseError
    ~SqliteDatabase();
    SqliteDatabase(SqliteDatabase &&other) noexcept;
    SqliteDatabase &operator=(SqliteDatabase &&other) noexcept;
    SqliteDatabase(const SqliteDatabase &) = delete;
    SqliteDatabase &operator=(const SqliteDatabase &) = delete;

    bool isOpen() const { return handle_ != nullptr; }
    void close();
    void exec(const QString &sql);  // throws DatabaseError
    sqlite3 *handle() const { return handle_; }

private:
    sqlite3 *handle_ = nullptr;
};

// One prepared statement, finalized when destroyed, so that no statement
// outlives the command that ran it, whatever path that command takes.
class SqliteStatement {
public:
    SqliteStatement(const SqliteDatabase &database, const QString &sql);  // throws DatabaseError
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    void bindText(const char *name, const QString &value);
    void bindText(int index, const QString &value);
    void bindInt64(int index, qint64 value);

    // Steps to the next row; false when the rows are used up.
    bool step();
    void reset();

    QString columnText(int column) const;
    int columnInt(int column) const;

private:
    void check(int code) const;

    sqlite3 *database_;
    sqlite3_stmt *statement_ = nullptr;
};

}  // namespace tornelis
