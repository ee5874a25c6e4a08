#include "shell/platform/profile_file.h"

#include "export/save_file.h"

#include <QDir>
#include <QFileInfo>

#include <windows.h>

#include <array>

namespace tornelis {
namespace {

const wchar_t *Wide(const QString &text)
{
    return reinterpret_cast<const wchar_t *>(text.utf16());
}

}  // namespace

std::optional<QString> ReadProfileFile(const QString &path, const QString &section, const QString &key)
{
    // What is no profile file (a folder, a device, a huge file) is not read.
    if (!ReadProfileContent(path))
        return std::nullopt;
    // A default no real value holds tells a missing key from an empty value.
    const wchar_t missing[] = L"\x1f";
    std::array<wchar_t, 4096> value{};
    const DWORD length = GetPrivateProfileStringW(Wide(section), Wide(key), missing, value.data(),
                                                  DWORD(value.size()), Wide(QDir::toNativeSeparators(path)));
    const QString text = QString::fromWCharArray(value.data(), int(length));
    return text == QString::fromWCharArray(missing) ? std::nullopt : std::optional<QString>(text);
}

bool WriteProfileFile(const QString &path, const QString &section, const QString &key, const QString &value)
{
    if (QFileInfo::exists(path)) {
        // What could not be read is not replaced.
        if (!ReadProfileContent(path))
            return false;
    } else if (SaveWholeFile(path, QByteArray("\xFF\xFE", 2)).failed()) {
        // A new file starts as UTF-16, so that the profile functions write
        // every letter, not the ANSI code page's.
        return false;
    }
    const QString native = QDir::toNativeSeparators(path);
    const bool written = WritePrivateProfileStringW(Wide(section), Wide(key), Wide(value), Wide(native)) != 0;
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, Wide(native));  // flushes the profile cache
    return written;
}

}  // namespace tornelis
