#include "support/full_disk.h"

#include <QFile>

#include <sys/mount.h>

#include <fcntl.h>
#include <unistd.h>

namespace tornelis::test {

FullDisk::FullDisk()
{
    mounted_ = dir_.isValid() &&
               mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0, "size=64k,mode=0700") == 0;
}

FullDisk::~FullDisk()
{
    if (mounted_)
        umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
}

void FullDisk::fill()
{
    const int fd = ::open(QFile::encodeName(filePath(QStringLiteral(".filler"))).constData(),
                          O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    const char block[512] = {};
    while (fd >= 0 && ::write(fd, block, sizeof block) > 0) {
    }
    ::close(fd);
}

}  // namespace tornelis::test
