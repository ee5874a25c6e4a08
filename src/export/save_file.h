#pragma once

#include <QByteArray>
#include <QString>

namespace tornelis {

// Why a file could not be saved: it could not be created, or writing it
// failed (a full disk, say); an empty reason means it was saved.
struct SaveFailure {
    bool whileWriting = false;
    QString reason;

    bool failed() const { return !reason.isEmpty(); }
};

// Replaces the file at path by bytes through a temporary file beside it: the
// file is replaced only when every byte has reached the temporary file, so a
// full disk or any other failed write leaves the old file as it was.
SaveFailure SaveWholeFile(const QString &path, const QByteArray &bytes);

}  // namespace tornelis
