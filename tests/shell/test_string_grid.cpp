#include "shell/string_grid.h"
#include "shell/accent_delegate.h"
#include "shell/lavender_style.h"

#include <QApplication>
#include <QHelpEvent>
#include <QScrollBar>
#include <QToolTip>
#include <QtTest>

using namespace tornelis;

// The grids of the tables, as a user meets them at a small window and a
// large one: what stays put, what widens, what a cut text shows.
class TestStringGrid : public QObject {
    Q_OBJECT

private slots:
    void fixedColumnsStayWhenScrolledSideways_data();
    void fixedColumnsStayWhenScrolledSideways();
    void dataColumnsShareTheWidthAndKeepTheUsersDrag();
    void cutTextShowsWholeAsTooltip();
    void fixedColumnsShowTheirTextsWholeInTheGridsFont_data();
    void fixedColumnsShowTheirTextsWholeInTheGridsFont();
    void acuteAccentIsDrawnAboveItsLetter_data();
    void acuteAccentIsDrawnAboveItsLetter();
};

namespace {

// A grid of the declension (1 fixed column) or conjugation (4) shape, with
// header texts and body cells filled, shown at size.
std::unique_ptr<StringGrid> ShownGrid(int columns, int fixedColumns, const QList<int> &widths, QSize size)
{
    auto grid = std::make_unique<StringGrid>(columns, 7, fixedColumns, 1);
    for (int row = 0; row < 7; ++row) {
        for (int column = 0; column < columns; ++column)
            grid->SetCell(column, row, QStringLiteral("ячейка %1:%2").arg(column).arg(row));
    }
    grid->SetColWidths(widths);
    grid->resize(size);
    grid->show();
    if (!QTest::qWaitForWindowExposed(grid.get()))
        return nullptr;
    return grid;
}

int Sum(const QList<int> &widths, int count)
{
    int sum = 0;
    for (int i = 0; i < count; ++i)
        sum += widths.at(i);
    return sum;
}

}  // namespace

void TestStringGrid::fixedColumnsStayWhenScrolledSideways_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("fixedColumns");
    QTest::addColumn<QList<int>>("widths");
    QTest::newRow("declension") << 5 << 1 << QList<int>{170, 150, 150, 150, 150};
    QTest::newRow("conjugation") << 7 << 4 << QList<int>{90, 40, 60, 80, 150, 150, 150};
}

void TestStringGrid::fixedColumnsStayWhenScrolledSideways()
{
    QFETCH(int, columns);
    QFETCH(int, fixedColumns);
    QFETCH(QList<int>, widths);
    const auto grid = ShownGrid(columns, fixedColumns, widths, {420, 180});
    QVERIFY(grid);
    QScrollBar *sideways = grid->horizontalScrollBar();
    QVERIFY(sideways->maximum() > 0);
    const QRect fixedPart(grid->viewport()->pos(), QSize(Sum(widths, fixedColumns), grid->viewport()->height()));
    const QRect dataPart(fixedPart.topRight() + QPoint(1, 0), QSize(40, fixedPart.height()));
    const QImage fixedBefore = grid->grab(fixedPart).toImage();
    const QImage dataBefore = grid->grab(dataPart).toImage();
    sideways->setValue(sideways->maximum());
    QCoreApplication::processEvents();
    QCOMPARE(grid->grab(fixedPart).toImage(), fixedBefore);
    QVERIFY(grid->grab(dataPart).toImage() != dataBefore);
    // Stepping left with the keyboard brings a cell out from under the fixed columns.
    grid->setFocus();
    grid->setCurrentCell(2, columns - 1);
    QTest::keyClick(grid.get(), Qt::Key_Home);
    QCOMPARE(grid->currentColumn(), fixedColumns);
    QVERIFY(grid->visualItemRect(grid->currentItem()).left() >= Sum(widths, fixedColumns));
}

void TestStringGrid::dataColumnsShareTheWidthAndKeepTheUsersDrag()
{
    const QList<int> widths{170, 150, 150, 150, 150};
    const auto grid = ShownGrid(5, 1, widths, {1170, 180});
    QVERIFY(grid);
    const int room = grid->viewport()->width() - 170;
    for (int column = 1; column < 5; ++column)
        QVERIFY2(std::abs(grid->columnWidth(column) - room / 4) <= 1, qPrintable(QString::number(grid->columnWidth(column))));
    QCOMPARE(grid->horizontalScrollBar()->maximum(), 0);

    // The user drags the border of column 1 to 200; it keeps that width.
    const int border = grid->columnViewportPosition(1) + grid->columnWidth(1);
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, QPoint(border, 30));
    QTest::mouseMove(grid->viewport(), QPoint(border - grid->columnWidth(1) + 200, 30));
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, QPoint(border - grid->columnWidth(1) + 200, 30));
    QCOMPARE(grid->columnWidth(1), 200);
    grid->resize(1400, 180);
    QCoreApplication::processEvents();
    QCOMPARE(grid->columnWidth(1), 200);
    QVERIFY(grid->columnWidth(2) > 150);

    // Never narrower than the widths set.
    grid->resize(300, 180);
    QCoreApplication::processEvents();
    for (int column = 2; column < 5; ++column)
        QCOMPARE(grid->columnWidth(column), 150);
}

void TestStringGrid::cutTextShowsWholeAsTooltip()
{
    const auto grid = ShownGrid(5, 1, {170, 150, 150, 150, 150}, {800, 180});
    QVERIFY(grid);
    const QString long_ = QStringLiteral("дос-топ-ри-ме-ча'-тель-нос-тя-ми и ещё немного текста");
    grid->SetCell(1, 2, long_);
    const auto tooltipAt = [&grid](int column, int row) {
        // A tooltip goes after a short delay.
        QToolTip::hideText();
        if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
            return QStringLiteral("a tooltip that would not go");
        const QRect cell = grid->visualItemRect(grid->item(row, column));
        QHelpEvent help(QEvent::ToolTip, cell.center(), grid->viewport()->mapToGlobal(cell.center()));
        QApplication::sendEvent(grid->viewport(), &help);
        QTest::qWait(400);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    QCOMPARE(tooltipAt(1, 2), long_);
    QCOMPARE(tooltipAt(2, 2), QString());  // "ячейка 2:2" fits
}

// Windows gives item views a font of their own, wider than the program's:
// a fixed column's text is measured in the font its cells are drawn in, the
// grid's, when the texts are written and again when that font changes.
void TestStringGrid::fixedColumnsShowTheirTextsWholeInTheGridsFont_data()
{
    // When the grid gets a font of its own: never (the system's font for
    // item views, under Windows), before its texts, or after them.
    QTest::addColumn<QString>("fontSet");
    QTest::newRow("the system's font for item views") << "never";
    QTest::newRow("a font set before the texts") << "before";
    QTest::newRow("a font set after the texts") << "after";
}

void TestStringGrid::fixedColumnsShowTheirTextsWholeInTheGridsFont()
{
    QFETCH(QString, fontSet);
    QFont wide(QStringLiteral("Liberation Serif"));
    wide.setPixelSize(17);
    auto grid = std::make_unique<StringGrid>(7, 9, 4, 1);
    if (fontSet == QLatin1String("before"))
        grid->setFont(wide);
    const QStringList firstColumn{"Число", "Единственное", "", "", "", "", "Множественное", "", ""};
    for (int row = 0; row < firstColumn.size(); ++row) {
        grid->SetCell(0, row, firstColumn.at(row));
        grid->SetCell(3, row, QStringLiteral("Местоимение"));
    }
    grid->SetHeadingRow(8, QStringLiteral("Деепричастие"), Qt::white, Qt::black);
    grid->SetColWidths({90, 40, 60, 80, 150, 150, 150});
    if (fontSet == QLatin1String("after"))
        grid->setFont(wide);
    grid->resize(820, 240);
    grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(grid.get()));

    // What every view drawing the grid's cells shows of each fixed cell's
    // text, cut as the cells cut it.
    const int margin = CellTextMargin(grid.get());
    QList<const QTableView *> views{grid.get()};
    for (const QTableView *overlay : grid->findChildren<QTableView *>())
        views.append(overlay);
    for (const QTableView *view : views) {
        for (int row = 0; row < 8; ++row) {
            for (int column : {0, 3}) {
                const QModelIndex index = view->model()->index(row, column);
                const QString text = index.data().toString();
                const int room = view->visualRect(index).width() - 2 * margin;
                QCOMPARE(QFontMetricsF(view->font()).elidedText(text, Qt::ElideRight, room), text);
            }
        }
    }
}

// The font's own combining acute at 11 pixels makes и́ look like й: the
// grid draws the mark itself, above the letters, which stay as they are.
void TestStringGrid::acuteAccentIsDrawnAboveItsLetter_data()
{
    QTest::addColumn<QString>("plain");
    QTest::newRow("small letter") << "кни-га";
    QTest::newRow("capital") << "КНИ-ГА";
    QTest::newRow("Е, not Ё") << "ЕЕ";
}

void TestStringGrid::acuteAccentIsDrawnAboveItsLetter()
{
    QFETCH(QString, plain);
    const auto grid = ShownGrid(5, 1, {170, 150, 150, 150, 150}, {800, 180});
    QVERIFY(grid);
    grid->SetCell(1, 1, plain);
    grid->SetCell(2, 1, QString(plain).insert(plain.size() == 2 ? 2 : 3, QChar(0x301)));
    grid->setCurrentCell(3, 3);
    const auto cellImage = [&grid](int column) {
        return grid->viewport()->grab(grid->visualItemRect(grid->item(1, column)).adjusted(1, 1, -1, -1)).toImage();
    };
    const QImage without = cellImage(1);
    const QImage with = cellImage(2);
    QCOMPARE(with.size(), without.size());
    QSet<int> changedRows;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            if (with.pixel(x, y) == without.pixel(x, y))
                continue;
            changedRows.insert(y);
            QVERIFY2(y < with.height() / 2, qPrintable(QStringLiteral("a changed pixel at %1,%2").arg(x).arg(y)));
        }
    }
    // A steep stroke at least three pixels high: the font's own, two high, reads as the breve of й.
    QVERIFY2(changedRows.size() >= 3, qPrintable(QString::number(changedRows.size())));
}

// The program's own look: its font and size are what the marks are drawn for.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    tornelis::ApplyLavenderClassico(app);
    TestStringGrid test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_string_grid.moc"
