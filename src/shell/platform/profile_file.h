#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace tornelis {

// INI text read and changed the way the Windows profile functions do it:
// sections and keys compared without regard to case, values trimmed, and a
// write that changes only its one key, keeping every other line as it was.

std::optional<QString> ReadProfileString(const QByteArray &content, const QString &section, const QString &key);
QByteArray WriteProfileString(const QByteArray &content, const QString &section, const QString &key,
                              const QString &value);

// A profile value as a number: decimal, or hexadecimal after "0x"; nothing
// when it is no number.
std::optional<qint64> ParseProfileNumber(const QString &value);

// The whole content of a profile file: a regular file of up to 1 MiB (no
// FIFO, no device); nothing otherwise.
std::optional<QByteArray> ReadProfileContent(const QString &path);

// Reads key of section from the file at path; nothing when the key is
// missing, or the file (a regular file of up to 1 MiB: no FIFO, no device).
std::optional<QString> ReadProfileFile(const QString &path, const QString &section, const QString &key);

// Sets key of section in the file at path, creating it when missing, through
// a temporary file beside it. Returns false when it cannot be written, or
// when a file there cannot be read as a profile file (it is kept).
bool WriteProfileFile(const QString &path, const QString &section, const QString &key, const QString &value);

}  // namespace tornelis
