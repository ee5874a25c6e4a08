#include "shell/platform/program_path.h"

#include <QDir>

#include <windows.h>

namespace tornelis {

QString ProgramPathFile()
{
    return {};  // the registry itself holds the value
}

bool PublishProgramPath(const QString &programDirectory)
{
    // The fixed name, whatever the running executable is called.
    const QString path = QDir::toNativeSeparators(QDir(programDirectory).filePath(QStringLiteral("Tornelis.exe")));
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\Quillon Software\\Tornelis", 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    const auto size = DWORD((path.size() + 1) * sizeof(wchar_t));  // the terminating NUL too
    const bool set = RegSetValueExW(key, L"Path", 0, REG_SZ, reinterpret_cast<const BYTE *>(path.utf16()), size) ==
                     ERROR_SUCCESS;
    RegCloseKey(key);
    return set;
}

}  // namespace tornelis
