#include "shell/platform/posix_single_instance.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tornelis {
namespace {

QString RuntimeDirectory(const QString &given)
{
    if (!given.isEmpty())
        return given;
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

// Only a regular file of this user's, readable and writable by nobody else,
// with no second name, is a block this user's instances may trust.
bool IsPrivateBlock(int fd)
{
    struct stat status {};
    return fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == getuid() &&
           (status.st_mode & 077) == 0 && status.st_nlink == 1;
}

// Opens an existing block without following a link; -1 unless it is private.
int OpenPrivateBlock(const QByteArray &path, int access)
{
    const int fd = ::open(path.constData(), access | O_NOFOLLOW | O_CLOEXEC);
    if (fd >= 0 && !IsPrivateBlock(fd)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool WriteAll(int fd, const char *bytes, qsizetype size)
{
    return pwrite(fd, bytes, size_t(size), 0) == ssize_t(size);
}

}  // namespace

PosixSingleInstance::PosixSingleInstance(const QString &runtimeDirectory)
{
    const QDir directory(RuntimeDirectory(runtimeDirectory));
    markerPath_ = QFile::encodeName(directory.filePath(QStringLiteral("QUILLON_DURIDOD.lock")));
    blockPath_ = QFile::encodeName(directory.filePath(QStringLiteral("QUILLON_DURIDOD_DATA")));
}

PosixSingleInstance::~PosixSingleInstance()
{
    Release();
}

bool PosixSingleInstance::BecomeFirstInstance()
{
    if (markerFd_ >= 0)
        return true;
    const int fd = ::open(markerPath_.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return true;  // without a marker every start is a first instance
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    markerFd_ = fd;
    blockFd_ = CreatePrivateBlock();
    return true;
}

// A block found at the start was left by a crashed instance or put there by
// someone else: it is never adopted. A fresh one is created exclusively, so
// that its owner and mode are this process's own; without it the instance
// runs without hand-over.
int PosixSingleInstance::CreatePrivateBlock() const
{
    ::unlink(blockPath_.constData());
    const int fd = ::open(blockPath_.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return -1;
    const QByteArray zeros(kBlockSize, '\0');
    if (!IsPrivateBlock(fd) || !WriteAll(fd, zeros.constData(), zeros.size())) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool PosixSingleInstance::WriteHandOver(const QByteArray &bytes)
{
    const int fd = OpenPrivateBlock(blockPath_, O_WRONLY);
    if (fd < 0)
        return false;
    const bool written = WriteAll(fd, bytes.constData(), std::min(bytes.size(), kBlockSize));
    ::close(fd);
    return written;
}

std::optional<QByteArray> PosixSingleInstance::TakeHandOver()
{
    if (blockFd_ < 0)
        return std::nullopt;
    // A shortened block reads as zeros past its end.
    QByteArray bytes(kBlockSize, '\0');
    if (pread(blockFd_, bytes.data(), size_t(kBlockSize), 0) < 0)
        return std::nullopt;
    WriteAll(blockFd_, "\0\0", 2);
    return bytes;
}

void PosixSingleInstance::Release()
{
    if (blockFd_ >= 0) {
        ::unlink(blockPath_.constData());
        ::close(blockFd_);
        blockFd_ = -1;
    }
    if (markerFd_ >= 0) {
        ::close(markerFd_);  // closing the file lets the lock go
        markerFd_ = -1;
    }
}

}  // namespace tornelis
