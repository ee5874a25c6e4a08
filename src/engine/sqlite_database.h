#pragma once

#include <QString>

#include <list>
#include <memory>
#include <stdexcept>

struct sqlite3;
struct sqlite3_stmt;

namespace tornelis {

// A failure reported by SQLite, with its message and its primary result code
// (SQLITE_BUSY, SQLITE_CORRUPT, ...; SQLITE_ERROR when SQLite gave none).
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const QString &message, int code = 1);
    QString message() const { return QString::fromUtf8(what()); }
    int code() const { return code_; }
    // Another program holds the file locked.
    bool isBusy() const;

private:
    int code_;
};

// One open SQLite connection; closed when destroyed. ReadOnly opens an
// existing file that nobody changes while it is open (SQLite's "immutable")
// and reads its schema at once, within a small budget of work.
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
    // The work done since the budget was last renewed by a read-only
    // connection's statements, and the work they may do, in thousands of
    // SQLite's steps; null for a connection without a bound. The bytes
    // SQLite allocated before the renewal: what they allocate since is
    // bounded too.
    struct Budget {
        int done = 0;
        int allowed = 0;
        quint64 allocatedBefore = 0;
    };
    Budget *work() const { return work_.get(); }
    // Gives the statements that follow a whole budget of work again.
    void renewBudget();
    // Gives them only this much (thousands of steps) until the next renewal.
    void renewBudget(int allowed);

private:
    friend class SqliteStatement;

    // A statement prepared once for the life of the connection; in use while
    // a SqliteStatement holds it.
    struct KeptStatement {
        QString sql;
        sqlite3_stmt *statement;
        bool inUse;
    };

    sqlite3 *handle_ = nullptr;
    std::unique_ptr<Budget> work_;
    std::list<KeptStatement> kept_;  // a node's address stays while others come
};

// One prepared statement. One of Lifetime::Call is finalized when destroyed,
// so that no statement outlives the command that ran it, whatever path that
// command takes. One of Lifetime::Connection (for statements of a fixed text
// that run for every word) is prepared by its first use and kept by the
// connection until it closes; each later use takes it again, and when
// destroyed it is reset and its parameters unbound, so that none is left
// open between two uses.
class SqliteStatement {
public:
    enum class Lifetime { Call, Connection };

    SqliteStatement(const SqliteDatabase &database, const QString &sql);  // throws DatabaseError
    SqliteStatement(SqliteDatabase &database, const QString &sql, Lifetime lifetime);  // throws DatabaseError
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    void bindText(const char *name, const QString &value);
    void bindText(int index, const QString &value);
    void bindInt64(int index, qint64 value);

    // Steps to the next row; false when the rows are used up.
    bool step();
    // Makes the statement ready to run again, with a whole budget of work.
    void reset();

    QString columnText(int column) const;
    int columnInt(int column) const;

private:
    void check(int code) const;
    [[noreturn]] void fail(int code) const;

    sqlite3 *database_;
    SqliteDatabase::Budget *work_;
    sqlite3_stmt *statement_ = nullptr;
    bool *kept_ = nullptr;  // the in-use mark of a kept statement
};

}  // namespace tornelis
