#pragma once

#include <QString>

namespace tornelis {

// The word a decline command ran on: the cells holding it stand out until
// the next decline command. Forms compare without stress marks, hyphens and
// letter case, and with ё and е as one letter when ё is not restored.
struct TypedForm {
    QString word;        // empty: no cell stands out
    bool yoAsE = false;  // ё restoration off

    bool Matches(const QString &form) const;
};

}  // namespace tornelis
