#pragma once

#include <QString>

namespace tornelis {

// Hands a web address or a local file to the desktop's default handler,
// behind a seam so that tests can record what would be opened.
class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;
    virtual void OpenAddress(const QString &address) = 0;
    virtual void OpenFile(const QString &path) = 0;
};

// The system's default handlers: never a shell command line.
class DesktopOpener : public DocumentOpener {
public:
    void OpenAddress(const QString &address) override;
    void OpenFile(const QString &path) override;
};

}  // namespace tornelis
