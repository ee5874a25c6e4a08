#include "engine/tab_order.h"

#include <tuple>

namespace tornelis {

bool MetBefore(const LemmaReading &a, const LemmaReading &b)
{
    return std::make_tuple(a.rank, -a.occurrences, a.lemmaId) < std::make_tuple(b.rank, -b.occurrences, b.lemmaId);
}

}  // namespace tornelis
