#include "export/save_file.h"

#include "encodings/system_reason.h"

#include <QFileInfo>
#include <QSaveFile>

namespace tornelis {
namespace {

QString ReasonOf(const QSaveFile &file)
{
    return RussianSystemReason(file.errorString());
}

}  // namespace

SaveFailure SaveWholeFile(const QString &path, const QByteArray &bytes)
{
    // A FIFO or a device in the file's place is never written to or replaced.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return {false, target.isDir() ? IsFolderReason() : IsNoRegularFileReason()};
    // Unbuffered: a buffered QSaveFile flushes inside commit() and renames
    // even when that flush fails, which would put an empty file in place of
    // the old one. Written directly, a failed write cancels the commit.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, ReasonOf(file)};
    // A write cut short by a full disk returns what it wrote; the next one
    // says why.
    for (qsizetype written = 0; written < bytes.size();) {
        const qint64 step = file.write(bytes.constData() + written, bytes.size() - written);
        if (step <= 0) {
            const QString reason = ReasonOf(file);
            file.cancelWriting();
            return {true, reason};
        }
        written += step;
    }
    if (!file.commit())
        return {true, ReasonOf(file)};
    return {};
}

}  // namespace tornelis
