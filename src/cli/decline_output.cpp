#include "cli/decline_output.h"

#include "export/export_text.h"

#include <QJsonArray>

namespace tornelis {
namespace {

struct PageView {
    const ParadigmGrid &cells;
    const ParadigmGrid &tags;
    ParadigmGrid headers;
    TableShape shape;
};

PageView ViewOf(const DeclinedWord::Lemma &lemma)
{
    if (lemma.page == ParadigmPage::Conjugation)
        return {lemma.tables.conjugation, lemma.tables.conjugationTags, ConjugationHeaders(), kConjugationShape};
    return {lemma.tables.declension, lemma.tables.declensionTags, DeclensionHeaders(), kDeclensionShape};
}

bool IsHeader(const TableShape &shape, int column, int row)
{
    return column < shape.fixedColumns || row < shape.fixedRows;
}

// The page "Другие формы" as lines: its caption, header and rows, a heading
// alone on its line; nothing when the lemma has no such form.
QString OtherFormsText(const QList<OtherForm> &forms)
{
    if (forms.isEmpty())
        return {};
    QString text = OtherFormsCaption(forms.size()) + QLatin1Char('\n') + OtherFormsHeaders().join(QLatin1Char('\t')) +
                   QLatin1Char('\n');
    for (const OtherFormsRow &row : OtherFormsRows(forms))
        text += (row.heading ? row.form : row.form + QLatin1Char('\t') + row.description) + QLatin1Char('\n');
    return text;
}

}  // namespace

DeclinedWord DeclineWord(DURIDOD &engine, const QString &word, bool restoreYo, const RenderOptions &render)
{
    const DeclineOutcome outcome = RunDeclineCommand(engine, {word, QString(), restoreYo, render});
    DeclinedWord declined{outcome.word, outcome.readAs, {}};
    for (qsizetype tab = 0; tab < outcome.lemmaCaptions.size(); ++tab) {
        ParadigmTables tables = tab == 0 ? outcome.tables : engine.FillTables(int(tab), render, outcome.typed);
        const ParadigmPage page = tables.page.value_or(ParadigmPage::Declension);
        const PredictedLexeme *predicted = engine.PredictedAt(int(tab));
        declined.lemmas.append({outcome.lemmaCaptions.at(tab), page, std::move(tables), predicted ? predicted->model : QString()});
    }
    return declined;
}

QString DeclinedWordText(const DeclinedWord &declined)
{
    QStringList blocks;
    for (const DeclinedWord::Lemma &lemma : declined.lemmas) {
        const PageView view = ViewOf(lemma);
        QString table = ExportText({0, 0, view.shape.columns - 1, view.shape.rows - 1}, [&view](int column, int row) {
            return IsHeader(view.shape, column, row) ? view.headers.at(column, row) : view.cells.at(column, row);
        });
        table.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        blocks.append(lemma.caption + QLatin1Char('\n') + table + OtherFormsText(lemma.tables.other));
    }
    return blocks.join(QLatin1Char('\n'));
}

QJsonObject DeclinedWordJson(const DeclinedWord &declined)
{
    QJsonArray lemmas;
    for (const DeclinedWord::Lemma &lemma : declined.lemmas) {
        const PageView view = ViewOf(lemma);
        QJsonArray cells;
        for (int row = view.shape.fixedRows; row < view.shape.rows; ++row) {
            for (int column = view.shape.fixedColumns; column < view.shape.columns; ++column) {
                if (view.cells.at(column, row).isEmpty())
                    continue;
                QJsonArray forms;
                for (const CellContent &form : FormsOfCell({view.cells.at(column, row), view.tags.at(column, row)}))
                    forms.append(QJsonObject{{"form", form.text}, {"tags", form.tags}});
                cells.append(QJsonObject{{"row", row},
                                         {"column", column},
                                         {"form", view.cells.at(column, row)},
                                         {"tags", view.tags.at(column, row)},
                                         {"forms", forms}});
            }
        }
        QJsonArray other;
        for (const OtherForm &form : lemma.tables.other)
            other.append(QJsonObject{{"form", form.text}, {"tags", form.tags}, {"group", OtherFormGroupName(form.group)}});
        QJsonObject entry{
            {"caption", lemma.caption},
            {"page", lemma.page == ParadigmPage::Conjugation ? QStringLiteral("conjugation") : QStringLiteral("declension")},
            {"cells", cells},
            {"other", other}};
        if (!lemma.model.isEmpty()) {
            entry.insert(QStringLiteral("predicted"), true);
            entry.insert(QStringLiteral("model"), lemma.model);
        }
        lemmas.append(entry);
    }
    return QJsonObject{{"word", declined.word}, {"lemmas", lemmas}};
}

}  // namespace tornelis
