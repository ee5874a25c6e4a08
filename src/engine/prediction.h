#pragma once

#include "engine/sqlite_database.h"

#include <QList>
#include <QString>

namespace tornelis {

// A lexeme guessed for a word the dictionary lacks, by analogy with the
// dictionary's lexemes that have a form ending as the word does.
struct PredictedLexeme {
    struct Form {
        QString word;
        QString tags;
        int accent = 0;  // 0 unless every lexeme behind the guess agrees
    };
    QString lemma;
    QString lemmaTags;
    QString model;    // the lemma of the dictionary's lexeme the forms follow
    int support = 0;  // the lexemes with this ending, paradigm and place of the word in it
    QList<Form> forms;  // in the model's order
};

inline constexpr int kMostPredictedLexemes = 3;

// The status bar's word for tabs that are guesses.
inline const QString kPredictedStatus = QStringLiteral("Нет в словаре: догадка");

// The lexemes of word, best supported first: those of the longest ending of
// at least three letters that two or more lexemes share, read as a lemma
// unless the word shares a longer ending with other forms (лайкаю of
// лайкать). A verb follows the analogues whose stems start with a prefix as
// the word's does, or without one as the word's does. Proper names are
// models only for a word typed with a capital. None for a dictionary without
// the ending table, or for a word that is no run of Russian letters.
QList<PredictedLexeme> PredictLexemes(const SqliteDatabase &database, const QString &typed);

// "лайкать (глагол (инфинитив), по образцу «читать»)"
QString PredictedCaption(const PredictedLexeme &lexeme);

}  // namespace tornelis
