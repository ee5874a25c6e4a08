#pragma once

#include <cstdio>

namespace tornelis {

// The standard streams of a command-line program carry the bytes as they
// are, UTF-8 on every system: on Windows no CR LF translation and no end of
// input at Ctrl+Z, and a console is switched to UTF-8 to show them.
void PrepareStandardStreams();

// Is stream a terminal (a console window) rather than a file or a pipe?
bool IsConsole(std::FILE *stream);

}  // namespace tornelis
