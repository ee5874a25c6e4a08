#pragma once

#include <QString>

namespace tornelis {

// Publishes where the program lives: the program directory followed by the
// fixed name of the executable, as the string value "Path". On Windows under
// HKEY_CURRENT_USER\SOFTWARE\Quillon Software\Tornelis; elsewhere in the
// section [Tornelis] of the per-user configuration file
// "Quillon Software/Tornelis.conf", which stands in for the registry.
// Returns false only where a failure must end the start (the registry); the
// stand-in is written when it can be.
bool PublishProgramPath(const QString &programDirectory);

// The configuration file that stands in for the registry.
QString ProgramPathFile();

}  // namespace tornelis
