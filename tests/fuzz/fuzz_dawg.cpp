// words.dawg decoding: any bytes are a dictionary or a clear error.
#include "dawg.h"
#include "fuzz_input.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

using namespace tornelis;

namespace {

// Stops a walk through a small graph that spells very many keys.
struct EnoughKeys {};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    try {
        const formsdb::Dawg dawg = formsdb::Dawg::FromBytes(fuzz::FuzzInput(data, size).Rest());
        int keys = 0;
        dawg.ForEachKey([&keys](const QByteArray &key) {
            TORNELIS_FUZZ_CHECK(key.size() <= 513);
            if (++keys > 10000)
                throw EnoughKeys();
        });
    } catch (const std::runtime_error &) {
    } catch (const EnoughKeys &) {
    }
    return 0;
}
