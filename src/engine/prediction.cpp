#include "engine/prediction.h"

#include "engine/other_forms.h"
#include "engine/part_of_speech.h"
#include "engine/proper_names.h"
#include "render/letter_case.h"

#include <algorithm>

namespace tornelis {
namespace {

constexpr int kShortestEnding = 3;
constexpr int kLongestEnding = 6;
// Stress marks are shown only in a noun's table, and only when at least this
// many lexemes of known stress stand behind the guess and all of them stress
// it alike: so chosen, the marks of guessed tables of held-out lexemes were
// right every time, while those of verbs and adjectives fell short of 99 %.
constexpr int kSureStressSupport = 25;

const QString kHasEndings = QStringLiteral("select 1 from sqlite_master where name='guess_endings';");
const QString kEndings = QStringLiteral(
    "select support,paradigm_id,model_id,stress,stress_support,stress_known from guess_endings where ending=:ENDING"
    " order by rowid;");
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

}  // namespace

QList<PredictedLexeme> PredictLexemes(const SqliteDatabase &database, const QString &typed)
{
    const QString word = typed.toLower();
    const bool capital = !typed.isEmpty() && typed.front().isUpper();
    QList<PredictedLexeme> predicted;
    if (!IsRussianWord(word))
        return predicted;
    {
        SqliteStatement hasEndings(database, kHasEndings);
        if (!hasEndings.step())
            return predicted;
    }
    for (qsizetype length = std::min<qsizetype>(kLongestEnding, word.size()); length >= kShortestEnding && predicted.isEmpty();
         --length) {
        SqliteStatement endings(database, kEndings);
        endings.bindText(":ENDING", word.right(length));
        while (endings.step() && predicted.size() < kMostPredictedLexemes) {
            const QList<ModelForm> model = ReadParadigm(database, endings.columnInt(1));
            const auto lemma = std::find_if(model.cbegin(), model.cend(), [](const ModelForm &form) { return form.lemma; });
            if (lemma == model.cend() || !word.endsWith(lemma->suffix) || word.size() <= lemma->suffix.size() ||
                (!capital && IsProperName(lemma->tags)))
                continue;
            const QString stem = word.chopped(lemma->suffix.size());
            PredictedLexeme lexeme;
            lexeme.lemma = word;
            lexeme.lemmaTags = lemma->tags;
            lexeme.support = endings.columnInt(0);
            lexeme.model = ReadModel(database, endings.columnText(2));
            for (const ModelForm &form : model)
                lexeme.forms.append({stem + form.suffix, form.tags, 0});
            const int stressSupport = endings.columnInt(4);
            if (lemma->tags.startsWith(QLatin1String("NOUN")) && stressSupport >= kSureStressSupport && stressSupport == endings.columnInt(5))
                SetAccents(lexeme, model, endings.columnText(3).split(QLatin1Char(',')), length - lemma->suffix.size());
            predicted.append(lexeme);
        }
    }
    return predicted;
}

// A lemma as a caption shows it: a name with its capital.
QString CaptionWord(const QString &lemma, const QString &tags)
{
    const LetterCase letterCase = LetterCaseOfForm(LetterCase::Lower, lemma, tags);
    return CapitalizeNameParts(ApplyLetterCase(lemma, letterCase), letterCase, lemma, tags);
}

QString PredictedCaption(const PredictedLexeme &lexeme)
{
    return CaptionWord(lexeme.lemma, lexeme.lemmaTags) + QStringLiteral(" (") + PartOfSpeechLabel(lexeme.lemmaTags, lexeme.lemma) +
           QStringLiteral(", по образцу «") + CaptionWord(lexeme.model, lexeme.lemmaTags) + QStringLiteral("»)");
}

}  // namespace tornelis
