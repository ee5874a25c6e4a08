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

// The two tables the guesses read, as the dictionary builder creates them.
inline const QString kGuessTablesSchema = QStringLiteral(
    "create table guess_paradigms(paradigm_id integer not null, position integer not null, suffix text not null,"
    " prop text not null, lemma integer not null, primary key(paradigm_id, position)) without rowid;"
    "create table guess_endings(ending text not null, lemma integer not null, support integer not null,"
    " paradigm_id integer not null, position integer not null, model_id integer not null, stress text not null,"
    " stress_support integer not null, stress_known integer not null, long_prefix_support integer not null,"
    " short_prefix_support integer not null);");

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
