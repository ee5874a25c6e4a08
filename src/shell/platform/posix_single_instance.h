#pragma once

#include "shell/platform/single_instance.h"

namespace tornelis {

// The marker is an advisory lock on a file in the user's runtime directory,
// which the system lets go when the process ends in any way, a crash or a
// kill included. The block is POSIX shared memory named after the runtime
// directory, so each user (and each test's directory) has its own.
class PosixSingleInstance : public SingleInstance {
public:
    // runtimeDirectory: empty for the user's runtime directory.
    explicit PosixSingleInstance(const QString &runtimeDirectory = QString());
    ~PosixSingleInstance() override;

    bool BecomeFirstInstance() override;
    bool WriteHandOver(const QByteArray &bytes) override;
    std::optional<QByteArray> TakeHandOver() override;
    void Release() override;

private:
    QString markerPath_;
    QByteArray blockName_;
    int markerFd_ = -1;
    bool ownsBlock_ = false;
};

}  // namespace tornelis
