#pragma once

#include <QString>

namespace tornelis {

// The word a decline command ran on: the cells holding it stand out until
// the next decline command. Forms compare without stress marks, hyphens and
// letter case, and with ё and е as one letter when ё is not restored.
class TypedForm {
public:
    TypedForm() = default;
    TypedForm(const QString &word, bool yoAsE);

    // Never true for the empty word: then no cell stands out.
    bool Matches(const QString &form) const;

private:
    QString key_;  // the word as compared
    bool yoAsE_ = false;
};

}  // namespace tornelis
