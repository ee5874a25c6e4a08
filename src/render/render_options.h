#pragma once

#include "render/letter_case.h"
#include "render/stress.h"

#include <QString>

namespace tornelis {

// How word forms are shown in the tables: the options of the menus
// "Обработка" (stress, syllables), "Регистр" (letter case) and "Вид" (the
// acute accent).
struct RenderOptions {
    bool stressOn = true;
    bool syllablesOn = true;
    LetterCase letterCase = LetterCase::Lower;
    StressMark stressMark = StressMark::Apostrophe;
};

// The text of a table cell for a stored form: RenderForm, then ApplyLetterCase.
QString RenderCell(const QString &word, int accent, const RenderOptions &options);

}  // namespace tornelis
