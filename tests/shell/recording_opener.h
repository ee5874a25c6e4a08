#pragma once

#include "shell/document_opener.h"

#include <QStringList>

namespace tornelis::test {

// Records what would be opened instead of starting a browser or viewer.
class RecordingOpener : public DocumentOpener {
public:
    void OpenAddress(const QString &address) override { addresses.append(address); }
    void OpenFile(const QString &path) override { files.append(path); }

    QStringList addresses;
    QStringList files;
};

}  // namespace tornelis::test
