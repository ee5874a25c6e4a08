#pragma once

#include <QString>

#include <span>

namespace tornelis {

struct GrammemeRow {
    QString pattern;
    QString replacement;
};

// The ordered substitutions that turn a tag string into Russian: first the
// separators are widened, then each grammeme code becomes its description.
// The order matters: "sing" and "plur" run before the rows whose
// descriptions ("singularia tantum", "pluralia tantum") contain them.
std::span<const GrammemeRow> GrammemeTable();

}  // namespace tornelis
