#pragma once

#include <QByteArray>
#include <QString>

namespace tornelis {

// The 8-bit code page that the encoding "ANSI" stands for: the system's own
// where it has one (set once at start), else Windows-1251. A character the
// code page lacks is encoded as "?".
struct AnsiCodePage {
    QString (*decode)(QByteArrayView bytes);
    QByteArray (*encode)(QStringView text);
};

void UseAnsiCodePage(const AnsiCodePage &codePage);
const AnsiCodePage &CurrentAnsiCodePage();

}  // namespace tornelis
