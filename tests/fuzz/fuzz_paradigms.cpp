// paradigms.array decoding: any bytes are paradigms within the given
// counts of suffixes, tags and prefixes, or a clear error.
#include "fuzz_input.h"
#include "opencorpora.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

using namespace tornelis;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const qsizetype suffixes = input.TakeByte() + 1;
    const qsizetype tags = input.TakeByte() + 1;
    try {
        const std::vector<formsdb::Paradigm> paradigms =
            formsdb::ParseParadigms(input.Rest(), QStringLiteral("paradigms.array"), suffixes, tags, 3);
        for (const formsdb::Paradigm &paradigm : paradigms) {
            TORNELIS_FUZZ_CHECK(paradigm.size() > 0);
            TORNELIS_FUZZ_CHECK(paradigm.tagIds.size() == paradigm.size() && paradigm.prefixIds.size() == paradigm.size());
            for (std::size_t i = 0; i < paradigm.size(); ++i)
                TORNELIS_FUZZ_CHECK(paradigm.suffixIds[i] < suffixes && paradigm.tagIds[i] < tags && paradigm.prefixIds[i] < 3);
        }
    } catch (const std::runtime_error &) {
    }
    return 0;
}
