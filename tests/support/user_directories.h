#pragma once

#include <QString>

namespace tornelis::test {

// Points the user's runtime and configuration folders at a fresh temporary
// folder, so that tests never meet a running Tornelis or the user's files.
// Call before the application object is made. Returns the folder.
QString IsolateUserDirectories();

}  // namespace tornelis::test
