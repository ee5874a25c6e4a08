#pragma once

#include "render/letter_case.h"

#include <QString>

namespace tornelis {

// What a lexeme's grammemes say of how its forms are written.
struct NameTags {
    bool proper = false;      // a name, surname, patronymic, place, organisation or trade mark
    bool initialism = false;  // an abbreviation of one thing (ДНК), read letter by letter
};

NameTags NameTagsOf(const QString &tags);

// The letter case a form is shown in, as a reader writes it: in the mode
// "нижний" a proper name (Москва, Евгений, Толстой) has its capital; an
// abbreviation that names one thing (США, ООН, ДНК, ЕГЭ) is in capitals in
// every mode. Other forms keep the chosen mode.
LetterCase LetterCaseOfForm(LetterCase mode, const QString &word, const NameTags &name);
LetterCase LetterCaseOfForm(LetterCase mode, const QString &word, const QString &tags);

// A name of several parts, of a person, a place, an organisation or a trade
// mark, has a capital on each (Нью-Йорк, Санкт-Петербург, Альфа-Банк,
// Авиаприбор-Холдинг), a short link word excepted (Ростов-на-Дону,
// Рио-де-Жанейро), and letters spelt out keep one (Би-би-си). text is word as shown in the letter case mode, syllable
// hyphens and stress marks added; in the mode "Первая заглавная" the letters
// that begin the word's parts get their capital, else text is returned as is.
QString CapitalizeNameParts(const QString &text, LetterCase mode, const QString &word, const NameTags &name);
QString CapitalizeNameParts(const QString &text, LetterCase mode, const QString &word, const QString &tags);

// A lemma as a tab caption shows it: lower case, a name with its capitals.
QString CaptionedLemma(const QString &lemma, const QString &tags);

}  // namespace tornelis
