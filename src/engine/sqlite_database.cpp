#include "engine/sqlite_database.h"

#include <QFileInfo>
#include <QUrl>

#include <sqlite3.h>

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

}  // namespace

DatabaseError::DatabaseError(const QString &message)
    : std::runtime_error(message.toStdString())
{
}

SqliteDatabase::SqliteDatabase(const QString &path, Mode mode)
{
    const bool readOnly = mode == Mode::ReadOnly;
    const int flags = readOnly ? SQLITE_OPEN_READONLY | SQLITE_OPEN_URI
                               : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    const QByteArray name = readOnly ? ImmutableUri(path) : path.toUtf8();
    const int code = sqlite3_open_v2(name.constData(), &handle_, flags, nullptr);
    if (code != SQLITE_OK) {
        const QString message = handle_ ? QString::fromUtf8(sqlite3_errmsg(handle_))
                                        : QString::fromUtf8(sqlite3_errstr(code));
        close();
        throw DatabaseError(QStringLiteral("%1: %2").arg(path, message));
    }
}

SqliteDatabase::~SqliteDatabase()
{
    close();
}

SqliteDatabase::SqliteDatabase(SqliteDatabase &&other) noexcept
    : handle_(std::exchange(other.handle_, nullptr))
{
}

SqliteDatabase &SqliteDatabase::operator=(SqliteDatabase &&other) noexcept
{
    if (this != &other) {
        close();
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

void SqliteDatabase::close()
{
    sqlite3_close_v2(std::exchange(handle_, nullptr));
}

void SqliteDatabase::exec(const QString &sql)
{
    char *error = nullptr;
    if (sqlite3_exec(handle_, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString message = QString::fromUtf8(error ? error : sqlite3_errmsg(handle_));
        sqlite3_free(error);
        throw DatabaseError(message);
    }
}

SqliteStatement::SqliteStatement(const SqliteDatabase &database, const QString &sql)
    : database_(database.handle())
{
    if (!database_)
        throw DatabaseError(QStringLiteral("the database is not open"));
    check(sqlite3_prepare16_v2(database_, sql.utf16(), -1, &statement_, nullptr));
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(statement_);
}

void SqliteStatement::check(int code) const
{
    if (code != SQLITE_OK)
        throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(database_)));
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
    throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(database_)));
}

void SqliteStatement::reset()
{
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
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
