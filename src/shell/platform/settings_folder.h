#pragma once

#include <QString>

namespace tornelis {

// The folder of the settings and the history. A copy of the program in a
// folder it may write to (a portable copy) keeps them beside itself. An
// installed program may not write beside itself: as Windows quietly
// redirects such writes to a per-user store, they go to "Tornelis" in the
// user's configuration folder ($XDG_CONFIG_HOME), created when written.
QString SettingsFolder(const QString &programDirectory, bool programDirectoryWritable);

// May this process create files in folder?
bool IsWritableFolder(const QString &folder);

}  // namespace tornelis
