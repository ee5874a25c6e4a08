#pragma once

#include "shell/platform/single_instance.h"

namespace tornelis {

// The marker is an advisory lock on a file in a folder private to the user
// (the runtime directory, or one in the user's cache folder),
// which the system lets go when the process ends in any way, a crash or a
// kill included. The block is a plain 1000-byte file beside it, private to
// the user (mode 0600, owned by the user, no link), read and written with
// pread and pwrite: no mapping that a change of its size could make fault.
class PosixSingleInstance : public SingleInstance {
public:
    // runtimeDirectory: empty for the user's private folder; a given folder
    // that is not private to the user gives no single instance at all.
    explicit PosixSingleInstance(const QString &runtimeDirectory = QString());
    ~PosixSingleInstance() override;

    bool BecomeFirstInstance() override;
    bool WriteHandOver(const QByteArray &bytes) override;
    std::optional<QByteArray> TakeHandOver() override;
    void Release() override;

private:
    int CreatePrivateBlock() const;

    QByteArray markerPath_;
    QByteArray blockPath_;
    int markerFd_ = -1;
    int blockFd_ = -1;  // the first instance's own block, open while it runs
};

}  // namespace tornelis
