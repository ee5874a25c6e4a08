#include "shell/platform/system.h"

#include "encodings/ansi_code_page.h"
#include "shell/platform/windows_single_instance.h"

#include <QDir>

#include <windows.h>
#include <shellapi.h>

namespace tornelis {
namespace {

QString DecodeSystemAnsi(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), int(bytes.size()), nullptr, 0);
    QString text(length, Qt::Uninitialized);
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), int(bytes.size()), reinterpret_cast<wchar_t *>(text.data()),
                        length);
    return text;
}

QByteArray EncodeSystemAnsi(QStringView text)
{
    if (text.isEmpty())
        return {};
    const auto *wide = reinterpret_cast<const wchar_t *>(text.utf16());
    // A character the code page lacks becomes the default character, "?".
    const int length = WideCharToMultiByte(CP_ACP, 0, wide, int(text.size()), nullptr, 0, "?", nullptr);
    QByteArray bytes(length, Qt::Uninitialized);
    WideCharToMultiByte(CP_ACP, 0, wide, int(text.size()), bytes.data(), length, "?", nullptr);
    return bytes;
}

}  // namespace

std::unique_ptr<SingleInstance> CreateSingleInstance()
{
    return std::make_unique<WindowsSingleInstance>();
}

QStringList CommandLineArguments(int, char *[])
{
    // The ANSI argv would have lost every letter outside the code page.
    QStringList arguments;
    int count = 0;
    if (wchar_t **split = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i)
            arguments.append(QString::fromWCharArray(split[i]));
        LocalFree(split);
    }
    return arguments;
}

void ShellOpen(const QString &addressOrFile, bool isFile)
{
    const QString target = isFile ? QDir::toNativeSeparators(addressOrFile) : addressOrFile;
    ShellExecuteW(nullptr, L"open", reinterpret_cast<const wchar_t *>(target.utf16()), nullptr, nullptr,
                  SW_SHOWNORMAL);
}

void UseSystemAnsiCodePage()
{
    UseAnsiCodePage({DecodeSystemAnsi, EncodeSystemAnsi});
}

}  // namespace tornelis
