// A history file of any bytes: the entries read, and written back the way
// they were read.
#include "encodings/text_encoding.h"
#include "fuzz_input.h"
#include "shell/history_file.h"

#include <cstdio>
#include <cstdlib>

using namespace tornelis;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const History history = ParseHistory(fuzz::FuzzInput(data, size).Rest());
    for (const QString &entry : history.entries) {
        TORNELIS_FUZZ_CHECK(!entry.isEmpty());
        TORNELIS_FUZZ_CHECK(!entry.contains(u'\n') && !entry.contains(u'\r'));
    }
    return 0;
}
