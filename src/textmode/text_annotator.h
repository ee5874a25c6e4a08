#pragma once

#include "render/stress.h"
#include "textmode/neighbour_rules.h"
#include "textmode/stress_choice.h"
#include "textmode/verb_mood.h"
#include "textmode/worth_doing.h"

#include <QString>

#include <functional>
#include <optional>
#include <stdexcept>

class QIODevice;

namespace tornelis {

class StressLookup;

struct AnnotateOptions {
    bool syllables = false;  // divide each word into syllables as well
    bool restoreYo = true;   // find the stress of "елка" under "ёлка"
    StressMark mark = StressMark::Apostrophe;
};

// A failed read or write of the text, with the message to show.
class StreamError : public std::runtime_error {
public:
    explicit StreamError(const QString &message) : std::runtime_error(message.toStdString()) {}
};

// Marks the stress of every Russian word of a UTF-8 text, keeping every other
// byte as it was: punctuation, spacing, line ends, the letter case of each
// word. Of a word's readings, the likely ones decide (see LikelyReadings): a
// lower-case word is no name, a capitalised one inside a sentence likely is.
// A word with one vowel, a word the dictionary lacks, a word whose likely
// readings disagree on the stress (замок) and the word before does not
// settle (see ReadingsAfter), nor its clause (see ByMood), nor the corpus
// (see CommonAccent), a word whose ё twin is stressed
// elsewhere (слезы, слёзы) and a word that already carries a mark (an
// apostrophe or an acute accent next to it) stay as they are.
class TextAnnotator {
public:
    TextAnnotator(StressLookup &stress, AnnotateOptions options);


    // Streams in to out in pieces; progress(bytes read so far) after each
    // piece. Returns the number of Russian words met; throws StreamError
    // when in cannot be read or out cannot be written.
    qint64 Annotate(QIODevice &in, QIODevice &out, const std::function<void(qint64)> &progress = {});

private:
    // One word: a run of Russian letters, or runs joined by hyphens;
    // sentenceStart: whether it starts a sentence or a line.
    QString AnnotateWord(const QString &word, bool sentenceStart);
    std::optional<qsizetype> StressedIndex(const QString &word, WordCase wordCase);
    std::optional<qsizetype> RestoredYoIndex(const QString &lower, WordCase wordCase);
    std::optional<qsizetype> YoSpellingIndex(const QString &spelling, const QString &lower, WordCase wordCase);
    bool YoTwinStressedElsewhere(const QString &lower, qsizetype stressed, WordCase wordCase);
    QString Marked(const QString &word, std::optional<qsizetype> stressed) const;

    StressLookup &stress_;
    AnnotateOptions options_;
    SeldomMeantLexemes seldomMeant_;
    WorthDoing worthDoing_;  // стоит before an infinitive
    WordBefore before_;  // what stands before the word being marked
    WordBefore word_;    // the word last looked up, as the next one sees it
    TextAround around_;  // the text around the word being marked, for ByMood
};

}  // namespace tornelis
