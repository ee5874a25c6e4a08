#pragma once

#include "shell/platform/single_instance.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace tornelis {

// What the window asks of the system it runs on. Each system has a file of
// its own with these: the Win32 calls on Windows, our stand-ins elsewhere.

// The per-user single instance of the program: on Windows the named mutex
// and named file mapping, elsewhere a lock and a block in a private folder.
std::unique_ptr<SingleInstance> CreateSingleInstance();

// The command line as it was given, the program's name first, split by the
// system's rules (on Windows, quotes group blanks), never losing letters to
// an 8-bit code page.
QStringList CommandLineArguments(int argc, char *argv[]);

// Hands a web address or a local file to the system's default handler
// ("open"); what happens then is not looked at.
void ShellOpen(const QString &addressOrFile, bool isFile);

// Makes "ANSI" the system's ANSI code page where the system has one.
void UseSystemAnsiCodePage();

}  // namespace tornelis
