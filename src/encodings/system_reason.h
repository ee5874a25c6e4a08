#pragma once

#include <QString>

namespace tornelis {

// The system's reason for a failed file operation, as Qt reports it (the C
// library's English text on Linux, the system's text on Windows, or Qt's
// own), in Russian like every other message of the program. A text this
// table does not know is kept as the system gave it.
QString RussianSystemReason(const QString &reason);

// The reasons of the program's own that no system call gives.
QString IsFolderReason();          // "Это папка"
QString IsNoRegularFileReason();   // "Это не обычный файл"

}  // namespace tornelis
