#include "lookups/about_figure.h"
#include "shell/about_box.h"
#include "shell/select_words_database.h"
#include "shell/text_file_dialogs.h"
#include "support/files.h"
#include "support/test_database.h"
#include "window_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTabBar>
#include <QTimer>
#include <QtTest>

using namespace tornelis;
using namespace tornelis::test;

// The web lookups, help, the About box and the database dialog through the real window.
class TestLookupsDialogs : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void webLookupsSendTheCurrentWord();
    void helpOpensTheFileAndTheSite();
    void aboutBoxFollowsThePointer();
    void aboutBoxShownByTheMenu();
    void databaseDialogStoresAnExistingFile();
    void databaseDialogRefusesMissingFiles_data();
    void databaseDialogRefusesMissingFiles();
    void storedPathServesOnlyWhileNotConnected();
    void fileDialogsSpeakRussianAndRememberTheFolder();

private:
    // Runs step while the dialog is shown modally by show().
    void whileShown(QDialog &dialog, const std::function<void()> &show, const std::function<void()> &step);

    TForm1 &form() { return window_.form(); }
    WindowFixture window_;
};

void TestLookupsDialogs::init()
{
    QVERIFY(window_.Open());
}

void TestLookupsDialogs::cleanup()
{
    window_.Reset();
}

void TestLookupsDialogs::whileShown(QDialog &dialog, const std::function<void()> &show,
                                    const std::function<void()> &step)
{
    QTimer::singleShot(0, &dialog, [&dialog, step] {
        QVERIFY(dialog.isVisible());
        step();
        if (dialog.isVisible())
            dialog.reject();
    });
    show();
}

void TestLookupsDialogs::webLookupsSendTheCurrentWord()
{
    const WebHosts hosts;
    const auto last = [this] { return window_.opener.addresses.last(); };

    form().ComboBox1->setEditText(QString());  // no tabs, an empty word box: the prefix alone
    form().N35->trigger();
    QCOMPARE(last(), hosts.wiktionary + "/wiki/");

    window_.Decline(QStringLiteral("стали"));  // two lemma tabs
    QTest::keyClick(form().ComboBox1, Qt::Key_F2, Qt::ControlModifier);
    QCOMPARE(last(), hosts.wiktionary + "/wiki/сталь");
    form().TabControl1->setCurrentIndex(1);
    form().ComboBox1->setEditText(QStringLiteral("набрано, но не найдено"));
    QTest::keyClick(form().ComboBox1, Qt::Key_F3, Qt::ControlModifier);
    QCOMPARE(last(), hosts.promptOne + "/grammar/ru-en/стать");

    window_.Decline(QStringLiteral("два слова?"));  // not found: the box as typed
    QTest::keyClick(form().ComboBox1, Qt::Key_F4, Qt::ControlModifier);
    QCOMPARE(last(), hosts.googleTranslate + "/?hl=ru#view=home&op=translate&sl=ru&tl=en&text=два слова?");
    QCOMPARE(window_.opener.addresses.size(), 4);
}

void TestLookupsDialogs::helpOpensTheFileAndTheSite()
{
    QTest::keyClick(form().ComboBox1, Qt::Key_F1);
    QCOMPARE(window_.opener.files, QStringList{QDir(window_.ProgramDirectory()).filePath("Tornelis.chm")});
    QTest::keyClick(form().ComboBox1, Qt::Key_F1, Qt::ShiftModifier);
    QCOMPARE(window_.opener.addresses, QStringList{OnlineHelpAddress(WebHosts())});
}

void TestLookupsDialogs::aboutBoxFollowsThePointer()
{
    TAboutBox &box = *form().AboutBox;
    QVERIFY(box.isHidden());
    QVERIFY(box.Timer1->isActive());
    QCOMPARE(box.Images.size(), 9);
    for (int picture = 1; picture <= 9; ++picture)
        QVERIFY(QSvgRenderer(AboutFigureSvg(picture)).isValid());

    const QPoint reference = box.frameGeometry().topLeft() + QPoint(5, 16);
    const QList<std::pair<QPoint, int>> pointers{
        {reference + QPoint(50, 50), 5}, {reference + QPoint(-1, -1), 1}, {reference + QPoint(100, 99), 6},
        {reference + QPoint(0, 100), 8}, {reference + QPoint(99, 0), 5}};
    for (const auto &[pointer, picture] : pointers) {
        QCursor::setPos(pointer);
        if (QCursor::pos() != pointer)
            QSKIP("this platform does not move the pointer");
        box.Timer1Timer();
        QCOMPARE(box.VisiblePicture(), picture);
        int shown = 0;
        for (QLabel *image : box.Images)
            shown += image->isHidden() ? 0 : 1;
        QCOMPARE(shown, 1);
    }
}

void TestLookupsDialogs::aboutBoxShownByTheMenu()
{
    TAboutBox &box = *form().AboutBox;
    QCOMPARE(box.windowTitle(), QStringLiteral("О программе"));
    QCOMPARE(box.size(), QSize(326, 242));
    // A dialog's frame: its title and a close button, neither minimized nor maximized.
    QVERIFY(box.windowFlags().testFlag(Qt::CustomizeWindowHint));
    QVERIFY(!(box.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(box.ProductName->text(), QStringLiteral("Торнелис"));
    QCOMPARE(box.Version->text(), QStringLiteral("Версия 3.1"));
    // The legal notices: the program's licence, the data's and the libraries', whole in the box.
    for (const char *notice : {"GNU GPL версии 3 или новее", "OpenCorpora, CC BY-SA 3.0", "GPL 3", "eyo-kernel, MIT",
                               "Qt, LGPL 3.0 / GPL", "SQLite, общественное достояние"})
        QVERIFY2(box.Licences->text().contains(QString::fromUtf8(notice)), notice);
    QVERIFY(box.Licences->geometry().right() < box.Panel1->contentsRect().right());
    QVERIFY(box.Licences->sizeHint().width() <= box.Licences->width());
    QVERIFY(box.Licences->sizeHint().height() <= box.Licences->height());
    QVERIFY(box.Licences->geometry().bottom() < box.Comments->geometry().top());
    QVERIFY(box.Comments->geometry().bottom() < box.Panel1->contentsRect().bottom());
    bool mainOnTop = true;
    whileShown(box, [this] { QTest::keyClick(form().ComboBox1, Qt::Key_F1, Qt::ControlModifier); }, [&] {
        mainOnTop = form().windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        box.CommentsClick();
        box.OKButton->click();
    });
    QVERIFY(!mainOnTop);
    QVERIFY(box.isHidden());
    QVERIFY(form().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(window_.opener.addresses, QStringList{ProductPageAddress(WebHosts(), 55)});
}

void TestLookupsDialogs::databaseDialogStoresAnExistingFile()
{
    TSelectWordsDatabase &dialog = *form().SelectWordsDatabase;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("База данных"));
    QCOMPARE(dialog.size(), QSize(492, 144));
    QVERIFY(!form().N16->menuAction()->isVisible());
    const QString other = window_.FilePath(QStringLiteral("other.db"));
    QFile(window_.FilePath(QStringLiteral("forms.db"))).copy(other);

    // "Выбрать" cancelled keeps the text; a chosen file fills the box; "Загрузить" opens the page.
    dialog.OpenDialog1 = [](QWidget *) { return QString(); };
    whileShown(dialog, [this] { form().N17->trigger(); }, [&] {
        QCOMPARE(dialog.Edit1->text(), QString());
        dialog.Edit1->setText(QStringLiteral("typed"));
        dialog.BitBtn3->click();
        QCOMPARE(dialog.Edit1->text(), QStringLiteral("typed"));
        dialog.OpenDialog1 = [other](QWidget *) { return other; };
        dialog.BitBtn3->click();
        QCOMPARE(dialog.Edit1->text(), other);
        dialog.BitBtn4->click();
        dialog.BitBtn1->click();
        QVERIFY(dialog.isHidden());
    });
    QCOMPARE(form().SelectedDatabasePath, other);
    QCOMPARE(window_.opener.addresses, QStringList{ProductPageAddress(WebHosts(), 53)});

    // "Отмена" stores nothing; the next showing displays the stored path.
    whileShown(dialog, [this] { form().N17->trigger(); }, [&] {
        QCOMPARE(dialog.Edit1->text(), other);
        dialog.Edit1->setText(QStringLiteral("something else"));
        dialog.BitBtn2->click();
    });
    QCOMPARE(form().SelectedDatabasePath, other);
    whileShown(dialog, [this] { form().N17->trigger(); }, [&] { QCOMPARE(dialog.Edit1->text(), other); });
    QVERIFY(window_.messages.messages.isEmpty());
}

void TestLookupsDialogs::databaseDialogRefusesMissingFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("empty") << "empty";
    QTest::newRow("missing file") << "missing";
    QTest::newRow("directory") << "directory";
}

void TestLookupsDialogs::databaseDialogRefusesMissingFiles()
{
    QFETCH(QString, kind);
    const QString path = kind == QLatin1String("empty")     ? QString()
                         : kind == QLatin1String("missing") ? window_.FilePath(QStringLiteral("none.db"))
                                                            : window_.ProgramDirectory();
    TSelectWordsDatabase &dialog = *form().SelectWordsDatabase;
    whileShown(dialog, [this] { form().N17->trigger(); }, [&] {
        dialog.Edit1->setText(path);
        dialog.BitBtn1->click();
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.Edit1->text(), path);
    });
    QCOMPARE(window_.messages.messages, QStringList{"Указанный файл не найден!"});
    QCOMPARE(form().SelectedDatabasePath, QString());
}

void TestLookupsDialogs::storedPathServesOnlyWhileNotConnected()
{
    // Connected: a stored path is not used.
    const QString other = window_.FilePath(QStringLiteral("other.db"));
    WriteTestDatabase(other, Lexeme(1, {{"кот", "NOUN,anim,masc sing,nomn"}}));
    form().SelectedDatabasePath = other;
    window_.Decline(QStringLiteral("кот"));
    QCOMPARE(form().TabControl1->count(), 0);

    // Not connected: the next command connects to it.
    window_.Reset();
    QVERIFY(window_.Open(WindowFixture::Database::None));
    const QString stored = window_.FilePath(QStringLiteral("other.db"));
    WriteTestDatabase(stored, Lexeme(1, {{"кот", "NOUN,anim,masc sing,nomn"}}));
    form().SelectedDatabasePath = stored;
    window_.Decline(QStringLiteral("кот"));
    QCOMPARE(form().TabControl1->count(), 1);
    QCOMPARE(form().Engine().Path, stored);
}

// The real open dialog: Qt's texts in Russian, the window's own caption
// only, and the next dialog starts where the last file was opened.
void TestLookupsDialogs::fileDialogsSpeakRussianAndRememberTheFolder()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("текст.txt"));
    QVERIFY(WriteBytes(path, "кот"));
    EncodingFileDialogs dialogs;
    QString firstFolder;
    QString secondFolder;
    QStringList buttons;
    const auto answer = [&](QString *seenFolder, bool choose) {
        QTimer::singleShot(0, [&, seenFolder, choose] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            *seenFolder = dialog->directory().absolutePath();
            for (QPushButton *button : dialog->findChild<QDialogButtonBox *>()->findChildren<QPushButton *>())
                buttons.append(button->text());
            QVERIFY(!dialog->windowTitle().contains(QStringLiteral("Торнелис")));
            if (choose) {
                dialog->selectFile(path);
                static_cast<QDialog *>(dialog)->accept();
            } else {
                dialog->reject();
            }
        });
    };
    answer(&firstFolder, true);
    const std::optional<ChosenTextFile> chosen = dialogs.ChooseFileToOpen(&form());
    QVERIFY(chosen);
    QCOMPARE(chosen->path, path);
    answer(&secondFolder, false);
    QVERIFY(!dialogs.ChooseFileToOpen(&form()));
    QCOMPARE(secondFolder, QFileInfo(folder.path()).absoluteFilePath());
    QVERIFY2(buttons.contains(QStringLiteral("Отмена")), qPrintable(buttons.join(u',')));
}

TORNELIS_WINDOW_TEST_MAIN(TestLookupsDialogs)

#include "test_lookups_dialogs.moc"
