#include "shell/lavender_style.h"
#include "shell/status_panels.h"
#include "shell/string_grid.h"
#include "shell/tform1.h"
#include "shell/tornelis_application.h"
#include "support/test_database.h"
#include "recording_messages.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
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

QList<FormRow> Dictionary()
{
    QList<FormRow> rows;
    rows += Lexeme(1, {{"стол", "NOUN,inan,masc sing,nomn"},
                       {"стола", "NOUN,inan,masc sing,gent"},
                       {"столами", "NOUN,inan,masc plur,ablt"}});
    rows[2].accent = 2;
    rows += Lexeme(10, {{"сталь", "NOUN,inan,femn sing,nomn"}, {"стали", "NOUN,inan,femn sing,gent"}});
    rows += Lexeme(20, {{"стали", "VERB,perf,intr plur,past,indc"},
                        {"станет", "VERB,perf,intr sing,3per,futr,indc"},
                        {"стать", "INFN,perf,intr"}},
                    2);
    rows += Lexeme(30, {{"ёлка", "NOUN,inan,femn sing,nomn"}});
    return rows;
}

QStringList TabCaptions(const QTabBar *tabs)
{
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i)
        captions.append(tabs->tabText(i));
    return captions;
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
    void noDatabaseIsSilent();
    void brokenDatabaseIsReportedOnce();
    void errorInHandlerIsReportedAndProgramGoesOn();

private:
    void open(const QString &databaseKind = QStringLiteral("good"));
    void decline(const QString &word);

    QTemporaryDir dir_;
    RecordingMessages messages_;
    std::unique_ptr<TForm1> form_;
};

void TestTForm1::init()
{
    messages_ = RecordingMessages();
    static_cast<TornelisApplication *>(qApp)->setMessages(&messages_);
}

void TestTForm1::cleanup()
{
    form_.reset();
    QFile::remove(dir_.filePath(QStringLiteral("forms.db")));
}

void TestTForm1::open(const QString &databaseKind)
{
    const QString path = dir_.filePath(QStringLiteral("forms.db"));
    if (databaseKind == QLatin1String("good"))
        WriteTestDatabase(path, Dictionary(), {{"елка", "ёлка"}});
    else if (databaseKind == QLatin1String("no view"))
        WriteTestDatabase(path, Dictionary(), {}, {false, true});
    else if (databaseKind == QLatin1String("broken")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("not a database\n").repeated(64));
    }
    form_ = std::make_unique<TForm1>(dir_.path(), messages_);
    form_->show();
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

void TestTForm1::decline(const QString &word)
{
    form_->ComboBox1->setFocus();
    form_->ComboBox1->setEditText(word);
    QTest::keyClick(form_->ComboBox1, Qt::Key_Return);
}

void TestTForm1::layoutAndMenu()
{
    open();
    TForm1 &form = *form_;
    QCOMPARE(form.windowTitle(), QStringLiteral("Торнелис"));
    QCOMPARE(form.centralWidget()->size() + QSize(0, form.statusBar()->height()), QSize(1055, 458));
    QCOMPARE(form.Image1->width(), 214);
    QCOMPARE(form.BitBtn6->size(), QSize(113, 34));
    QCOMPARE(form.BitBtn1->size(), QSize(100, 35));
    QCOMPARE(form.StringGrid1->Cells(0, 1), QStringLiteral("Именительный (кто,что?)"));
    QCOMPARE(form.StringGrid1->columnWidth(0), 170);
    QCOMPARE(form.StringGrid2->Cells(3, 8), QStringLiteral("Они"));
    QCOMPARE(form.StringGrid2->columnWidth(1), 40);
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
}

void TestTForm1::twoLemmasAndTabSwitch()
{
    open();
    decline(QStringLiteral("стали"));
    TForm1 &form = *form_;
    QCOMPARE(TabCaptions(form.TabControl1), QStringList({"сталь (существительное)", "стать (глагол (инфинитив))"}));
    QCOMPARE(form.PageControl1->currentIndex(), 0);
    QCOMPARE(form.StringGrid1->Cells(2, 2), QStringLiteral("ста-ли"));

    form.TabControl1->setCurrentIndex(1);
    QCOMPARE(form.PageControl1->currentIndex(), 1);
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
    decline(QStringLiteral("столами"));
    form_->findChild<QAction *>(item)->trigger();
    QCOMPARE(form_->StringGrid1->Cells(4, 5), cell);
    QCOMPARE(form_->StatusBar1().text(0), QStringLiteral("Всего запросов: 2"));
}

void TestTForm1::ctrlCInWordBoxRunsTheWindowCopy()
{
    open();
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    form_->ComboBox1->setFocus();
    form_->ComboBox1->setEditText(QStringLiteral("слово"));
    form_->ComboBox1->lineEdit()->selectAll();
    QSignalSpy copy(form_->N14, &QAction::triggered);
    QTest::keyClick(form_->ComboBox1, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(copy.count(), 1);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
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

void TestTForm1::noDatabaseIsSilent()
{
    open(QStringLiteral("none"));
    decline(QStringLiteral("стол"));
    QVERIFY(messages_.messages.isEmpty());
    QCOMPARE(form_->TabControl1->count(), 0);
    QCOMPARE(form_->StatusBar1().text(0), QStringLiteral("Всего запросов: 0"));
}

void TestTForm1::brokenDatabaseIsReportedOnce()
{
    open(QStringLiteral("broken"));
    QCOMPARE(messages_.messages, QStringList{"Ошибка подключения к базе данных"});
    decline(QStringLiteral("стол"));
    decline(QStringLiteral("стол"));
    QCOMPARE(messages_.messages.size(), 1);
    QVERIFY(messages_.errors.isEmpty());
    QCOMPARE(form_->TabControl1->count(), 0);
}

void TestTForm1::errorInHandlerIsReportedAndProgramGoesOn()
{
    open(QStringLiteral("no view"));
    decline(QStringLiteral("стол"));
    QCOMPARE(messages_.errors.size(), 1);
    QVERIFY2(messages_.errors.first().contains(QLatin1String("forms_view")), qPrintable(messages_.errors.first()));
    QVERIFY(messages_.errors.first().endsWith(QLatin1Char('.')));
    QCOMPARE(form_->TabControl1->count(), 0);
    // The window goes on handling events.
    QTest::keyClick(form_->ComboBox1, Qt::Key_F8);
    QVERIFY(form_->N32->isChecked());
    QCOMPARE(messages_.errors.size(), 2);
}

int main(int argc, char *argv[])
{
    TornelisApplication application(argc, argv);
    ApplyLavenderClassico(application);
    TestTForm1 test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_tform1.moc"
