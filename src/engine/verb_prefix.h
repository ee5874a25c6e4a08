#pragma once

#include <QStringView>

namespace tornelis {

// The prefix the letters before a word's shared ending start with. A verb
// takes its aspect mostly from its prefix (гуглить, загуглить), so a guess
// counts the analogues whose stems start alike: a prefix of two letters or
// more (за-, по-, пере-), one of a single letter (в-, о-, с-, у-), or none.
enum class VerbPrefix { None, Short, Long };

VerbPrefix VerbPrefixOf(QStringView head);

}  // namespace tornelis
