#include "shell/platform/windows_single_instance.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace tornelis {
namespace {

const wchar_t kMutexName[] = L"QUILLON_DURIDOD";
const wchar_t kBlockName[] = L"QUILLON_DURIDOD_DATA";

// A view of a block's 1000 bytes, unmapped when it goes.
class BlockView {
public:
    explicit BlockView(HANDLE block)
        : bytes_(block ? static_cast<char *>(MapViewOfFile(block, FILE_MAP_ALL_ACCESS, 0, 0,
                                                           SingleInstance::kBlockSize))
                       : nullptr)
    {
    }
    ~BlockView()
    {
        if (bytes_)
            UnmapViewOfFile(bytes_);
    }
    BlockView(const BlockView &) = delete;
    BlockView &operator=(const BlockView &) = delete;

    char *bytes() const { return bytes_; }

private:
    char *bytes_;
};

void CloseIfOpen(void *&handle)
{
    if (handle)
        CloseHandle(handle);
    handle = nullptr;
}

}  // namespace

WindowsSingleInstance::~WindowsSingleInstance()
{
    Release();
}

bool WindowsSingleInstance::BecomeFirstInstance()
{
    if (HANDLE running = OpenMutexW(MUTEX_ALL_ACCESS, FALSE, kMutexName)) {
        CloseHandle(running);
        return false;
    }
    // A creation that fails leaves the instance without a marker or a block:
    // later starts become first instances too, and the poll finds nothing.
    mutex_ = CreateMutexW(nullptr, TRUE, kMutexName);
    block_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, DWORD(kBlockSize), kBlockName);
    return true;
}

bool WindowsSingleInstance::WriteHandOver(const QByteArray &bytes)
{
    HANDLE block = OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, kBlockName);
    if (!block)
        return false;
    bool written = false;
    {
        const BlockView view(block);
        if (view.bytes()) {
            std::memcpy(view.bytes(), bytes.constData(), size_t(std::min(bytes.size(), kBlockSize)));
            written = true;
        }
    }
    CloseHandle(block);
    return written;
}

std::optional<QByteArray> WindowsSingleInstance::TakeHandOver()
{
    const BlockView view(block_);
    if (!view.bytes())
        return std::nullopt;
    const QByteArray bytes(view.bytes(), kBlockSize);
    view.bytes()[0] = 0;  // the first code unit becomes NUL
    view.bytes()[1] = 0;
    return bytes;
}

void WindowsSingleInstance::Release()
{
    CloseIfOpen(mutex_);
    CloseIfOpen(block_);
}

}  // namespace tornelis
