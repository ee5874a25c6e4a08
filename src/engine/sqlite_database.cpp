#include "engine/sqlite_database.h"

#include <QFileInfo>
#include <QUrl>

#include <sqlite3.h>

#include <algorithm>
#include <new>
#include <utility>

namespace tornelis {
namespace {

// A read-only file is opened as immutable: nobody writes it while it is open
// (the builder replaces forms.db by a rename), so SQLite can skip its locks
// and change checks. The path becomes a URI, every byte but letters, digits
// and "/" percent-encoded, so that "?", "#" and "%" in a folder name stay
// part of the path.
QByteArray ImmutableUri(const QString &path)
{
    return "file:" + QUrl::toPercentEncoding(QFileInfo(path).absoluteFilePath(), "/") +
           "?immutable=1";
}

// A statement of a damaged dictionary could run without end (a recursive
// view): the statements of a read-only connection may do this much work
// between two renewals of their budget (a command of the window, a word of
// the annotator), counted in thousands of SQLite's virtual machine steps. A
// lookup in the real dictionary stays far below it.
constexpr int kStepsPerCount = 1000;
constexpr int kWorkPerBudget = 20000;

// What a command builds counts too: a view can make each of a few steps
// copy a value of the longest length, so the statements of a read-only
// connection may allocate this many bytes between two renewals. A lookup in
// the real dictionary allocates a hundred kilobytes at most.
constexpr quint64 kBytesPerBudget = quint64(64) << 20;

// Every byte SQLite allocates (values built or read, pages, statements),
// counted from the program's start. SQLite runs in one thread.
quint64 allocatedBytes = 0;
sqlite3_mem_methods systemMemory;

void *CountedMalloc(int bytes)
{
    allocatedBytes += quint64(std::max(bytes, 0));
    return systemMemory.xMalloc(bytes);
}

void *CountedRealloc(void *memory, int bytes)
{
    allocatedBytes += quint64(std::max(bytes, 0));
    return systemMemory.xRealloc(memory, bytes);
}

// SQLite takes its allocator before its first use: before the first
// connection opens.
void CountAllocations()
{
    [[maybe_unused]] static const bool counting = [] {
        sqlite3_config(SQLITE_CONFIG_GETMALLOC, &systemMemory);
        sqlite3_mem_methods counted = systemMemory;
        counted.xMalloc = CountedMalloc;
        counted.xRealloc = CountedRealloc;
        return sqlite3_config(SQLITE_CONFIG_MALLOC, &counted) == SQLITE_OK;
    }();
}

int CountWork(void *work)
{
    auto *budget = static_cast<SqliteDatabase::Budget *>(work);
    const bool overBytes = allocatedBytes - budget->allocatedBefore > kBytesPerBudget;
    if (overBytes)
        budget->done = budget->allowed;
    return ++budget->done > budget->allowed ? 1 : 0;
}

// The work of reading a read-only file's schema: about ten steps a schema
// object, room for a few thousand. The dictionary has a handful; a damaged
// file of hundreds of thousands would take minutes and gigabytes to read.
constexpr int kSchemaWork = 50;

// The longest text a read-only connection hands out or builds. The real
// dictionary's longest form, tag and ё entry are below 200 bytes; a damaged
// one could build strings of hundreds of megabytes in a view.
constexpr int kLongestValue = 100000;

}  // namespace

DatabaseError::DatabaseError(const QString &message, int code)
    : std::runtime_error(message.toStdString())
    , code_(code)
{
}

bool DatabaseError::isBusy() const
{
    return code_ == SQLITE_BUSY || code_ == SQLITE_LOCKED;
}

SqliteDatabase::SqliteDatabase(const QString &path, Mode mode)
{
    const bool readOnly = mode == Mode::ReadOnly;
    const int flags = readOnly ? SQLITE_OPEN_READONLY | SQLITE_OPEN_URI
                               : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    const QByteArray name = readOnly ? ImmutableUri(path) : path.toUtf8();
    CountAllocations();
    const int code = sqlite3_open_v2(name.constData(), &handle_, flags, nullptr);
    if ((code & 0xFF) == SQLITE_NOMEM) {
        close();
        throw std::bad_alloc();
    }
    if (code != SQLITE_OK) {
        const QString message = handle_ ? QString::fromUtf8(sqlite3_errmsg(handle_))
                                        : QString::fromUtf8(sqlite3_errstr(code));
        close();
        throw DatabaseError(QStringLiteral("%1: %2").arg(path, message), code & 0xFF);
    }
    if (readOnly) {
        work_ = std::make_unique<Budget>();
        sqlite3_progress_handler(handle_, kStepsPerCount, CountWork, work_.get());
        sqlite3_limit(handle_, SQLITE_LIMIT_LENGTH, kLongestValue);
        // SQLite reads the file lazily: the schema is read now, within its
        // own budget.
        renewBudget(kSchemaWork);
        try {
            exec(QStringLiteral("select count(*) from sqlite_master"));
        } catch (...) {
            close();
            throw;
        }
        renewBudget();
    }
}

SqliteDatabase::~SqliteDatabase()
{
    close();
}

SqliteDatabase::SqliteDatabase(SqliteDatabase &&other) noexcept
    : handle_(std::exchange(other.handle_, nullptr))
    , work_(std::move(other.work_))
    , kept_(std::move(other.kept_))
{
}

SqliteDatabase &SqliteDatabase::operator=(SqliteDatabase &&other) noexcept
{
    if (this != &other) {
        close();
        handle_ = std::exchange(other.handle_, nullptr);
        work_ = std::move(other.work_);
        kept_ = std::move(other.kept_);
    }
    return *this;
}

void SqliteDatabase::close()
{
    for (const KeptStatement &kept : kept_)
        sqlite3_finalize(kept.statement);
    kept_.clear();
    sqlite3_close_v2(std::exchange(handle_, nullptr));
    work_.reset();
}

void SqliteDatabase::renewBudget()
{
    renewBudget(kWorkPerBudget);
}

void SqliteDatabase::renewBudget(int allowed)
{
    if (work_)
        *work_ = {0, allowed, allocatedBytes};
}

void SqliteDatabase::exec(const QString &sql)
{
    char *error = nullptr;
    const int code = sqlite3_exec(handle_, sql.toUtf8().constData(), nullptr, nullptr, &error);
    if (code != SQLITE_OK) {
        if ((code & 0xFF) == SQLITE_NOMEM) {
            sqlite3_free(error);
            throw std::bad_alloc();
        }
        const QString message = QString::fromUtf8(error ? error : sqlite3_errmsg(handle_));
        sqlite3_free(error);
        if (work_ && work_->done > work_->allowed)
            throw DatabaseError(QStringLiteral("the dictionary is damaged: reading it did not come to an end"), SQLITE_CORRUPT);
        throw DatabaseError(message, sqlite3_errcode(handle_) & 0xFF);
    }
}

SqliteStatement::SqliteStatement(const SqliteDatabase &database, const QString &sql)
    : database_(database.handle())
    , work_(database.work())
{
    if (!database_)
        throw DatabaseError(QStringLiteral("the database is not open"));
    check(sqlite3_prepare16_v2(database_, sql.utf16(), -1, &statement_, nullptr));
}

SqliteStatement::SqliteStatement(SqliteDatabase &database, const QString &sql, Lifetime lifetime)
    : database_(database.handle())
    , work_(database.work())
{
    if (!database_)
        throw DatabaseError(QStringLiteral("the database is not open"));
    if (lifetime == Lifetime::Call) {
        check(sqlite3_prepare16_v2(database_, sql.utf16(), -1, &statement_, nullptr));
        return;
    }
    // A statement nested in a use of the same text gets one of its own.
    auto kept = std::find_if(database.kept_.begin(), database.kept_.end(),
                             [&](const SqliteDatabase::KeptStatement &kept) { return !kept.inUse && kept.sql == sql; });
    if (kept == database.kept_.end()) {
        check(sqlite3_prepare16_v3(database_, sql.utf16(), -1, SQLITE_PREPARE_PERSISTENT, &statement_, nullptr));
        kept = database.kept_.insert(kept, {sql, statement_, false});
    }
    kept->inUse = true;
    statement_ = kept->statement;
    kept_ = &kept->inUse;
}

SqliteStatement::~SqliteStatement()
{
    if (!kept_) {
        sqlite3_finalize(statement_);
        return;
    }
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
    *kept_ = false;
}

void SqliteStatement::check(int code) const
{
    if (code != SQLITE_OK)
        fail(code);
}

void SqliteStatement::fail(int code) const
{
    // Out of memory is the program's want, not the file's fault.
    if ((code & 0xFF) == SQLITE_NOMEM)
        throw std::bad_alloc();
    if (code == SQLITE_INTERRUPT && work_ && work_->done > work_->allowed)
        throw DatabaseError(QStringLiteral("the dictionary is damaged: a lookup did not come to an end"), SQLITE_CORRUPT);
    throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(database_)), code & 0xFF);
}

void SqliteStatement::bindText(const char *name, const QString &value)
{
    const int index = sqlite3_bind_parameter_index(statement_, name);
    if (index == 0)
        throw DatabaseError(QStringLiteral("no parameter %1").arg(QString::fromUtf8(name)));
    bindText(index, value);
}

void SqliteStatement::bindText(int index, const QString &value)
{
    // An empty QString may have no data; bind an empty text, never NULL.
    static const char16_t empty[] = u"";
    const void *data = value.isNull() ? static_cast<const void *>(empty) : value.utf16();
    check(sqlite3_bind_text16(statement_, index, data, int(value.size() * sizeof(char16_t)),
                              SQLITE_TRANSIENT));
}

void SqliteStatement::bindInt64(int index, qint64 value)
{
    check(sqlite3_bind_int64(statement_, index, value));
}

bool SqliteStatement::step()
{
    const int code = sqlite3_step(statement_);
    if (code == SQLITE_ROW)
        return true;
    if (code == SQLITE_DONE)
        return false;
    fail(code);
}

void SqliteStatement::reset()
{
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
    if (work_)
        *work_ = {0, kWorkPerBudget, allocatedBytes};
}

QString SqliteStatement::columnText(int column) const
{
    const auto *text = static_cast<const char16_t *>(sqlite3_column_text16(statement_, column));
    const int bytes = sqlite3_column_bytes16(statement_, column);
    return text ? QString::fromUtf16(text, bytes / qsizetype(sizeof(char16_t))) : QString();
}

int SqliteStatement::columnInt(int column) const
{
    return sqlite3_column_int(statement_, column);
}

}  // namespace tornelis
