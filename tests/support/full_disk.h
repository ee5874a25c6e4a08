#pragma once

#include <QString>
#include <QTemporaryDir>

namespace tornelis::test {

// A small file system of its own (a 64 KiB tmpfs over a temporary folder),
// which the test fills up when it is ready: every write after that fails
// with "no space left on device", as on a full disk. Mounting needs root;
// without it available() is false and the test should skip.
class FullDisk {
public:
    FullDisk();
    ~FullDisk();
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

    bool available() const { return mounted_; }
    QString path() const { return dir_.path(); }
    QString filePath(const QString &name) const { return dir_.filePath(name); }

    // Takes up every free byte with a filler file.
    void fill();

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};

}  // namespace tornelis::test
