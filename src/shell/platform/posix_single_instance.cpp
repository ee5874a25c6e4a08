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

// A folder of this user's that nobody else may write into (no link to one):
// no other user can plant a file there, a FIFO that would hang a start or a
// lock that would make every start a second one.
bool IsPrivateFolder(const QString &folder)
{
    struct stat status {};
    return !folder.isEmpty() && lstat(QFile::encodeName(folder).constData(), &status) == 0 &&
           S_ISDIR(status.st_mode) && status.st_uid == getuid() && (status.st_mode & 077) == 0;
}

// The folder of the marker and the block: the user's runtime folder when it
// is private; otherwise (no XDG_RUNTIME_DIR, as under su or cron, and the
// shared temp folder's runtime-<user> taken by someone else) a private
// folder in the user's cache folder. Empty when there is no such folder.
QString PrivateFolder(const QString &given)
{
    if (!given.isEmpty())
        return IsPrivateFolder(given) ? given : QString();
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (IsPrivateFolder(runtime))
        return runtime;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty() || !QDir().mkpath(cache))
        return {};
    const QString own = QDir(cache).filePath(QStringLiteral("tornelis-runtime"));
    ::mkdir(QFile::encodeName(own).constData(), 0700);
    return IsPrivateFolder(own) ? own : QString();
}

// A regular file of this user's, not readable or writable by anyone else.
bool IsOwnRegularFile(int fd)
{
    struct stat status {};
    return fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == getuid() &&
           (status.st_mode & 077) == 0;
}

// Only a regular file of this user's, readable and writable by nobody else,
// with no second name, is a block this user's instances may trust.
bool IsPrivateBlock(int fd)
{
    struct stat status {};
    return IsOwnRegularFile(fd) && fstat(fd, &status) == 0 && status.st_nlink == 1;
}

// Opens an existing block without following a link, and without waiting
// should it be a FIFO; -1 unless it is private.
int OpenPrivateBlock(const QByteArray &path, int access)
{
    if (path.isEmpty())
        return -1;
    const int fd = ::open(path.constData(), access | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
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
    const QString folder = PrivateFolder(runtimeDirectory);
    if (folder.isEmpty())
        return;  // without a marker every start is a first instance
    const QDir directory(folder);
    markerPath_ = QFile::encodeName(directory.filePath(QStringLiteral("QUILLON_DURIDOD.lock")));
    blockPath_ = QFile::encodeName(directory.filePath(QStringLiteral("QUILLON_DURIDOD_DATA")));
}

PosixSingleInstance::~PosixSingleInstance()
{
    Release();
}

bool PosixSingleInstance::BecomeFirstInstance()
{
    if (markerFd_ >= 0 || markerPath_.isEmpty())
        return true;  // without a marker every start is a first instance
    const int fd = ::open(markerPath_.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0)
        return true;
    if (!IsOwnRegularFile(fd)) {
        // A lock file that is not this user's own marks no instance of theirs.
        ::close(fd);
        return true;
    }
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
    const int fd = ::open(blockPath_.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
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
