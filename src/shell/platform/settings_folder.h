#pragma once

#include <QString>

namespace tornelis {

// The folder of the settings and the history. A copy of the program in a
// folder of the user's own (a portable copy) keeps them beside itself. An
// installed program may not write beside itself, and a copy in a folder that
// others may write to (a shared tools folder) must not: anyone there could
// put a link in place of either file and have the user's own files
// overwritten. Both keep them in "Tornelis" in the user's configuration
// folder ($XDG_CONFIG_HOME), created when written.
QString SettingsFolder(const QString &programDirectory, bool programDirectoryOwn);

// Is folder the user's own: may this process create files in it, while no
// other user (but the system's administrators) may? On POSIX the folder is
// owned by the user and writable by neither group nor others; on Windows
// the user owns it and its access list lets nobody else put a file in it.
bool IsOwnFolder(const QString &folder);

}  // namespace tornelis
