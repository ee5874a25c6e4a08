#pragma once

#include "render/letter_case.h"

#include <QString>

namespace tornelis {

// How word forms are shown in the tables: the options of the menus
// "Обработка" (stress, syllables) and "Регистр" (letter case).
struct RenderOptions {
    bool stressOn = true;
    bool syllablesOn = true;
    LetterCase letterCase = LetterCase::Lower;
};

// The text of a table cell for a stored form: RenderForm, then ApplyLetterCase.
QString RenderCell(const QString &word, int accent, const RenderOptions &options);

}  // namespace tornelis
