#pragma once

#include "engine/sqlite_database.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace tornelis {

// The grammemes of a reading that tell how it fits its neighbours in
// running text, one bit each. The second genitive, accusative and
// locative (чаю, в году) count as the first.
enum ReadingGrammeme : quint32 {
    kNominative = 1u << 0,
    kGenitive = 1u << 1,
    kDative = 1u << 2,
    kAccusative = 1u << 3,
    kInstrumental = 1u << 4,
    kLocative = 1u << 5,
    kNoun = 1u << 6,             // NOUN
    kAdjective = 1u << 7,        // ADJF or PRTF: a full adjective or participle
    kShortForm = 1u << 8,        // ADJS or PRTS
    kVerbForm = 1u << 9,         // VERB, INFN, GRND, PRTF or PRTS
    kPreposition = 1u << 10,     // PREP
    kPronominal = 1u << 11,      // Apro: этот, тот, мой
    kPresentGerund = 1u << 12,   // GRND and pres
    kImperative = 1u << 13,      // impr
    kSingular = 1u << 14,
    kPlural = 1u << 15,
    kMasculine = 1u << 16,
    kFeminine = 1u << 17,
    kNeuter = 1u << 18,
    kCommonGender = 1u << 19,    // Ms-f: сирота
    kAnimate = 1u << 20,
    kInanimate = 1u << 21,
    kIndeclinable = 1u << 22,    // Fixd: его, их as possessives
    kConjunction = 1u << 23,     // CONJ
    kSecondPerson = 1u << 24,    // 2per: смотришь, смотрите (the imperative has no person)
    kPerfective = 1u << 25,      // perf
    kInfinitive = 1u << 26,      // INFN
};
constexpr quint32 kCases = kNominative | kGenitive | kDative | kAccusative | kInstrumental | kLocative;

// One reading of a word form, as far as marking running text needs it.
struct StressReading {
    int accent = 0;           // 0: no mark ("ё" carries the stress, or it is unknown)
    bool properName = false;  // Name, Surn, Patr, Geox, Orgn or Trad
    bool marked = false;      // archaic, informal, distorted, erroneous or a variant
    quint32 grammemes = 0;    // ReadingGrammeme bits
    int tag = -1;             // the tag string, numbered as met: readings of one tag share it
    int corpusCount = -1;     // how often the corpus reads the word so; -1: the corpus lacks the word
    int lexeme = 0;           // the id of its lemma's row
    int lemma = -1;           // its lemma's spelling, numbered by LemmaId

    bool has(quint32 bits) const { return (grammemes & bits) != 0; }
    quint32 grammaticalCase() const { return grammemes & kCases; }
};

// The stress of a word form in each of its readings in forms.db, for
// marking running text. Keeps its one statement prepared and remembers the
// answers for the words it met, since a text repeats its words.
class StressLookup {
public:
    // Opens forms.db read-only. Throws DatabaseError, with the message for
    // the user, when it is no dictionary or a later statement fails.
    explicit StressLookup(const QString &path);
    ~StressLookup();

    // Every reading of the lower-case form; none when the form is unknown.
    QList<StressReading> Readings(const QString &lowerCaseForm);

    // The number readings give a lemma spelled so, numbered as met or asked
    // for: a number compares faster than the lemma's text, which every word
    // of a text would compare.
    int LemmaId(const QString &lemma);

    // The stress the stress lists give a form no lexeme has (полужи́рным),
    // where the dictionary carries them; 0 when it has none.
    int ListedAccent(const QString &lowerCaseForm);

    // The form written with "ё" where the dictionary restores it, else nothing.
    std::optional<QString> RestoredYo(const QString &form);

    // Every form of the dictionary spelled with "ё" that form, written with
    // "е", may stand for (твердо: твёрдо); none without the yo_spellings table.
    QStringList YoSpellings(const QString &form);

private:
    StressReading KindOf(const QString &tags);
    void AddCorpusCounts(const QString &lowerCaseForm, QList<QPair<QString, StressReading>> &readings);
    bool HasTable(const QString &name);

    QString path_;
    SqliteDatabase database_;
    std::unique_ptr<SqliteStatement> accents_;
    std::unique_ptr<SqliteStatement> yo_;
    std::unique_ptr<SqliteStatement> corpusCounts_;  // none in a dictionary without the counts
    std::unique_ptr<SqliteStatement> yoSpellings_;  // none in a dictionary without yo_spellings
    std::unique_ptr<SqliteStatement> listed_;  // none in a dictionary without listed_stress
    QHash<QString, QList<StressReading>> remembered_;
    QHash<QString, StressReading> kinds_;
    QHash<QString, int> lemmaIds_;
    QHash<QString, std::optional<QString>> restoredRemembered_;
    QHash<QString, int> listedRemembered_;
    QHash<QString, QStringList> yoSpellingsRemembered_;
};

}  // namespace tornelis
