#include "shell/platform/console.h"

#include <fcntl.h>
#include <initializer_list>
#include <io.h>
#include <windows.h>

namespace tornelis {

void PrepareStandardStreams()
{
    for (std::FILE *stream : {stdin, stdout, stderr})
        _setmode(_fileno(stream), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
}

bool IsConsole(std::FILE *stream)
{
    return _isatty(_fileno(stream)) != 0;
}

}  // namespace tornelis
