#pragma once

#include <QString>

namespace tornelis {

// The short Russian label of the part-of-speech code that starts a tag
// string ("NOUN" -> "существительное"), or the empty text. An adjective
// the source marks as pronominal (Apro: тот, наш) is labelled as a pronoun,
// one marked ordinal (Anum: первый) as a numeral, as school grammar has them;
// a noun that is an abbreviation (Abbr: США, в "век") as "аббревиатура".
// The lemma, where given, names the few lexemes school grammar labels
// otherwise than their tags tell (один: "числительное", данный:
// "прилагательное").
QString PartOfSpeechLabel(const QString &tags, const QString &lemma = QString());

// The label of a finite verb form, the only one that selects the conjugation table.
QString VerbLabel();

}  // namespace tornelis
