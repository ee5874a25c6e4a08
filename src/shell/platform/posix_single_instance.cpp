#include "shell/platform/posix_single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

namespace tornelis {
namespace {

// The block of another process, mapped for as long as this object lives.
class MappedBlock {
public:
    explicit MappedBlock(const QByteArray &name)
    {
        const int fd = shm_open(name.constData(), O_RDWR, 0600);
        if (fd < 0)
            return;
        struct stat status {};
        if (fstat(fd, &status) == 0 && status.st_size >= SingleInstance::kBlockSize) {
            void *mapped = mmap(nullptr, SingleInstance::kBlockSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
            if (mapped != MAP_FAILED)
                bytes_ = static_cast<char *>(mapped);
        }
        ::close(fd);
    }
    ~MappedBlock()
    {
        if (bytes_)
            munmap(bytes_, SingleInstance::kBlockSize);
    }
    MappedBlock(const MappedBlock &) = delete;
    MappedBlock &operator=(const MappedBlock &) = delete;

    char *bytes() const { return bytes_; }

private:
    char *bytes_ = nullptr;
};

QString RuntimeDirectory(const QString &given)
{
    if (!given.isEmpty())
        return given;
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

}  // namespace

PosixSingleInstance::PosixSingleInstance(const QString &runtimeDirectory)
{
    const QString directory = RuntimeDirectory(runtimeDirectory);
    markerPath_ = QDir(directory).filePath(QStringLiteral("QUILLON_DURIDOD.lock"));
    const QByteArray place =
        QCryptographicHash::hash(QDir(directory).absolutePath().toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    blockName_ = "/QUILLON_DURIDOD_DATA." + QByteArray::number(getuid()) + "." + place;
}

PosixSingleInstance::~PosixSingleInstance()
{
    Release();
}

bool PosixSingleInstance::BecomeFirstInstance()
{
    if (markerFd_ >= 0)
        return true;
    const int fd = ::open(QFile::encodeName(markerPath_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return true;  // without a marker every start is a first instance
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    markerFd_ = fd;

    const int block = shm_open(blockName_.constData(), O_RDWR | O_CREAT, 0600);
    if (block >= 0) {
        // A block left by a crashed instance is emptied: it holds no text.
        if (ftruncate(block, 0) == 0 && ftruncate(block, kBlockSize) == 0)
            ownsBlock_ = true;
        ::close(block);
    }
    return true;
}

bool PosixSingleInstance::WriteHandOver(const QByteArray &bytes)
{
    const MappedBlock block(blockName_);
    if (!block.bytes())
        return false;
    std::memcpy(block.bytes(), bytes.constData(), size_t(std::min(bytes.size(), kBlockSize)));
    return true;
}

std::optional<QByteArray> PosixSingleInstance::TakeHandOver()
{
    const MappedBlock block(blockName_);
    if (!block.bytes())
        return std::nullopt;
    QByteArray bytes(block.bytes(), kBlockSize);
    block.bytes()[0] = block.bytes()[1] = '\0';
    return bytes;
}

void PosixSingleInstance::Release()
{
    if (ownsBlock_) {
        shm_unlink(blockName_.constData());
        ownsBlock_ = false;
    }
    if (markerFd_ >= 0) {
        ::close(markerFd_);  // closing the file lets the lock go
        markerFd_ = -1;
    }
}

}  // namespace tornelis
