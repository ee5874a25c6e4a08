#include "shell/accent_delegate.h"
#include "shell/handler_guard.h"
#include "shell/lavender_style.h"
#include "shell/status_panels.h"
#include "shell/string_grid.h"
#include "shell/tform1.h"
#include "support/files.h"
#include "window_fixture.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QStatusBar>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace tornelis;
using namespace tornelis::test;

namespace {

QStringList TabCaptions(const QTabBar *tabs)
{
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i)
        captions.append(tabs->tabText(i));
    return captions;
}

// The texts of the cells that stand out as the typed form.
QStringList TypedCellTexts(const StringGrid *grid)
{
    QStringList texts;
    for (int row = 0; row < grid->rowCount(); ++row) {
        for (int column = 0; column < grid->columnCount(); ++column) {
            const QTableWidgetItem *item = grid->item(row, column);
            if (item && item->font().bold() && item->background().color() == TypedCellBackground())
                texts.append(item->text());
        }
    }
    return texts;
}

}  // namespace

class TestTForm1 : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void layoutAndMenu();
    void enterDeclinesTheWord();
    void twoLemmasAndTabSwitch();
    void optionItemsRerunTheCommand_data();
    void optionItemsRerunTheCommand();
    void ctrlCInWordBoxRunsTheWindowCopy();
    void cellInspection_data();
    void cellInspection();
    void otherFormsPageAndTypedCells();
    void noDatabaseIsSilent();
    void brokenDatabaseIsReportedOnce();
    void errorInHandlerIsReportedAndProgramGoesOn();
    void runningOutOfMemoryIsSaidInRussian();
    void longHistoryEntryKeepsTheWindowNarrow();
    void tabLeavesTextBoxAndGrid();
    void alwaysOnTopKeepsTheWindow();
    void everyFocusableControlShowsItsFocus();
    void smallestWindowKeepsEveryControlWhole();
    void newWordStartsFresh();
    void typedCellStaysGoldWhenSelected();
    void everyReadingOfTheTypedWord();
    void tabsShowWholeCaptionsWhileTheyFit();
    void headerRowsStayOnVerticalScroll();
    void fixedColumnsFitTheirTexts();
    void acuteOverACapitalHasRoom();

private:
    void open(WindowFixture::Database database = WindowFixture::Database::Good) { QVERIFY(window_.Open(database)); }
    void decline(const QString &word) { window_.Decline(word); }

    WindowFixture window_;
    TForm1 *form_ = nullptr;
};

void TestTForm1::init()
{
    form_ = nullptr;
}

void TestTForm1::cleanup()
{
    window_.Reset();
}

void TestTForm1::layoutAndMenu()
{
    open();
    form_ = &window_.form();
    TForm1 &form = *form_;
    QCOMPARE(form.windowTitle(), QStringLiteral("Торнелис"));
    QCOMPARE(form.centralWidget()->size() + QSize(0, form.statusBar()->height()), QSize(1055, 458));
    QCOMPARE(form.Image1->width(), 214);
    QCOMPARE(form.BitBtn6->size(), QSize(113, 34));
    QCOMPARE(form.BitBtn1->size(), QSize(100, 35));
    QCOMPARE(form.StringGrid1->Cells(0, 1), QStringLiteral("Именительный (кто,что?)"));
    QVERIFY(form.StringGrid1->columnWidth(0) >= 170);  // wider where the font needs it
    QCOMPARE(form.StringGrid2->Cells(3, 8), QStringLiteral("Они"));
    QVERIFY(form.StringGrid2->columnWidth(1) >= 40);
    QVERIFY(form.StringGrid11->isHidden() && form.StringGrid21->isHidden() && form.Memo1->isHidden());
    QCOMPARE(form.PageControl1->currentIndex(), 0);
    QCOMPARE(form.TabControl1->count(), 0);
    QCOMPARE(QApplication::focusWidget(), form.Memo2);

    // The menu "Настройки" is never shown; the others are.
    QStringList shown;
    for (QAction *menu : form.menuBar()->actions()) {
        if (menu->isVisible())
            shown.append(menu->text());
    }
    QCOMPARE(shown, QStringList({"Файл", "Редактирование", "Вид", "Навигация", "Обработка", "Регистр", "WWW",
                                 "Помощь"}));
    QVERIFY(!form.N16->menuAction()->isVisible());

    // Check and radio items and their defaults.
    for (QAction *item : {form.N13, form.N26, form.N27, form.N28})
        QVERIFY(item->isCheckable() && item->isChecked());
    QVERIFY(form.N33->isChecked() && !form.N32->isChecked() && !form.N34->isChecked());
    QCOMPARE(form.N26->shortcut(), QKeySequence(Qt::Key_F5));
    QCOMPARE(form.N7->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F1));
    QCOMPARE(form.Google1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F4));
    QVERIFY(!form.N10->icon().isNull() && !form.BitBtn6->icon().isNull());
    for (int panel = 0; panel < 5; ++panel)
        QCOMPARE(form.StatusBar1().text(panel), QString());
    QCOMPARE(form.StatusBar1().width(4), 50);
}

void TestTForm1::enterDeclinesTheWord()
{
    open();
    form_ = &window_.form();
    decline(QStringLiteral("СТОЛАМИ"));
    TForm1 &form = *form_;
    QCOMPARE(TabCaptions(form.TabControl1), QStringList{"стол (существительное)"});
    QCOMPARE(form.TabControl1->currentIndex(), 0);
    QCOMPARE(form.PageControl1->currentIndex(), 0);
    QCOMPARE(form.StringGrid1->Cells(1, 1), QStringLiteral("стол"));
    QCOMPARE(form.StringGrid1->Cells(4, 5), QStringLiteral("сто-л'а-ми"));
    QCOMPARE(form.StringGrid11->Cells(4, 5), QStringLiteral("NOUN,inan,masc plur,ablt"));
    QCOMPARE(form.StringGrid1->Cells(2, 1), QString());
    QCOMPARE(form.StatusBar1().text(0), QStringLiteral("Всего запросов: 1"));
    QCOMPARE(form.StatusBar1().text(1), QStringLiteral("Найдено: 1"));
    QCOMPARE(form.StatusBar1().text(2), QStringLiteral("Не найдено: 0"));
    QCOMPARE(form.StatusBar1().alignment(0), Qt::AlignHCenter);

    decline(QStringLiteral("кот"));
    QCOMPARE(form.TabControl1->count(), 0);
    QCOMPARE(form.StringGrid1->Cells(1, 1), QString());
    QCOMPARE(form.StatusBar1().text(2), QStringLiteral("Не найдено: 1"));

    decline(QStringLiteral("елка"));  // ё restored in the word box
    QCOMPARE(form.ComboBox1->currentText(), QStringLiteral("ёлка"));
    QCOMPARE(form.StatusBar1().text(0), QStringLiteral("Всего запросов: 3"));

    // Typed on the Latin layout: read as meant, shown and said so.
    decline(QStringLiteral("cnjkfvb"));
    QCOMPARE(form.ComboBox1->currentText(), QStringLiteral("столами"));
    QCOMPARE(form.StatusBar1().text(3), QStringLiteral("Прочитано как «столами»"));
    QCOMPARE(form.StringGrid1->Cells(1, 1), QStringLiteral("стол"));
    // Stress marks stay in the word box, and nothing is said of them.
    decline(QStringLiteral("сто\u0301лами"));
    QCOMPARE(form.ComboBox1->currentText(), QStringLiteral("сто\u0301лами"));
    QCOMPARE(form.StatusBar1().text(3), QString());
    QCOMPARE(TabCaptions(form.TabControl1), QStringList{"стол (существительное)"});
    QCOMPARE(form.StatusBar1().text(1), QStringLiteral("Найдено: 4"));
}

void TestTForm1::twoLemmasAndTabSwitch()
{
    open();
    form_ = &window_.form();
    decline(QStringLiteral("стали"));
    TForm1 &form = *form_;
    QCOMPARE(TabCaptions(form.TabControl1), QStringList({"сталь (существительное)", "стать (глагол (инфинитив))"}));
    QCOMPARE(form.PageControl1->currentIndex(), 0);
    QCOMPARE(form.StringGrid1->Cells(2, 2), QStringLiteral("ста-ли"));

    form.TabControl1->setFocus();
    form.TabControl1->setCurrentIndex(1);
    QCOMPARE(form.PageControl1->currentIndex(), 1);
    // Each tab, the focused one's wider frame too, lies whole within the bar.
    for (int tab = 0; tab < form.TabControl1->count(); ++tab)
        QVERIFY2(form.TabControl1->rect().contains(form.TabControl1->tabRect(tab)),
                 qPrintable(QStringLiteral("%1 px in a bar of %2").arg(form.TabControl1->tabRect(tab).height()).arg(form.TabControl1->height())));
    QCOMPARE(form.StringGrid1->Cells(2, 2), QString());
    for (int row : {3, 4, 5})
        QCOMPARE(form.StringGrid2->Cells(6, row), QStringLiteral("ста-нет"));
    QCOMPARE(form.StringGrid21->Cells(6, 4), QStringLiteral("VERB,perf,intr sing,3per,futr,indc"));
    QCOMPARE(form.StatusBar1().text(0), QStringLiteral("Всего запросов: 1"));  // a tab change is no request
}

void TestTForm1::optionItemsRerunTheCommand_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("cell");
    QTest::newRow("Ёфикация off") << "N26" << "сто-л'а-ми";
    QTest::newRow("stress off") << "N27" << "сто-ла-ми";
    QTest::newRow("syllables off") << "N28" << "стол'ами";
    QTest::newRow("upper case") << "N32" << "СТО-Л'А-МИ";
    QTest::newRow("lower case again") << "N33" << "сто-л'а-ми";
    QTest::newRow("first capital") << "N34" << "Сто-л'а-ми";
}

void TestTForm1::optionItemsRerunTheCommand()
{
    QFETCH(QString, item);
    QFETCH(QString, cell);
    open();
    form_ = &window_.form();
    decline(QStringLiteral("столами"));
    form_->findChild<QAction *>(item)->trigger();
    QCOMPARE(form_->StringGrid1->Cells(4, 5), cell);
    QCOMPARE(form_->StatusBar1().text(0), QStringLiteral("Всего запросов: 2"));
}

void TestTForm1::ctrlCInWordBoxRunsTheWindowCopy()
{
    open();
    form_ = &window_.form();
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    form_->ComboBox1->setFocus();
    form_->ComboBox1->setEditText(QStringLiteral("слово"));
    form_->ComboBox1->lineEdit()->selectAll();
    QSignalSpy copy(form_->N14, &QAction::triggered);
    QTest::keyClick(form_->ComboBox1, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(copy.count(), 1);
    // The window's Copy put the (empty) declension table there, not the box's text.
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("\t\t\t\r\n").repeated(6));
}

void TestTForm1::cellInspection_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("line");
    QTest::newRow("a form") << 4 << 5
                            << "сто-л'а-ми - имя существительное, неодушевлённое, мужской род  множественное число, "
                               "творительный падеж";
    QTest::newRow("an empty cell") << 2 << 3 << " - ";
}

void TestTForm1::cellInspection()
{
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QString, line);
    open();
    form_ = &window_.form();
    decline(QStringLiteral("столами"));
    StringGrid *grid = form_->StringGrid1;
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));

    // A header cell is never inspected.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(0, 2)).center());
    QCOMPARE(form_->StatusBar1().text(0), QStringLiteral("Всего запросов: 1"));

    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(row, column)).center());
    QCOMPARE(form_->StatusBar1().text(0), line);
    QCOMPARE(form_->StatusBar1().width(0), 1500);
    QCOMPARE(form_->StatusBar1().alignment(0), Qt::AlignLeft);
    QCOMPARE(QGuiApplication::clipboard()->text(), line);

    // Moving with the keyboard inspects the new cell; the next lookup restores panel 0.
    QTest::keyClick(grid, Qt::Key_Up);
    QVERIFY(form_->StatusBar1().text(0).startsWith(form_->StringGrid1->Cells(column, row - 1) + " - "));
    decline(QStringLiteral("стол"));
    QCOMPARE(form_->StatusBar1().width(0), 170);
    QCOMPARE(form_->StatusBar1().text(0), QStringLiteral("Всего запросов: 2"));
}

void TestTForm1::otherFormsPageAndTypedCells()
{
    open();
    form_ = &window_.form();
    TForm1 &form = *form_;
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    decline(QStringLiteral("стали"));
    // The typed form stands out without becoming the current cell or being inspected.
    QVERIFY(form.StringGrid1->item(2, 2)->font().bold());
    QVERIFY(!form.StringGrid1->item(1, 1)->font().bold());
    QCOMPARE(form.StringGrid1->item(2, 2)->background().color(), TypedCellBackground());
    QCOMPARE(form.StringGrid1->currentRow(), 1);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    QCOMPARE(form.PageControl1->tabText(2), QStringLiteral("Другие формы"));
    QCOMPARE(form.StringGrid3->rowCount(), 1);

    // Another lemma of the same word: its cells of that word stand out too.
    form.TabControl1->setCurrentIndex(1);
    for (int row : {6, 7, 8})
        QVERIFY(form.StringGrid2->item(row, 5)->font().bold());
    QVERIFY(!form.StringGrid2->item(3, 6)->font().bold());
    QCOMPARE(form.PageControl1->tabText(2), QStringLiteral("Другие формы (1)"));
    QCOMPARE(form.StringGrid3->Cells(0, 1), QStringLiteral("Инфинитив"));
    QCOMPARE(form.StringGrid3->Cells(0, 2), QStringLiteral("стать"));
    QVERIFY(!form.StringGrid3->IsBodyCell(0, 1));  // a heading is never current

    // The page inspects and exports like the other two.
    form.PageControl1->setCurrentIndex(2);
    StringGrid *grid = form.StringGrid3;
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(2, 1)).center());
    const QString line = QStringLiteral("стать - глагол (инфинитив), совершенный вид, непереходный");
    QCOMPARE(form.StatusBar1().text(0), line);
    QCOMPARE(QGuiApplication::clipboard()->text(), line);
    grid->selectAll();
    form.N14Click();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("Форма\tОписание\r\nИнфинитив\t\r\nстать\tглагол (инфинитив), совершенный вид, непереходный\r\n"));

    // The next decline command leaves no cell standing out but its own.
    decline(QStringLiteral("стол"));
    QVERIFY(!form.StringGrid1->item(2, 2)->font().bold());
    QVERIFY(form.StringGrid1->item(1, 1)->font().bold());
    QCOMPARE(form.PageControl1->currentIndex(), 0);
}

void TestTForm1::noDatabaseIsSilent()
{
    open(WindowFixture::Database::None);
    form_ = &window_.form();
    decline(QStringLiteral("стол"));
    QVERIFY(window_.messages.messages.isEmpty());
    QCOMPARE(form_->TabControl1->count(), 0);
    QCOMPARE(form_->StatusBar1().text(0), QStringLiteral("Всего запросов: 0"));
}

void TestTForm1::brokenDatabaseIsReportedOnce()
{
    open(WindowFixture::Database::Broken);
    form_ = &window_.form();
    QCOMPARE(window_.messages.messages, QStringList{"Ошибка подключения к базе данных"});
    decline(QStringLiteral("стол"));
    decline(QStringLiteral("стол"));
    QCOMPARE(window_.messages.messages.size(), 1);
    QVERIFY(window_.messages.errors.isEmpty());
    QCOMPARE(form_->TabControl1->count(), 0);
}

void TestTForm1::errorInHandlerIsReportedAndProgramGoesOn()
{
    open(WindowFixture::Database::WithoutFormsView);
    form_ = &window_.form();
    decline(QStringLiteral("стол"));
    QCOMPARE(window_.messages.errors.size(), 1);
    QVERIFY2(window_.messages.errors.first().startsWith(QStringLiteral("Словарь «")) &&
                 window_.messages.errors.first().contains(QStringLiteral("forms.db» повреждён")),
             qPrintable(window_.messages.errors.first()));
    QVERIFY(window_.messages.errors.first().endsWith(QLatin1Char('.')));
    QCOMPARE(form_->TabControl1->count(), 0);
    // The window goes on handling events.
    QTest::keyClick(form_->ComboBox1, Qt::Key_F8);
    QVERIFY(form_->N32->isChecked());
    QCOMPARE(window_.messages.errors.size(), 2);
}

void TestTForm1::runningOutOfMemoryIsSaidInRussian()
{
    QString reported;
    RunHandler([] { throw std::bad_alloc(); }, [&reported](const QString &message) { reported = message; });
    QCOMPARE(reported, QStringLiteral("Не хватает памяти: команда не выполнена"));
}

// The word box does not grow to fit a long line of the history.
void TestTForm1::longHistoryEntryKeepsTheWindowNarrow()
{
    QVERIFY(WriteBytes(window_.FilePath(QStringLiteral("Tornelis.history")),
                       "short\r\n" + QByteArray(300, 'w') + "\r\n"));
    open();
    QCOMPARE(window_.form().ComboBox1->count(), 2);
    QCOMPARE(window_.form().ComboBox1->currentText(), QString());  // the box starts empty
    QVERIFY2(window_.form().minimumSizeHint().width() < 1000,
             QByteArray::number(window_.form().minimumSizeHint().width()));
    QVERIFY(window_.form().width() < 1280);
}

// Tab goes on to the next control: it types no TAB into the user's text and
// does not walk the grid's cells, inspecting each.
void TestTForm1::tabLeavesTextBoxAndGrid()
{
    open();
    TForm1 &form = window_.form();
    form.Memo2->setPlainText(QStringLiteral("мама"));
    form.Memo2->setFocus();
    QTest::keyClick(form.Memo2, Qt::Key_Tab);
    QCOMPARE(form.Memo2->toPlainText(), QStringLiteral("мама"));
    QCOMPARE(QApplication::focusWidget(), form.BitBtn1);

    decline(QStringLiteral("стол"));
    form.StringGrid1->setFocus();
    form.StringGrid1->setCurrentCell(1, 1);
    const QString inspection = form.StatusBar1().text(0);
    QTest::keyClick(form.StringGrid1, Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != form.StringGrid1);
    QCOMPARE(form.StringGrid1->currentColumn(), 1);
    QCOMPARE(form.StatusBar1().text(0), inspection);
}

// A keyboard user sees where the focus is: each control the Tab key reaches
// looks different with the focus than without it.
void TestTForm1::everyFocusableControlShowsItsFocus()
{
    open();
    TForm1 &form = window_.form();
    decline(QStringLiteral("стали"));  // two lemma tabs
    QList<QWidget *> reached;
    for (QWidget *widget = form.Memo2;;) {
        // A tab strip's own scroll arrows are no stop of the Tab key.
        const bool tabStripArrow = qobject_cast<QTabBar *>(widget->parentWidget()) != nullptr;
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisible() && widget->isEnabled() &&
            widget->window() == &form && !tabStripArrow && !reached.contains(widget))
            reached.append(widget);
        widget = widget->nextInFocusChain();
        if (widget == form.Memo2)
            break;
    }
    QVERIFY(reached.size() >= 8);
    for (QWidget *widget : std::as_const(reached)) {
        QWidget *other = widget == form.Memo2 ? static_cast<QWidget *>(form.BitBtn1) : form.Memo2;
        other->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(!widget->hasFocus());
        const QImage without = widget->grab().toImage();
        widget->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(widget->hasFocus());
        QVERIFY2(widget->grab().toImage() != without,
                 qPrintable(widget->metaObject()->className() + QStringLiteral(" ") + widget->objectName()));
    }
}

// The stacking order changes on the window that is there: no new window.
void TestTForm1::alwaysOnTopKeepsTheWindow()
{
    open();
    TForm1 &form = window_.form();
    const WId window = form.winId();
    for (bool onTop : {true, false, true}) {
        if (form.N13->isChecked() != onTop)
            form.N13->trigger();
        QCOMPARE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        QCOMPARE(form.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        QCOMPARE(form.winId(), window);
        QVERIFY(form.isVisible());
    }
}

// At its smallest the window still shows every control whole, none over another.
void TestTForm1::smallestWindowKeepsEveryControlWhole()
{
    open();
    TForm1 &form = window_.form();
    form.resize(1, 1);
    QTest::qWait(50);
    QVERIFY(form.width() >= form.minimumWidth() && form.minimumWidth() > 300);
    const QList<QWidget *> controls{form.Memo2, form.ComboBox1, form.BitBtn6, form.BitBtn1, form.BitBtn2,
                                    form.BitBtn3, form.BitBtn4, form.BitBtn5, form.PageControl1, form.Image1};
    for (QWidget *control : controls) {
        QVERIFY2(control->width() >= control->minimumSizeHint().width() || control == form.Image1,
                 qPrintable(control->objectName()));
        const QRect area(control->mapTo(&form, QPoint(0, 0)), control->size());
        for (QWidget *other : controls) {
            if (other != control)
                QVERIFY2(!area.intersects(QRect(other->mapTo(&form, QPoint(0, 0)), other->size())),
                         qPrintable(control->objectName() + QStringLiteral(" over ") + other->objectName()));
        }
    }
}

// The last word's selection and scrolling are gone when a new word comes.
void TestTForm1::newWordStartsFresh()
{
    open();
    TForm1 &form = window_.form();
    decline(QStringLiteral("стали"));
    StringGrid *grid = form.StringGrid1;
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(3, 4)).center());
    QCOMPARE(grid->selectedItems().size(), 1);
    form.TabControl1->setCurrentIndex(1);
    form.PageControl1->setCurrentIndex(2);
    QTest::mouseClick(form.StringGrid3->viewport(), Qt::LeftButton, {},
                      form.StringGrid3->visualItemRect(form.StringGrid3->item(2, 1)).center());
    QCOMPARE(form.StringGrid3->selectedItems().size(), 1);

    decline(QStringLiteral("стол"));
    for (StringGrid *each : {form.StringGrid1, form.StringGrid2, form.StringGrid3}) {
        QVERIFY2(each->selectedItems().isEmpty(), qPrintable(each->objectName()));
        QCOMPARE(each->verticalScrollBar()->value(), 0);
        QVERIFY(each->IsBodyCell(each->currentColumn(), each->currentRow()) || each->rowCount() == each->FixedRows());
    }
    QCOMPARE(std::pair(grid->currentColumn(), grid->currentRow()), std::pair(1, 1));

    // "Другие формы" of a word with many of them starts at its top.
    decline(QStringLiteral("стали"));
    form.TabControl1->setCurrentIndex(1);
    form.PageControl1->setCurrentIndex(2);
    form.StringGrid3->verticalScrollBar()->setValue(form.StringGrid3->verticalScrollBar()->maximum());
    decline(QStringLiteral("стали"));
    QCOMPARE(form.StringGrid3->verticalScrollBar()->value(), 0);
    QVERIFY(form.StringGrid3->selectedItems().isEmpty());
}

// The typed form's cell keeps its gold when it is the selected cell, framed
// in the selection's colour.
void TestTForm1::everyReadingOfTheTypedWord()
{
    open();
    TForm1 &form = window_.form();
    // Typed with е: the lemmas of both spellings, the typed form marked in each.
    decline(QStringLiteral("осел"));
    QCOMPARE(TabCaptions(form.TabControl1), QStringList({"осесть (глагол (инфинитив))", "осёл (существительное)"}));
    QCOMPARE(form.ComboBox1->currentText(), QStringLiteral("осел"));
    QCOMPARE(TypedCellTexts(form.StringGrid2), QStringList{"о-сел"});
    form.TabControl1->setCurrentIndex(1);
    QCOMPARE(form.PageControl1->currentIndex(), 0);
    QCOMPARE(TypedCellTexts(form.StringGrid1), QStringList{"о-сёл"});
    QCOMPARE(form.StatusBar1().text(1), QStringLiteral("Найдено: 1"));

    decline(QStringLiteral("узнает"));
    QCOMPARE(TabCaptions(form.TabControl1), QStringList({"узнать (глагол (инфинитив))", "узнавать (глагол (инфинитив))"}));
    QCOMPARE(TypedCellTexts(form.StringGrid2).size(), 3);  // он, она, оно
    form.TabControl1->setCurrentIndex(1);
    QCOMPARE(TypedCellTexts(form.StringGrid2), QStringList(3, QStringLiteral("уз-на-ёт")));

    // The reading the corpus meets more often first, whatever the lexeme numbers.
    decline(QStringLiteral("конечно"));
    QCOMPARE(TabCaptions(form.TabControl1), QStringList({"конечно (союз)", "конечный (прилагательное)"}));
    QCOMPARE(form.StatusBar1().text(0), QStringLiteral("Всего запросов: 3"));
    QCOMPARE(form.StatusBar1().text(1), QStringLiteral("Найдено: 3"));
}

void TestTForm1::typedCellStaysGoldWhenSelected()
{
    open();
    TForm1 &form = window_.form();
    decline(QStringLiteral("стали"));
    StringGrid *grid = form.StringGrid1;
    const QRect cell = grid->visualItemRect(grid->item(2, 2));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QVERIFY(grid->item(2, 2)->isSelected());
    QTest::mouseMove(grid->viewport(), QPoint(5, 5));  // no hover over the cells looked at
    const QImage shown = grid->viewport()->grab().toImage();
    const qreal scale = shown.devicePixelRatio();
    const auto pixel = [&](int x, int y) { return QColor(shown.pixel(QPoint(x, y) * scale)); };
    // The style may shade the current cell a little.
    const auto near = [](QColor a, QColor b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) < 24;
    };
    QVERIFY(near(pixel(cell.right() - 6, cell.top() + 5), TypedCellBackground()));
    QCOMPARE(pixel(cell.left() + 1, cell.center().y()), form.palette().color(QPalette::Highlight));
    // Another selected cell shows the selection's colour.
    const QRect other = grid->visualItemRect(grid->item(3, 3));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, other.center());
    QTest::mouseMove(grid->viewport(), QPoint(5, 5));
    const QImage next = grid->viewport()->grab().toImage();
    QVERIFY(near(QColor(next.pixel(QPoint(other.right() - 6, other.top() + 5) * scale)),
                 form.palette().color(QPalette::Highlight)));
}

void TestTForm1::tabsShowWholeCaptionsWhileTheyFit()
{
    open();
    TForm1 &form = window_.form();
    decline(QStringLiteral("стали"));
    QTabBar *tabs = form.TabControl1;
    const auto scrollArrowsShown = [tabs] {
        for (const QToolButton *arrow : tabs->findChildren<QToolButton *>()) {
            if (arrow->isVisible())
                return true;
        }
        return false;
    };
    const auto wholeAndInside = [tabs] {
        for (int i = 0; i < tabs->count(); ++i) {
            const QRect tab = tabs->tabRect(i);
            if (tab.left() < 0 || tab.right() > tabs->rect().right() ||
                tab.width() < tabs->fontMetrics().horizontalAdvance(tabs->tabText(i)))
                return false;
        }
        return true;
    };
    for (int index : {1, 0, 1}) {
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
        QCOMPARE(tabs->currentIndex(), index);
        QVERIFY(wholeAndInside());
        QVERIFY(!scrollArrowsShown());
    }
    // Tabs that cannot fit scroll, with their arrows.
    for (int i = 0; i < 6; ++i)
        tabs->addTab(QString(30, QChar(u'я')));
    QTest::qWait(20);
    QVERIFY(scrollArrowsShown());
}

// At the smallest window the tables scroll up and down under their header rows.
void TestTForm1::headerRowsStayOnVerticalScroll()
{
    open();
    TForm1 &form = window_.form();
    form.resize(1, 1);
    form.PageControl1->setCurrentIndex(1);
    StringGrid *grid = form.StringGrid2;
    QTest::qWait(20);
    QVERIFY(grid->verticalScrollBar()->maximum() > 0);
    const QRect headerRow(grid->viewport()->geometry().topLeft(), QSize(grid->viewport()->width(), grid->rowHeight(0)));
    const QImage headers = grid->grab(headerRow).toImage();

    // A verb's table, a cell picked low in it, and the grid scrolled to its end.
    decline(QStringLiteral("стали"));
    form.TabControl1->setCurrentIndex(1);
    form.PageControl1->setCurrentIndex(1);
    const QImage bodyBefore = grid->grab(headerRow.translated(0, grid->rowHeight(0))).toImage();
    grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());
    QTest::qWait(20);
    const QModelIndex low = grid->indexAt(QPoint(grid->viewport()->width() - 30, grid->viewport()->height() - 5));
    QVERIFY(low.isValid() && low.row() > 1);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(low).center());
    QCOMPARE(grid->currentRow(), low.row());
    QTest::qWait(20);
    QCOMPARE(grid->grab(headerRow).toImage(), headers);
    QVERIFY(grid->grab(headerRow.translated(0, grid->rowHeight(0))).toImage() != bodyBefore);
    // A click in the header row selects nothing under it.
    grid->clearSelection();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(grid->viewport()->width() - 20, 5));
    QVERIFY(grid->selectedItems().isEmpty());
}

void TestTForm1::fixedColumnsFitTheirTexts()
{
    open();
    TForm1 &form = window_.form();
    for (StringGrid *grid : {form.StringGrid1, form.StringGrid2}) {
        for (int column = 0; column < grid->FixedCols(); ++column) {
            for (int row = 0; row < grid->rowCount(); ++row) {
                const QString text = grid->Cells(column, row);
                QVERIFY2(grid->fontMetrics().horizontalAdvance(text) + 2 * CellTextMargin(grid) <= grid->columnWidth(column),
                         qPrintable(text));
            }
        }
    }
}

// In upper case the acute mark stays clear of the row's top line.
void TestTForm1::acuteOverACapitalHasRoom()
{
    open();
    TForm1 &form = window_.form();
    form.N36->setChecked(true);
    form.N32->trigger();
    decline(QStringLiteral("столами"));
    StringGrid *grid = form.StringGrid1;
    const QImage shown = grid->viewport()->grab().toImage();
    const qreal scale = shown.devicePixelRatio();
    int cellsSeen = 0;
    for (int row = 1; row < grid->rowCount(); ++row) {
        for (int column = 1; column < grid->columnCount(); ++column) {
            const QString text = grid->Cells(column, row);
            if (!text.contains(QChar(0x301)) || text != text.toUpper())
                continue;
            ++cellsSeen;
            const QRect cell = grid->visualItemRect(grid->item(row, column));
            const QRgb background = shown.pixel(QPoint(cell.right() - 2, cell.top()) * scale);
            for (int y = cell.top(); y <= cell.top() + 1; ++y) {
                for (int x = cell.left(); x < cell.right(); ++x) {
                    QVERIFY2(shown.pixel(QPoint(x, y) * scale) == background, qPrintable(text));
                }
            }
        }
    }
    QVERIFY(cellsSeen >= 1);
}

TORNELIS_WINDOW_TEST_MAIN(TestTForm1)

#include "test_tform1.moc"
