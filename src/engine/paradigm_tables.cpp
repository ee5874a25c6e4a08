#include "engine/paradigm_tables.h"

#include "engine/nth_field.h"

#include <array>
#include <utility>

namespace tornelis {
namespace {

ParadigmGrid GridFromRows(const TableShape &shape, std::initializer_list<std::initializer_list<const char16_t *>> rows)
{
    ParadigmGrid grid(shape.columns, shape.rows);
    int row = 0;
    for (const auto &texts : rows) {
        int column = 0;
        for (const char16_t *text : texts)
            grid.set(column++, row, QString::fromUtf16(text));
        ++row;
    }
    return grid;
}

// The first code of the list that text contains decides the value.
template <std::size_t N>
std::optional<int> FirstContained(const QString &text, const std::array<std::pair<const char *, int>, N> &codes)
{
    for (const auto &[code, value] : codes) {
        if (text.contains(QLatin1String(code)))
            return value;
    }
    return std::nullopt;
}

constexpr std::array<std::pair<const char *, int>, 6> kCaseRows{{
    {"nomn", 1}, {"gent", 2}, {"datv", 3}, {"accs", 4}, {"ablt", 5}, {"loct", 6}}};
constexpr std::array<std::pair<const char *, int>, 3> kGenderColumns{{{"masc", 1}, {"femn", 2}, {"neut", 3}}};
constexpr int kPastColumn = 5;
constexpr std::array<std::pair<const char *, int>, 3> kTenseColumns{{{"pres", 4}, {"past", kPastColumn}, {"futr", 6}}};
constexpr std::array<std::pair<const char *, int>, 3> kPluralPersonRows{{{"1per", 6}, {"2per", 7}, {"3per", 8}}};
constexpr std::array<std::pair<const char *, int>, 5> kSingularRows{{
    {"1per", 1}, {"2per", 2}, {"masc", 3}, {"femn", 4}, {"neut", 5}}};
constexpr std::array<int, 3> kThirdPersonSingularRows{3, 4, 5};
constexpr int kNeuterRow = 5;
constexpr std::array<int, 3> kPluralRows{6, 7, 8};

}  // namespace

ParadigmGrid DeclensionHeaders()
{
    return GridFromRows(kDeclensionShape, {
        {u"Падеж", u"Мужской род", u"Женский род", u"Средний род", u"Множественное число"},
        {u"Именительный (кто,что?)"},
        {u"Родительный (кого,чего?)"},
        {u"Дательный (кому,чему?)"},
        {u"Винительный (кого,что?)"},
        {u"Творительный (кем,чем?)"},
        {u"Предложный (о ком,о чём?)"},
    });
}

ParadigmGrid ConjugationHeaders()
{
    return GridFromRows(kConjugationShape, {
        {u"Число", u"Лицо", u"Род", u"Местоимение", u"Настоящее время", u"Прошедшее время", u"Будущее время"},
        {u"Единственное", u"1-е", u"", u"Я"},
        {u"", u"2-е", u"", u"Ты"},
        {u"", u"3-е", u"Мужской", u"Он"},
        {u"", u"", u"Женский", u"Она"},
        {u"", u"", u"Средний", u"Оно"},
        {u"Множественное", u"1-е", u"", u"Мы"},
        {u"", u"2-е", u"", u"Вы"},
        {u"", u"3-е", u"", u"Они"},
    });
}

QList<int> DeclensionColumnWidths()
{
    return {170, 150, 150, 150, 150};
}

QList<int> ConjugationColumnWidths()
{
    return {90, 40, 60, 80, 150, 150, 150};
}

QList<CellPosition> PlaceOnDeclension(const QString &tags)
{
    const QString formGroup = NthField(tags, 1, QStringLiteral(" "));
    const std::optional<int> row = FirstContained(formGroup, kCaseRows);
    if (!row)
        return {};
    if (formGroup.contains(QLatin1String("plur")))
        return {{4, *row}};
    // A gender without a number (два, две) is still that gender's form.
    if (const std::optional<int> column = FirstContained(tags, kGenderColumns))
        return {{*column, *row}};
    // Without a gender (я, себя, сколько, пять) the form serves all three.
    QList<CellPosition> cells;
    for (const auto &[code, column] : kGenderColumns)
        cells.append({column, *row});
    return cells;
}

namespace {

enum class Animacy { None, Inanimate, Animate };

// The animacy of an accusative that has two (тот, того); a noun's own
// animacy is none of this, even where the source marks a form of it.
Animacy AccusativeAnimacy(const QString &tags)
{
    // Most tags hold neither: the quick test spares the split.
    if (tags.startsWith(QLatin1String("NOUN")) || !tags.contains(QLatin1String("accs")))
        return Animacy::None;
    const QStringList formGroup = NthField(tags, 1, QStringLiteral(" ")).split(QLatin1Char(','));
    if (formGroup.contains(QLatin1String("inan")))
        return Animacy::Inanimate;
    if (formGroup.contains(QLatin1String("anim")))
        return Animacy::Animate;
    return Animacy::None;
}

}  // namespace

QList<CellContent> FormsOfCell(const CellContent &cell)
{
    if (cell.text.isEmpty())
        return {};
    const QStringList texts = cell.text.split(kCellFormSeparator);
    const QStringList tags = cell.tags.split(kCellFormSeparator);
    if (texts.size() != tags.size())
        return {cell};
    QList<CellContent> forms;
    for (qsizetype i = 0; i < texts.size(); ++i)
        forms.append({texts.at(i), tags.at(i)});
    return forms;
}

bool CellShows(const QString &cellText, const QString &formText)
{
    if (cellText == formText)
        return true;
    // Most cells hold one form: only a cell of two is split.
    return cellText.contains(kCellFormSeparator) && cellText.split(kCellFormSeparator).contains(formText);
}

CellContent MergeIntoCell(const CellContent &shown, const CellContent &coming)
{
    const Animacy comingAnimacy = AccusativeAnimacy(coming.tags);
    if (comingAnimacy == Animacy::None)
        return coming;
    std::optional<CellContent> inanimate;
    std::optional<CellContent> animate;
    for (const CellContent &form : FormsOfCell(shown)) {
        switch (AccusativeAnimacy(form.tags)) {
        case Animacy::Inanimate:
            inanimate = form;
            break;
        case Animacy::Animate:
            animate = form;
            break;
        case Animacy::None:
            return coming;
        }
    }
    (comingAnimacy == Animacy::Inanimate ? inanimate : animate) = coming;
    if (!inanimate || !animate)
        return coming;
    // Where both are spelt alike (an indeclinable adjective) the cell shows the form once.
    if (inanimate->text == animate->text)
        return *inanimate;
    return {inanimate->text + kCellFormSeparator + animate->text, inanimate->tags + kCellFormSeparator + animate->tags};
}

QList<CellPosition> PlaceOnConjugation(const QString &tags)
{
    const std::optional<int> column = FirstContained(tags, kTenseColumns);
    if (!column)
        return {};
    if (tags.contains(QLatin1String("plur"))) {
        if (const std::optional<int> row = FirstContained(tags, kPluralPersonRows))
            return {{*column, *row}};
        // A plural without a person (the past: читали) is the form of Мы, Вы and Они alike.
        QList<CellPosition> cells;
        for (int row : kPluralRows)
            cells.append({*column, row});
        return cells;
    }
    if (!tags.contains(QLatin1String("sing")))
        return {};
    if (const std::optional<int> row = FirstContained(tags, kSingularRows))
        return {{*column, *row}};
    // A truly impersonal verb (хочется, смеркается) has no subject but оно.
    if (tags.contains(QLatin1String("Impe")))
        return {{*column, kNeuterRow}};
    // A third person without a gender (читает), or a present or future
    // without a person (стоит), is the form of Он, Она and Оно alike.
    QList<CellPosition> cells;
    if (tags.contains(QLatin1String("3per")) || *column != kPastColumn) {
        for (int row : kThirdPersonSingularRows)
            cells.append({*column, row});
    }
    return cells;
}

}  // namespace tornelis
