#pragma once

#include <QByteArray>
#include <QString>

namespace tornelis::test {

// The whole content of a file; empty when it cannot be read.
QByteArray ReadBytes(const QString &path);
// Replaces a file's content; false when it cannot be written.
bool WriteBytes(const QString &path, const QByteArray &bytes);

}  // namespace tornelis::test
