#pragma once

#include "engine/duridod.h"
#include "encodings/text_encoding.h"
#include "export/text_file.h"
#include "lookups/web_addresses.h"
#include "render/render_options.h"
#include "shell/history_file.h"
#include "shell/text_box.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QDialog;
class QGroupBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabBar;
class QTabWidget;
class QTimer;

namespace tornelis {

class DocumentOpener;
class SingleInstance;
class StatusPanels;
class TAboutBox;
class TSelectWordsDatabase;
class StringGrid;
class TextFileDialogs;
class UserMessages;

// What the window asks of its surroundings; tests supply their own.
struct WindowServices {
    UserMessages &messages;
    TextFileDialogs &fileDialogs;
    SingleInstance &singleInstance;
    DocumentOpener &opener;
    QStringList arguments;  // the command line, the program name first
    WebHosts hosts = {};
};

// The main window: the word box, the two paradigm tables with their hidden
// twins, the lemma tabs, the text box, the menu and the status bar. Every
// source of a word ends in the decline command BitBtn6Click.
class TForm1 : public QMainWindow, public ConnectionErrorReporter {
    Q_OBJECT

public:
    // programDirectory holds forms.db and the program's own files.
    TForm1(const QString &programDirectory, WindowServices services, QWidget *parent = nullptr);
    ~TForm1() override;

    const QString &ProgramDirectory() const { return programDirectory_; }
    // Another instance ran: the command line was handed over to it, and this
    // one ends without showing its window.
    bool IsSecondInstance() const { return secondInstance_; }
    // Shows one of the program's own dialogs modally, over an always-on-top window.
    int ShowOwnDialog(QDialog &dialog);
    DURIDOD &Engine() { return *DURIDOD_; }
    StatusPanels &StatusBar1() { return *statusPanels_; }
    RenderOptions CurrentRenderOptions() const;
    // The text built by the last export, as Copy and Save hand it on.
    const QString &PreparedExportText() const { return exportText_; }

    void ReportConnectionError(const QString &message) override;

    // Text that the database dialog stores; used while not connected.
    QString SelectedDatabasePath;

    // The program's two dialogs, created hidden with the window and reused.
    TSelectWordsDatabase *SelectWordsDatabase = nullptr;
    TAboutBox *AboutBox = nullptr;

    // Controls, under their form names.
    QLabel *Image1 = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    TextBox *Memo2 = nullptr;
    QLabel *Label1 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QPushButton *BitBtn6 = nullptr;
    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr;
    QWidget *TabSheet2 = nullptr;
    StringGrid *StringGrid1 = nullptr;
    StringGrid *StringGrid11 = nullptr;
    StringGrid *StringGrid2 = nullptr;
    StringGrid *StringGrid21 = nullptr;
    QWidget *TabSheet3 = nullptr;        // "Другие формы"
    StringGrid *StringGrid3 = nullptr;   // the forms the two tables have no cell for
    StringGrid *StringGrid31 = nullptr;  // its hidden twin: the tags of each form
    QPlainTextEdit *Memo1 = nullptr;
    QTabBar *TabControl1 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;
    QPushButton *BitBtn3 = nullptr;
    QPushButton *BitBtn4 = nullptr;
    QPushButton *BitBtn5 = nullptr;
    QTimer *Timer1 = nullptr;
    QMenu *PopupMenu1 = nullptr;

    // Menus and their items.
    QMenu *N1 = nullptr, *N3 = nullptr, *N2 = nullptr, *N21 = nullptr, *N25 = nullptr, *N31 = nullptr,
          *WWW1 = nullptr, *N16 = nullptr, *N4 = nullptr;
    QAction *N19 = nullptr, *N10 = nullptr, *N12 = nullptr, *N14 = nullptr, *N15 = nullptr, *N13 = nullptr,
            *N22 = nullptr, *N23 = nullptr, *N26 = nullptr, *N27 = nullptr, *N28 = nullptr, *N32 = nullptr,
            *N33 = nullptr, *N34 = nullptr, *N35 = nullptr, *PROMPTOne1 = nullptr, *Google1 = nullptr,
            *N17 = nullptr, *N5 = nullptr, *N7 = nullptr, *N9 = nullptr, *N18 = nullptr;
    QAction *N36 = nullptr;  // "Ударение над гласной" (Вид)
    QAction *N37 = nullptr;  // "Ударения в тексте" (Обработка)
    QAction *N38 = nullptr;  // "Снять ударения" (Обработка)

public slots:
    // The decline command.
    void BitBtn6Click();
    void TabControl1Change();
    void StringGrid1Click();
    void StringGrid2Click();
    void StringGrid3Click();
    void N12Click();
    void N32Click();
    void N33Click();
    void N34Click();

    // Text mode, export, window options, lookups and dialogs.
    void Memo2Click();
    void BitBtn1Click();
    void BitBtn3Click();
    void N15Click();
    void N19Click();
    void N14Click();
    void N10Click();
    void N18Click();
    void N13Click();
    void N35Click();
    void PROMPTOne1Click();
    void Google1Click();
    void N5Click();
    void N7Click();
    void N9Click();
    void N17Click();
    void N37Click();
    void N38Click();
    void Timer1Timer();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void CreateControls();
    void CreateMenu();
    void SetFocusOrder();
    void ConnectHandlers();
    void SingleInstanceCheck();
    void LoadHistory();
    void WriteTableHeaders();
    void ReadSettings();
    void AssignPictures();
    void WriteRegistryValue();
    void FormClose();
    void FormDestroy();
    void CreateDialogs();
    void OpenWebLookup(QString (*address)(const WebHosts &, const QString &));

    void ComboBox1KeyPress(QChar key);
    void ShowLemmaTabs(const QStringList &captions);
    void ShowCounters();
    void ShowTables(const ParadigmTables &tables);
    void ShowOtherForms(const QList<OtherForm> &forms);
    void InspectForm(const QString &form, const QString &tags);
    void InspectCell(const StringGrid &grid, const StringGrid &twin);
    // The grid of the page shown: what Копировать and Сохранить export.
    const StringGrid &ActiveGrid() const;
    bool IsWindowShortcut(const QKeyCombination &key) const;
    void ReportError(const QString &message);
    // Runs an event handler; an error that leaves it goes to ReportError.
    void Handle(const std::function<void()> &handler);
    void SetStaysOnTop(bool onTop);
    void RequestFocusQuietly();
    QString ProgramFile(const QString &name) const;
    // A file of the settings folder: Tornelis.ini, Tornelis.history.
    QString SettingsFile(const QString &name) const;

    // Text mode: the text box's text with CR LF breaks and its caret there.
    const QString &Memo2Text();
    qsizetype Memo2Caret() const;
    void MoveMemo2Caret(qsizetype caret);
    void TakeWordAtCaret(qsizetype caret);
    void ReplaceMemo2Text(const QString &lineFeedText);
    void AppendMemo2Text(const QString &lineFeedText, qsizetype from, int load);
    // The text box's text replaced by lineFeedText as one step of undo, the
    // caret then at caret (a position in lineFeedText). A text with cut lines
    // is read-only and keeps no undo.
    void ReplaceMemo2TextUndoably(const QString &lineFeedText, qsizetype caret);
    // The text box's text replaced by lineFeedText, its stress marks put in or
    // taken out, as one step of undo, the caret on the same character.
    void ReplaceMemo2TextKeepingCaret(const QString &lineFeedText);
    // Ctrl+Z where the box has no undo of its own: the text a replacement
    // with cut lines took away comes back. False when there is none.
    bool UndoMemo2Replacement();

    QString programDirectory_;
    QString settingsFolder_;
    UserMessages &messages_;
    TextFileDialogs &fileDialogs_;
    SingleInstance &singleInstance_;
    DocumentOpener &opener_;
    WebHosts hosts_;
    TypedForm typed_;  // the last decline command's word: its cells stand out
    QStringList arguments_;
    bool secondInstance_ = false;
    History historyForm_;  // the history file's encoding and mark, without its entries
    std::optional<QString> memo2Text_;
    // The last caret set by a step, which may stand between CR and LF where
    // the box has no position of its own: (box position, caret in the text).
    std::optional<std::pair<int, qsizetype>> steppedCaret_;
    int memo2Load_ = 0;  // a newer text cancels the rest of an older one
    std::optional<QString> replacedMemo2Text_;  // see UndoMemo2Replacement
    QString exportText_;
    ChosenTextFile lastSaved_;
    std::unique_ptr<StatusPanels> statusPanels_;
    std::unique_ptr<DURIDOD> DURIDOD_;
};

}  // namespace tornelis
