#pragma once

#include "engine/duridod.h"
#include "render/render_options.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QActionGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabBar;
class QTabWidget;
class QTimer;

namespace tornelis {

class StatusPanels;
class StringGrid;
class UserMessages;

// The main window: the word box, the two paradigm tables with their hidden
// twins, the lemma tabs, the text box, the menu and the status bar. Every
// source of a word ends in the decline command BitBtn6Click.
class TForm1 : public QMainWindow, public ConnectionErrorReporter {
    Q_OBJECT

public:
    // programDirectory holds forms.db and the program's own files;
    // messages shows the message boxes.
    TForm1(const QString &programDirectory, UserMessages &messages, QWidget *parent = nullptr);
    ~TForm1() override;

    const QString &ProgramDirectory() const { return programDirectory_; }
    DURIDOD &Engine() { return *DURIDOD_; }
    StatusPanels &StatusBar1() { return *statusPanels_; }
    RenderOptions CurrentRenderOptions() const;

    void ReportConnectionError(const QString &message) override;

    // Text that the database dialog stores; used while not connected.
    QString SelectedDatabasePath;

    // Controls, under their form names.
    QLabel *Image1 = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QPlainTextEdit *Memo2 = nullptr;
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

public slots:
    // The decline command.
    void BitBtn6Click();
    void TabControl1Change();
    void StringGrid1Click();
    void StringGrid2Click();
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

    void ComboBox1KeyPress(QChar key);
    void ShowLemmaTabs(const QStringList &captions);
    void ShowCounters();
    void ShowTables(const ParadigmTables &tables);
    void InspectCell(const StringGrid &grid, const StringGrid &twin);
    bool IsWindowShortcut(const QKeyCombination &key) const;

    QString programDirectory_;
    UserMessages &messages_;
    std::unique_ptr<StatusPanels> statusPanels_;
    std::unique_ptr<DURIDOD> DURIDOD_;
    QActionGroup *letterCaseGroup_ = nullptr;
};

}  // namespace tornelis
