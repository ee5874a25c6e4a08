#pragma once

#include "render/letter_case.h"

#include <QString>

namespace tornelis {

// The letter case a form is shown in, as a reader writes it: in the mode
// "нижний" a proper name (Москва, Евгений, Толстой) has its capital; an
// abbreviation that names one thing (США, ООН, ДНК, ЕГЭ) is in capitals in
// every mode. Other forms keep the chosen mode.
LetterCase LetterCaseOfForm(LetterCase mode, const QString &word, const QString &tags);

}  // namespace tornelis
