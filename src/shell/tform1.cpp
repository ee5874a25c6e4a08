#include "shell/tform1.h"

#include "engine/paradigm_tables.h"
#include "shell/handler_guard.h"
#include "shell/lavender_style.h"
#include "shell/pictures.h"
#include "shell/platform/settings_folder.h"
#include "shell/status_panels.h"
#include "shell/string_grid.h"
#include "shell/user_messages.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace tornelis {
namespace {

constexpr QSize kClientSize(1055, 458);
constexpr QSize kSmallestClientSize(820, 440);
constexpr QSize kPortraitSize(200, 400);
// The page "Другие формы": a header row over the form and its description;
// the rows follow the lemma.
constexpr TableShape kOtherFormsShape{2, 1, 0, 1};
const QList<int> kOtherFormsColumnWidths{170, 520};

QPushButton *MakeButton(const QString &name, const QString &caption, QSize size, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFixedSize(size);
    button->setIconSize(QSize(16, 16));
    return button;
}

QAction *MakeAction(QMenu *menu, const QString &name, const QString &caption, const QKeySequence &shortcut = {})
{
    auto *action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

QAction *MakeCheckAction(QMenu *menu, const QString &name, const QString &caption, const QKeySequence &shortcut)
{
    QAction *action = MakeAction(menu, name, caption, shortcut);
    action->setCheckable(true);
    action->setChecked(true);
    return action;
}

// A box holding one widget with margins around it.
QVBoxLayout *Margined(QWidget *widget, const QMargins &margins)
{
    auto *box = new QVBoxLayout;
    box->setContentsMargins(margins);
    box->addWidget(widget);
    return box;
}

// The layout of a strip of fixed height that holds controls side by side.
QHBoxLayout *HorizontalStrip(QWidget *strip, int height, const QMargins &margins)
{
    strip->setFixedHeight(height);
    auto *layout = new QHBoxLayout(strip);
    layout->setContentsMargins(margins);
    layout->setSpacing(6);
    return layout;
}

// A table of the given shape, or its hidden twin of the same size.
StringGrid *MakeGrid(const QString &name, const TableShape &shape, bool twin, QWidget *page)
{
    auto *grid = twin ? new StringGrid(shape.columns, shape.rows, 0, 0, page)
                      : new StringGrid(shape.columns, shape.rows, shape.fixedColumns, shape.fixedRows, page);
    grid->setObjectName(name);
    grid->setVisible(!twin);
    return grid;
}

void FitGrid(StringGrid *grid, QWidget *page)
{
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid);
}

}  // namespace

TForm1::TForm1(const QString &programDirectory, WindowServices services, QWidget *parent)
    : QMainWindow(parent)
    , programDirectory_(programDirectory)
    , settingsFolder_(SettingsFolder(programDirectory, IsOwnFolder(programDirectory)))
    , messages_(services.messages)
    , fileDialogs_(services.fileDialogs)
    , singleInstance_(services.singleInstance)
    , opener_(services.opener)
    , hosts_(services.hosts)
    , arguments_(services.arguments)
{
    setObjectName(QStringLiteral("Form1"));
    CreateControls();
    CreateMenu();
    SetFocusOrder();
    ConnectHandlers();
    SingleInstanceCheck();
    if (secondInstance_)
        return;  // it only hands its words over: it reads, writes and shows nothing
    LoadHistory();
    WriteTableHeaders();
    ReadSettings();
    AssignPictures();
    WriteRegistryValue();
    DURIDOD_ = std::make_unique<DURIDOD>(this);
    DURIDOD_->Connect(programDirectory_ + QStringLiteral("/forms.db"));
    CreateDialogs();
}

TForm1::~TForm1()
{
    qApp->removeEventFilter(this);
    if (!secondInstance_)
        FormDestroy();
}

void TForm1::CreateControls()
{
    setWindowTitle(kProgramTitle);
    auto *central = new QWidget(this);
    auto *columns = new QHBoxLayout(central);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(0);

    Image1 = new QLabel(central);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedWidth(214);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setMinimumHeight(1);
    columns->addLayout(Margined(Image1, {5, 5, 5, 5}));

    auto *rows = new QVBoxLayout;
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    columns->addLayout(rows, 1);

    // The text strip.
    GroupBox1 = new QGroupBox(QStringLiteral("Текст"), central);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setFixedHeight(121);
    Memo2 = new TextBox(GroupBox1);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo2->setTabChangesFocus(true);  // Tab moves on; it never goes into the user's text
    connect(Memo2, &QPlainTextEdit::textChanged, this, [this] {
        memo2Text_.reset();
        steppedCaret_.reset();
    });
    auto *textLayout = new QVBoxLayout(GroupBox1);
    textLayout->setContentsMargins(6, 6, 6, 6);
    textLayout->addWidget(Memo2);
    rows->addLayout(Margined(GroupBox1, {3, 3, 3, 3}));

    // The word strip.
    auto *wordStrip = new QWidget(central);
    QHBoxLayout *wordLayout = HorizontalStrip(wordStrip, 40, {10, 3, 3, 3});
    Label1 = new QLabel(QStringLiteral("Введите слово: "), wordStrip);
    Label1->setObjectName(QStringLiteral("Label1"));
    ComboBox1 = new QComboBox(wordStrip);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setMaxVisibleItems(20);
    ComboBox1->setMinimumHeight(24);
    // Sized by the strip, not by its longest history entry, so that a long
    // line in the history never widens the window past the screen.
    ComboBox1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboBox1->setMinimumContentsLength(12);
    BitBtn6 = MakeButton(QStringLiteral("BitBtn6"), QStringLiteral("Просклонять"), QSize(113, 34), wordStrip);
    wordLayout->addWidget(Label1);
    wordLayout->addWidget(ComboBox1, 1);
    wordLayout->addWidget(BitBtn6);
    rows->addWidget(wordStrip);

    // The two pages of tables, with the hidden twins and the staging box.
    PageControl1 = new QTabWidget(central);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    PageControl1->addTab(TabSheet1, QStringLiteral("Торнелис"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Спряжение глаголов"));
    TabSheet3 = new QWidget;
    TabSheet3->setObjectName(QStringLiteral("TabSheet3"));
    PageControl1->addTab(TabSheet3, OtherFormsCaption(0));
    StringGrid1 = MakeGrid(QStringLiteral("StringGrid1"), kDeclensionShape, false, TabSheet1);
    StringGrid11 = MakeGrid(QStringLiteral("StringGrid11"), kDeclensionShape, true, TabSheet1);
    StringGrid2 = MakeGrid(QStringLiteral("StringGrid2"), kConjugationShape, false, TabSheet2);
    StringGrid21 = MakeGrid(QStringLiteral("StringGrid21"), kConjugationShape, true, TabSheet2);
    FitGrid(StringGrid1, TabSheet1);
    StringGrid3 = MakeGrid(QStringLiteral("StringGrid3"), kOtherFormsShape, false, TabSheet3);
    StringGrid31 = MakeGrid(QStringLiteral("StringGrid31"), kOtherFormsShape, true, TabSheet3);
    FitGrid(StringGrid2, TabSheet2);
    FitGrid(StringGrid3, TabSheet3);
    Memo1 = new QPlainTextEdit(TabSheet2);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->hide();
    rows->addLayout(Margined(PageControl1, {3, 3, 3, 3}), 1);

    // The lemma tabs.
    TabControl1 = new QTabBar(central);
    TabControl1->setObjectName(QStringLiteral("TabControl1"));
    TabControl1->setFixedHeight(21);
    TabControl1->setDrawBase(false);
    TabControl1->setExpanding(false);
    // The strip has the row's whole width: every caption shows whole while
    // the tabs fit, and the scroll arrows come only when they do not.
    TabControl1->setElideMode(Qt::ElideNone);
    TabControl1->setUsesScrollButtons(true);
    TabControl1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto *tabBox = new QHBoxLayout;
    tabBox->setContentsMargins(3, 0, 3, 0);
    tabBox->addWidget(TabControl1, 1);
    rows->addLayout(tabBox);

    // The button row.
    auto *buttonRow = new QWidget(central);
    QHBoxLayout *buttonLayout = HorizontalStrip(buttonRow, 41, {3, 3, 3, 3});
    const QSize buttonSize(100, 35);
    BitBtn1 = MakeButton(QStringLiteral("BitBtn1"), QStringLiteral("Назад"), buttonSize, buttonRow);
    BitBtn2 = MakeButton(QStringLiteral("BitBtn2"), QStringLiteral("Вставить"), buttonSize, buttonRow);
    BitBtn3 = MakeButton(QStringLiteral("BitBtn3"), QStringLiteral("Далее"), buttonSize, buttonRow);
    BitBtn4 = MakeButton(QStringLiteral("BitBtn4"), QStringLiteral("Копировать"), buttonSize, buttonRow);
    BitBtn5 = MakeButton(QStringLiteral("BitBtn5"), QStringLiteral("Сохранить"), buttonSize, buttonRow);
    buttonLayout->addWidget(BitBtn1);
    buttonLayout->addWidget(BitBtn2);
    buttonLayout->addWidget(BitBtn3);
    buttonLayout->addStretch(1);
    buttonLayout->addWidget(BitBtn4);
    buttonLayout->addWidget(BitBtn5);
    rows->addWidget(buttonRow);

    setCentralWidget(central);

    auto *bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setFixedHeight(19);
    bar->setSizeGripEnabled(false);
    setStatusBar(bar);
    statusPanels_ = std::make_unique<StatusPanels>(
        bar, QList<int>{170, 170, 170, 170, 50},
        QList<Qt::Alignment>{Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignLeft});

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    Timer1->start();
}

void TForm1::CreateMenu()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    const auto addMenu = [bar](const QString &name, const QString &caption) {
        QMenu *menu = bar->addMenu(caption);
        menu->setObjectName(name);
        return menu;
    };

    N1 = addMenu(QStringLiteral("N1"), QStringLiteral("Файл"));
    N19 = MakeAction(N1, QStringLiteral("N19"), QStringLiteral("Открыть"), QKeySequence(Qt::CTRL | Qt::Key_O));
    N1->addSeparator()->setObjectName(QStringLiteral("N11"));
    N10 = MakeAction(N1, QStringLiteral("N10"), QStringLiteral("Сохранить"), QKeySequence(Qt::CTRL | Qt::Key_S));
    N1->addSeparator()->setObjectName(QStringLiteral("N20"));
    N12 = MakeAction(N1, QStringLiteral("N12"), QStringLiteral("Выход"));

    N3 = addMenu(QStringLiteral("N3"), QStringLiteral("Редактирование"));
    N14 = MakeAction(N3, QStringLiteral("N14"), QStringLiteral("Копировать"), QKeySequence(Qt::CTRL | Qt::Key_C));
    N15 = MakeAction(N3, QStringLiteral("N15"), QStringLiteral("Вставить"), QKeySequence(Qt::CTRL | Qt::Key_V));

    N2 = addMenu(QStringLiteral("N2"), QStringLiteral("Вид"));
    N13 = MakeCheckAction(N2, QStringLiteral("N13"), QStringLiteral("Поверх других окон"), {});
    N36 = MakeCheckAction(N2, QStringLiteral("N36"), QStringLiteral("Ударение над гласной"), {});
    N36->setChecked(false);

    N21 = addMenu(QStringLiteral("N21"), QStringLiteral("Навигация"));
    N22 = MakeAction(N21, QStringLiteral("N22"), QStringLiteral("Назад"), QKeySequence(Qt::Key_F2));
    N21->addSeparator()->setObjectName(QStringLiteral("N24"));
    N23 = MakeAction(N21, QStringLiteral("N23"), QStringLiteral("Далее"), QKeySequence(Qt::Key_F3));

    N25 = addMenu(QStringLiteral("N25"), QStringLiteral("Обработка"));
    N26 = MakeCheckAction(N25, QStringLiteral("N26"), QStringLiteral("Ёфикация"), QKeySequence(Qt::Key_F5));
    N25->addSeparator()->setObjectName(QStringLiteral("N29"));
    N27 = MakeCheckAction(N25, QStringLiteral("N27"), QStringLiteral("Ставить ударения"), QKeySequence(Qt::Key_F6));
    N25->addSeparator()->setObjectName(QStringLiteral("N30"));
    N28 = MakeCheckAction(N25, QStringLiteral("N28"), QStringLiteral("Разбиение на слоги"), QKeySequence(Qt::Key_F7));
    N25->addSeparator();
    N37 = MakeAction(N25, QStringLiteral("N37"), QStringLiteral("Ударения в тексте"), QKeySequence(Qt::CTRL | Qt::Key_F6));
    N38 = MakeAction(N25, QStringLiteral("N38"), QStringLiteral("Снять ударения"),
                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6));

    N31 = addMenu(QStringLiteral("N31"), QStringLiteral("Регистр"));
    auto *letterCase = new QActionGroup(this);
    letterCase->setExclusive(true);
    N32 = MakeAction(N31, QStringLiteral("N32"), QStringLiteral("ВЕРХНИЙ"), QKeySequence(Qt::Key_F8));
    N33 = MakeAction(N31, QStringLiteral("N33"), QStringLiteral("нижний"), QKeySequence(Qt::Key_F9));
    N34 = MakeAction(N31, QStringLiteral("N34"), QStringLiteral("Первая заглавная"), QKeySequence(Qt::Key_F10));
    for (QAction *item : {N32, N33, N34}) {
        item->setCheckable(true);
        letterCase->addAction(item);
    }
    N33->setChecked(true);

    WWW1 = addMenu(QStringLiteral("WWW1"), QStringLiteral("WWW"));
    N35 = MakeAction(WWW1, QStringLiteral("N35"), QStringLiteral("Викисловарь"), QKeySequence(Qt::CTRL | Qt::Key_F2));
    PROMPTOne1 = MakeAction(WWW1, QStringLiteral("PROMPTOne1"), QStringLiteral("PROMPT.One"),
                            QKeySequence(Qt::CTRL | Qt::Key_F3));
    Google1 = MakeAction(WWW1, QStringLiteral("Google1"), QStringLiteral("Google Переводчик"),
                         QKeySequence(Qt::CTRL | Qt::Key_F4));

    N16 = addMenu(QStringLiteral("N16"), QStringLiteral("Настройки"));
    N16->menuAction()->setVisible(false);
    N17 = MakeAction(N16, QStringLiteral("N17"), QStringLiteral("База данных"));

    N4 = addMenu(QStringLiteral("N4"), QStringLiteral("Помощь"));
    N5 = MakeAction(N4, QStringLiteral("N5"), QStringLiteral("Справка"), QKeySequence(Qt::Key_F1));
    N4->addSeparator()->setObjectName(QStringLiteral("N6"));
    N7 = MakeAction(N4, QStringLiteral("N7"), QStringLiteral("Сетевая справка (обновляется)"),
                    QKeySequence(Qt::SHIFT | Qt::Key_F1));
    N4->addSeparator()->setObjectName(QStringLiteral("N8"));
    N9 = MakeAction(N4, QStringLiteral("N9"), QStringLiteral("О программе"), QKeySequence(Qt::CTRL | Qt::Key_F1));

    // The pop-up menu belongs to no control.
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    N18 = MakeAction(PopupMenu1, QStringLiteral("N18"), QStringLiteral("Подготовить данные"));

    // Menu shortcuts act for the whole window, before the focused control's
    // own keys; the same filter sees the word box's Enter, the text box's
    // clicks and the picture's resizing.
    qApp->installEventFilter(this);
}

void TForm1::SetFocusOrder()
{
    const QList<QWidget *> order{Memo2, BitBtn1, BitBtn2, BitBtn3, BitBtn4, BitBtn5, TabControl1,
                                 ComboBox1, BitBtn6, PageControl1, StringGrid1, StringGrid2, StringGrid3};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order.at(i), order.at(i + 1));
    TabControl1->setFocusPolicy(Qt::StrongFocus);
    Memo2->setFocus();
}

void TForm1::ConnectHandlers()
{
    const auto handler = [this](void (TForm1::*method)()) {
        return Guarded(this, method, [this](const QString &message) { ReportError(message); });
    };
    connect(BitBtn6, &QPushButton::clicked, this, handler(&TForm1::BitBtn6Click));
    connect(N26, &QAction::triggered, this, handler(&TForm1::BitBtn6Click));
    connect(N27, &QAction::triggered, this, handler(&TForm1::BitBtn6Click));
    connect(N28, &QAction::triggered, this, handler(&TForm1::BitBtn6Click));
    connect(N36, &QAction::triggered, this, handler(&TForm1::BitBtn6Click));
    connect(N37, &QAction::triggered, this, handler(&TForm1::N37Click));
    connect(N38, &QAction::triggered, this, handler(&TForm1::N38Click));
    connect(N32, &QAction::triggered, this, handler(&TForm1::N32Click));
    connect(N33, &QAction::triggered, this, handler(&TForm1::N33Click));
    connect(N34, &QAction::triggered, this, handler(&TForm1::N34Click));
    connect(TabControl1, &QTabBar::currentChanged, this, handler(&TForm1::TabControl1Change));
    connect(Memo2, &TextBox::Click, this, handler(&TForm1::Memo2Click));
    connect(StringGrid1, &StringGrid::Click, this, handler(&TForm1::StringGrid1Click));
    connect(StringGrid2, &StringGrid::Click, this, handler(&TForm1::StringGrid2Click));
    connect(StringGrid3, &StringGrid::Click, this, handler(&TForm1::StringGrid3Click));
    connect(N12, &QAction::triggered, this, handler(&TForm1::N12Click));

    connect(N19, &QAction::triggered, this, handler(&TForm1::N19Click));
    connect(N10, &QAction::triggered, this, handler(&TForm1::N10Click));
    connect(BitBtn5, &QPushButton::clicked, this, handler(&TForm1::N10Click));
    connect(N14, &QAction::triggered, this, handler(&TForm1::N14Click));
    connect(BitBtn4, &QPushButton::clicked, this, handler(&TForm1::N14Click));
    connect(N15, &QAction::triggered, this, handler(&TForm1::N15Click));
    connect(BitBtn2, &QPushButton::clicked, this, handler(&TForm1::N15Click));
    connect(N22, &QAction::triggered, this, handler(&TForm1::BitBtn1Click));
    connect(BitBtn1, &QPushButton::clicked, this, handler(&TForm1::BitBtn1Click));
    connect(N23, &QAction::triggered, this, handler(&TForm1::BitBtn3Click));
    connect(BitBtn3, &QPushButton::clicked, this, handler(&TForm1::BitBtn3Click));
    connect(N18, &QAction::triggered, this, handler(&TForm1::N18Click));
    connect(N13, &QAction::triggered, this, handler(&TForm1::N13Click));
    connect(N35, &QAction::triggered, this, handler(&TForm1::N35Click));
    connect(PROMPTOne1, &QAction::triggered, this, handler(&TForm1::PROMPTOne1Click));
    connect(Google1, &QAction::triggered, this, handler(&TForm1::Google1Click));
    connect(N5, &QAction::triggered, this, handler(&TForm1::N5Click));
    connect(N7, &QAction::triggered, this, handler(&TForm1::N7Click));
    connect(N9, &QAction::triggered, this, handler(&TForm1::N9Click));
    connect(N17, &QAction::triggered, this, handler(&TForm1::N17Click));
    connect(Timer1, &QTimer::timeout, this, handler(&TForm1::Timer1Timer));
}

void TForm1::WriteTableHeaders()
{
    const auto write = [](StringGrid *grid, const ParadigmGrid &headers, const QList<int> &widths) {
        for (int row = 0; row < headers.rows(); ++row) {
            for (int column = 0; column < headers.columns(); ++column) {
                if (grid->IsBodyCell(column, row))
                    continue;
                QTableWidgetItem *cell = grid->item(row, column);
                cell->setText(headers.at(column, row));
                cell->setBackground(HeaderCellBackground());
                cell->setForeground(HeaderCellText());
            }
        }
        grid->SetColWidths(widths);
    };
    write(StringGrid1, DeclensionHeaders(), DeclensionColumnWidths());
    write(StringGrid2, ConjugationHeaders(), ConjugationColumnWidths());
    ParadigmGrid otherHeaders(kOtherFormsShape.columns, kOtherFormsShape.rows);
    for (int column = 0; column < kOtherFormsShape.columns; ++column)
        otherHeaders.set(column, 0, OtherFormsHeaders().at(column));
    write(StringGrid3, otherHeaders, kOtherFormsColumnWidths);
}

void TForm1::AssignPictures()
{
    const QList<std::pair<QAction *, Picture>> items{
        {N10, Picture::Floppy}, {N12, Picture::Exit}, {N14, Picture::Copy}, {N15, Picture::Paste},
        {N17, Picture::Database}, {N5, Picture::Book}, {N7, Picture::OnlineBook}, {N9, Picture::Info},
        {N19, Picture::Open}, {N22, Picture::Back}, {N23, Picture::Next}};
    for (const auto &[item, picture] : items)
        item->setIcon(ImageListIcon(picture));
    const QList<std::pair<QPushButton *, Picture>> buttons{
        {BitBtn5, Picture::Floppy}, {BitBtn4, Picture::Copy}, {BitBtn2, Picture::Paste},
        {BitBtn1, Picture::Back}, {BitBtn3, Picture::Next}, {BitBtn6, Picture::Tick}};
    for (const auto &[button, picture] : buttons)
        button->setIcon(ImageListIcon(picture));

    const QSize client = kClientSize + QSize(0, menuBar()->sizeHint().height());
    resize(client);
    // Smaller than this, the buttons and boxes would run into each other; the
    // tables scroll instead.
    setMinimumSize(kSmallestClientSize + QSize(0, menuBar()->sizeHint().height()));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

RenderOptions TForm1::CurrentRenderOptions() const
{
    RenderOptions options;
    options.stressOn = N27->isChecked();
    options.syllablesOn = N28->isChecked();
    options.stressMark = N36->isChecked() ? StressMark::Acute : StressMark::Apostrophe;
    options.letterCase = N32->isChecked()   ? LetterCase::Upper
                         : N34->isChecked() ? LetterCase::FirstCapital
                                            : LetterCase::Lower;
    return options;
}

void TForm1::ReportConnectionError(const QString &message)
{
    messages_.ShowMessage(message);
}

void TForm1::Handle(const std::function<void()> &handler)
{
    RunHandler(handler, [this](const QString &message) { ReportError(message); });
}

void TForm1::ReportError(const QString &message)
{
    messages_.ShowError(ErrorReportText(message));
}

bool TForm1::IsWindowShortcut(const QKeyCombination &key) const
{
    const QKeySequence pressed(key);
    for (const QAction *action : findChildren<QAction *>()) {
        if (action->isEnabled() && !action->shortcut().isEmpty() && action->shortcut() == pressed)
            return true;
    }
    return false;
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // Eating the override lets the window's shortcut win over the
        // focused control's own key (Ctrl+C in the word box copies the tables).
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->window() == this &&
            IsWindowShortcut(static_cast<QKeyEvent *>(event)->keyCombination()))
            return true;
        break;
    }
    case QEvent::KeyPress:
        if (watched == Memo2 && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Undo)) {
            bool undone = false;
            Handle([this, &undone] { undone = UndoMemo2Replacement(); });
            if (undone)
                return true;
        }
        if (watched == ComboBox1) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                Handle([this] { ComboBox1KeyPress(QChar(13)); });
        }
        break;
    case QEvent::Resize:
        if (watched == Image1) {
            const QSize fitted = kPortraitSize.scaled(Image1->size(), Qt::KeepAspectRatio);
            if (!fitted.isEmpty())
                Image1->setPixmap(PortraitPicture(fitted));
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    FormClose();
    QMainWindow::closeEvent(event);
}

}  // namespace tornelis
