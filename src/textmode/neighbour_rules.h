#pragma once

#include "engine/stress_lookup.h"

#include <QList>
#include <QString>

namespace tornelis {

// What stands right before a word of running text.
struct WordBefore {
    enum class Kind {
        Word,         // a Russian word, with nothing but blanks and line ends between
        Punctuation,  // the start of the text, or . , ; : ! ? (and blanks)
        Unknown,      // anything else: digits, Latin letters, quotes, brackets, dashes
    };
    Kind kind = Kind::Punctuation;
    QString lower;                  // the word, in lower case (Kind::Word only)
    QList<StressReading> readings;  // its likely readings (Kind::Word only)
    // The cases a preposition before it governs, through the words that
    // agree with what follows (по их по́воду, в самом деле); 0: none.
    quint32 governedThrough = 0;
};

// What the next word sees of word, given what stood before word.
WordBefore Following(const WordBefore &previous, WordBefore word);

// Of a word's likely readings, which disagree on the stress, the ones the
// word before allows: a preposition keeps the cases it governs (из ядра́,
// в ру́ки), and so it does through an adjective or pronoun between (по их
// по́воду); a locative needs a preposition or an agreeing word before it
// (по́сле, not после́ of посол, at a sentence's start); an adjective,
// participle or pronoun keeps the nouns that agree with it, and два, три,
// четыре, оба the genitive singular (два ра́за). Then a reading seldom meant
// gives way (see DropRareVerbForms). Keeps them all when none is allowed.
QList<StressReading> ReadingsAfter(const WordBefore &before, const QString &lower, QList<StressReading> readings);

// Of a lower-case noun's readings, which still disagree, the genitive ones
// when a noun in the nominative or accusative stands right before it: its
// attribute (центр я́дра, размер бу́фера). Keeps them all otherwise, and
// when the readings are of more than one lexeme.
QList<StressReading> AsGenitiveAttribute(const WordBefore &before, QList<StressReading> readings);

}  // namespace tornelis
