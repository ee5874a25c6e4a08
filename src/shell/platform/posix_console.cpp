#include "shell/platform/console.h"

#include <unistd.h>

namespace tornelis {

void PrepareStandardStreams()
{
    // Bytes pass unchanged here already, and a terminal takes UTF-8.
}

bool IsConsole(std::FILE *stream)
{
    return isatty(fileno(stream)) != 0;
}

}  // namespace tornelis
