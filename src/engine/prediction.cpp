#include "engine/prediction.h"

#include "engine/other_forms.h"
#include "engine/part_of_speech.h"
#include "engine/proper_names.h"
#include "engine/verb_prefix.h"

#include <algorithm>
#include <array>
#include <optional>

namespace tornelis {
namespace {

constexpr int kShortestEnding = 3;
constexpr int kLongestEnding = 6;
// Stress marks are shown only in a noun's table, and only when at least this
// many lexemes of known stress stand behind the guess and all of them stress
// it alike: so chosen, the marks of guessed tables of held-out lexemes were
// right every time, while those of verbs and adjectives fell short of 99 %.
constexpr int kSureStressSupport = 25;
// A word read as another form than the lemma needs twice as many: with 25,
// 17 of 1,218 marks of held-out lexemes guessed from such a form were wrong.
constexpr int kSureStressSupportOfForm = 50;

// A dictionary whose ending table predates the endings of forms other than
// the lemma predicts nothing.
const QString kHasEndings = QStringLiteral("select 1 from pragma_table_info('guess_endings') where name='position';");
const QString kEndings = QStringLiteral(
    "select lemma,support,paradigm_id,position,model_id,stress,stress_support,stress_known,long_prefix_support,"
    "short_prefix_support from guess_endings where ending=:ENDING order by rowid;");
const QString kParadigm =
    QStringLiteral("select suffix,prop,lemma from guess_paradigms where paradigm_id=:ID order by position;");
const QString kModel = QStringLiteral("select word from forms_view where id=:ID;");

bool IsStressVowel(QChar c)
{
    return QStringView(u"аяоуюеэиы").contains(c);
}

bool IsRussianWord(const QString &word)
{
    const bool letters = std::all_of(word.cbegin(), word.cend(), [](QChar c) {
        return (c >= QChar(u'а') && c <= QChar(u'я')) || c == QChar(u'ё') || c == QChar(u'-');
    });
    return letters && std::any_of(word.cbegin(), word.cend(), [](QChar c) { return IsStressVowel(c) || c == u'ё'; });
}

struct ModelForm {
    QString suffix;
    QString tags;
    bool lemma;
};

QList<ModelForm> ReadParadigm(const SqliteDatabase &database, int paradigmId)
{
    SqliteStatement statement(database, kParadigm);
    statement.bindText(":ID", QString::number(paradigmId));
    QList<ModelForm> forms;
    while (statement.step())
        forms.append({statement.columnText(0), statement.columnText(1), statement.columnInt(2) != 0});
    return forms;
}

QString ReadModel(const SqliteDatabase &database, const QString &modelId)
{
    SqliteStatement statement(database, kModel);
    statement.bindText(":ID", modelId);
    return statement.step() ? statement.columnText(0) : QString();
}

// The place of the stressed vowel counted from the word's start, for a place
// counted from its end; 0 when the form has too few vowels.
int AccentFromStart(const QString &form, int fromEnd)
{
    const int vowels = int(std::count_if(form.cbegin(), form.cend(), IsStressVowel));
    return fromEnd > 0 && fromEnd <= vowels ? vowels - fromEnd + 1 : 0;
}

// The letters from the end of form up to and including its stressed vowel.
qsizetype StressedTail(const QString &form, int fromEnd)
{
    int seen = 0;
    for (qsizetype i = form.size() - 1; i >= 0; --i) {
        if (IsStressVowel(form[i]) && ++seen == fromEnd)
            return form.size() - i;
    }
    return form.size() + 1;
}

// Marks the accents of the guessed forms when the stress lies, in every
// form, within the letters the word shares with its analogues: the ending
// of the model form and the stem letters of the shared lemma ending.
void SetAccents(PredictedLexeme &lexeme, const QList<ModelForm> &model, const QStringList &stress, qsizetype sharedStem)
{
    if (stress.size() != model.size())
        return;
    QList<int> accents;
    for (qsizetype i = 0; i < model.size(); ++i) {
        const int fromEnd = stress.at(i).toInt();
        const QString &form = lexeme.forms.at(i).word;
        if (fromEnd > 0 && StressedTail(form, fromEnd) > model.at(i).suffix.size() + sharedStem)
            return;
        accents.append(AccentFromStart(form, fromEnd));
    }
    for (qsizetype i = 0; i < accents.size(); ++i)
        lexeme.forms[i].accent = accents.at(i);
}

bool IsProperName(const QString &tags)
{
    return HasAnyGrammeme(tags, {u"Name", u"Surn", u"Patr", u"Geox", u"Orgn", u"Trad"});
}

// The lexemes of one ending, lemma endings or the other forms'.
struct Candidates {
    qsizetype length = 0;  // of the ending, 0 while none is found
    QList<PredictedLexeme> lexemes;
};

// The guesses of one row of the ending table for word, whose last length
// letters are the row's ending: none when the paradigm's form at the row's
// place does not end the word, or when too few analogues of a verb start as
// the word does.
std::optional<PredictedLexeme> Guess(const SqliteDatabase &database, const SqliteStatement &row, const QString &word,
                                     qsizetype length, bool capital)
{
    const QList<ModelForm> model = ReadParadigm(database, row.columnInt(2));
    const int position = row.columnInt(3);
    const auto lemma = std::find_if(model.cbegin(), model.cend(), [](const ModelForm &form) { return form.lemma; });
    if (lemma == model.cend() || position >= model.size())
        return std::nullopt;
    const QString &suffix = model.at(position).suffix;
    if (!word.endsWith(suffix) || word.size() <= suffix.size() || (!capital && IsProperName(lemma->tags)))
        return std::nullopt;
    PredictedLexeme lexeme;
    lexeme.support = row.columnInt(1);
    if (lemma->tags.startsWith(QLatin1String("INFN"))) {
        const int longPrefix = row.columnInt(8);
        const int shortPrefix = row.columnInt(9);
        const std::array<int, 3> byPrefix{lexeme.support - longPrefix - shortPrefix, shortPrefix, longPrefix};
        lexeme.support = byPrefix[std::size_t(VerbPrefixOf(QStringView(word).chopped(length)))];
        if (lexeme.support == 0)
            return std::nullopt;
    }
    const QString stem = word.chopped(suffix.size());
    lexeme.lemma = stem + lemma->suffix;
    lexeme.lemmaTags = lemma->tags;
    lexeme.model = ReadModel(database, row.columnText(4));
    for (const ModelForm &form : model)
        lexeme.forms.append({stem + form.suffix, form.tags, 0});
    const int stressSupport = row.columnInt(6);
    const int sureSupport = row.columnInt(0) != 0 ? kSureStressSupport : kSureStressSupportOfForm;
    if (lemma->tags.startsWith(QLatin1String("NOUN")) && stressSupport >= sureSupport && stressSupport == row.columnInt(7))
        SetAccents(lexeme, model, row.columnText(5).split(QLatin1Char(',')), length - suffix.size());
    return lexeme;
}

bool SameLexeme(const PredictedLexeme &a, const PredictedLexeme &b)
{
    const auto sameForm = [](const PredictedLexeme::Form &x, const PredictedLexeme::Form &y) {
        return x.word == y.word && x.tags == y.tags;
    };
    return a.lemma == b.lemma && std::equal(a.forms.cbegin(), a.forms.cend(), b.forms.cbegin(), b.forms.cend(), sameForm);
}

}  // namespace

QList<PredictedLexeme> PredictLexemes(const SqliteDatabase &database, const QString &typed)
{
    const QString word = typed.toLower();
    const bool capital = !typed.isEmpty() && typed.front().isUpper();
    if (!IsRussianWord(word))
        return {};
    {
        SqliteStatement hasEndings(database, kHasEndings);
        if (!hasEndings.step())
            return {};
    }
    // The longest ending the word shares with lemmas, and the longest it
    // shares with other forms.
    Candidates asLemma;
    Candidates asForm;
    for (qsizetype length = std::min<qsizetype>(kLongestEnding, word.size());
         length >= kShortestEnding && (asLemma.length == 0 || asForm.length == 0); --length) {
        SqliteStatement endings(database, kEndings);
        endings.bindText(":ENDING", word.right(length));
        QList<PredictedLexeme> lemmas;
        QList<PredictedLexeme> forms;
        while (endings.step()) {
            if (std::optional<PredictedLexeme> lexeme = Guess(database, endings, word, length, capital))
                (endings.columnInt(0) != 0 ? lemmas : forms).append(std::move(*lexeme));
        }
        for (auto [found, candidates] : {std::pair{&asLemma, &lemmas}, std::pair{&asForm, &forms}}) {
            if (found->length == 0 && !candidates->isEmpty())
                *found = {length, std::move(*candidates)};
        }
    }
    for (Candidates *found : {&asLemma, &asForm}) {
        std::stable_sort(found->lexemes.begin(), found->lexemes.end(),
                         [](const PredictedLexeme &a, const PredictedLexeme &b) { return a.support > b.support; });
    }
    // A word is read as a lemma unless it shares a longer ending with other
    // forms. Demanding two letters more kept the guesses from lemmas of
    // held-out lexemes right a little more often, but those from their
    // other forms right much less often.
    const bool formFirst = asForm.length > asLemma.length;
    QList<PredictedLexeme> predicted;
    for (const Candidates *found : formFirst ? std::array{&asForm, &asLemma} : std::array{&asLemma, &asForm}) {
        for (const PredictedLexeme &lexeme : found->lexemes) {
            const auto same = [&](const PredictedLexeme &shown) { return SameLexeme(shown, lexeme); };
            if (predicted.size() < kMostPredictedLexemes && std::none_of(predicted.cbegin(), predicted.cend(), same))
                predicted.append(lexeme);
        }
    }
    return predicted;
}

QString PredictedCaption(const PredictedLexeme &lexeme)
{
    return CaptionedLemma(lexeme.lemma, lexeme.lemmaTags) + QStringLiteral(" (") + PartOfSpeechLabel(lexeme.lemmaTags, lexeme.lemma) +
           QStringLiteral(", по образцу «") + CaptionedLemma(lexeme.model, lexeme.lemmaTags) + QStringLiteral("»)");
}

}  // namespace tornelis
