#pragma once

#include "engine/stress_lookup.h"

#include <QList>

#include <optional>

namespace tornelis {

// The accent of the reading a writer far most often means, by how often
// OpenCorpora's disambiguated corpus reads the word each way: тому́ of тот
// beside то́му of том, по́сле beside после́ of посол. Nothing when the
// corpus lacks the word, when one tag carries two accents (the corpus cannot
// tell them apart), or when the common reading is not common enough.
std::optional<int> CommonAccent(const QList<StressReading> &readings);

}  // namespace tornelis
