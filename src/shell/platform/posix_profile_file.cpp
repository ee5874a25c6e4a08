#include "shell/platform/profile_file.h"

#include "export/save_file.h"

#include <QFileInfo>

namespace tornelis {

std::optional<QString> ReadProfileFile(const QString &path, const QString &section, const QString &key)
{
    const std::optional<QByteArray> content = ReadProfileContent(path);
    if (!content)
        return std::nullopt;
    return ReadProfileString(*content, section, key);
}

bool WriteProfileFile(const QString &path, const QString &section, const QString &key, const QString &value)
{
    QByteArray content;
    if (QFileInfo::exists(path)) {
        // What could not be read is not replaced.
        const std::optional<QByteArray> existing = ReadProfileContent(path);
        if (!existing)
            return false;
        content = *existing;
    }
    return !SaveWholeFile(path, WriteProfileString(content, section, key, value)).failed();
}

}  // namespace tornelis
