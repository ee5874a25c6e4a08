#include "shell/pictures.h"

#include <array>

namespace tornelis {

const char *PictureName(Picture picture)
{
    static const std::array<const char *, 12> names{"floppy", "exit", "copy", "paste", "database", "book",
                                                    "online-book", "info", "open", "back", "next", "tick"};
    return names.at(int(picture));
}

}  // namespace tornelis
