#pragma once

#include "shell/platform/single_instance.h"

namespace tornelis {

// The named mutex "QUILLON_DURIDOD", a presence marker only (never waited
// on), and the 1000-byte file mapping "QUILLON_DURIDOD_DATA" backed by the
// paging file; both in the session's own namespace. The first instance keeps
// both handles for its whole life.
class WindowsSingleInstance : public SingleInstance {
public:
    WindowsSingleInstance() = default;
    ~WindowsSingleInstance() override;
    WindowsSingleInstance(const WindowsSingleInstance &) = delete;
    WindowsSingleInstance &operator=(const WindowsSingleInstance &) = delete;

    bool BecomeFirstInstance() override;
    bool WriteHandOver(const QByteArray &bytes) override;
    std::optional<QByteArray> TakeHandOver() override;
    void Release() override;

private:
    void *mutex_ = nullptr;  // HANDLE
    void *block_ = nullptr;  // HANDLE
};

}  // namespace tornelis
