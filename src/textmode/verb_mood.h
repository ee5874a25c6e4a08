#pragma once

#include "engine/stress_lookup.h"

#include <QByteArrayView>
#include <QList>

namespace tornelis {

// The UTF-8 text around a word of running text, as far as it is at hand.
struct TextAround {
    QByteArrayView before;   // the text right before the word
    bool textStart = false;  // whether before starts where the text does
    QByteArrayView after;    // the text right after the word
};

// Of a word's readings, which disagree on the stress, where every one is a
// second person plural present or future or a plural imperative of a verb
// (смо́трите, смотри́те), what the sentence leaves.
// The clause is the text since the last punctuation (but the apostrophe),
// bracket, quote or dash. The indicative readings when вы or another verb
// only in the second person plural stands before the word in the clause
// (вы смо́трите, знаете и смо́трите), but not right after не (вы не
// смотрите, что я высок: it may be either). All of them, leaving the word
// unmarked, in a clause with a conjunction, a relative or question word
// (если, пока, то, что, кто, который, как: a condition, a question or a
// relative clause, where the indicative is common), or with а вы (а вы
// отпустите: often an imperative); after a comma that ends a main clause in
// the second person (вы изучаете друг друга три недели, любите...); before ли
// or вы (смотрите ли вы); in a question; and where the sentence's start is
// not at hand. Else the imperative ones (подробности смотри́те в).
QList<StressReading> ByMood(StressLookup &stress, const TextAround &around, QList<StressReading> readings);

}  // namespace tornelis
