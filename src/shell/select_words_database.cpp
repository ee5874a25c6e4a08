#include "shell/select_words_database.h"

#include "shell/document_opener.h"
#include "shell/handler_guard.h"
#include "shell/pictures.h"
#include "shell/user_messages.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tornelis {
namespace {

constexpr int kDictionaryPage = 53;

QPushButton *MakeButton(const QString &name, const QString &caption, Picture picture, QPoint position,
                        QWidget *parent)
{
    auto *button = new QPushButton(ImageListIcon(picture), caption, parent);
    button->setObjectName(name);
    button->setGeometry(QRect(position, QSize(100, 35)));
    return button;
}

}  // namespace

TSelectWordsDatabase::TSelectWordsDatabase(QString &storedPath, UserMessages &messages, DocumentOpener &opener,
                                           const WebHosts &hosts, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , storedPath_(storedPath)
    , messages_(messages)
    , opener_(opener)
    , hosts_(hosts)
{
    setObjectName(QStringLiteral("SelectWordsDatabase"));
    setWindowTitle(QStringLiteral("База данных"));
    setFixedSize(492, 144);

    Label1 = new QLabel(QStringLiteral("Путь к базе данных"), this);
    Label1->move(16, 24);
    Label1->adjustSize();
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(16, 43, 454, 21);
    BitBtn3 = MakeButton(QStringLiteral("BitBtn3"), QStringLiteral("Выбрать"), Picture::Open, {14, 80}, this);
    BitBtn4 = MakeButton(QStringLiteral("BitBtn4"), QStringLiteral("Загрузить"), Picture::Database, {132, 80}, this);
    BitBtn1 = MakeButton(QStringLiteral("BitBtn1"), QStringLiteral("Сохранить"), Picture::Floppy, {251, 80}, this);
    BitBtn2 = MakeButton(QStringLiteral("BitBtn2"), QStringLiteral("Отмена"), Picture::Exit, {370, 80}, this);
    setTabOrder(Edit1, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
    setTabOrder(BitBtn2, BitBtn3);
    setTabOrder(BitBtn3, BitBtn4);

    OpenDialog1 = [](QWidget *owner) { return QFileDialog::getOpenFileName(owner); };

    connect(BitBtn3, &QPushButton::clicked, this, Guarded(this, &TSelectWordsDatabase::BitBtn3Click, ReportToApplication));
    connect(BitBtn4, &QPushButton::clicked, this, Guarded(this, &TSelectWordsDatabase::BitBtn4Click, ReportToApplication));
    connect(BitBtn1, &QPushButton::clicked, this, Guarded(this, &TSelectWordsDatabase::BitBtn1Click, ReportToApplication));
    connect(BitBtn2, &QPushButton::clicked, this, Guarded(this, &TSelectWordsDatabase::BitBtn2Click, ReportToApplication));
}

void TSelectWordsDatabase::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TSelectWordsDatabase::FormShow()
{
    Edit1->setText(storedPath_);
}

void TSelectWordsDatabase::BitBtn3Click()
{
    const QString chosen = OpenDialog1(this);
    if (!chosen.isEmpty())
        Edit1->setText(QFileInfo(chosen).absoluteFilePath());
}

void TSelectWordsDatabase::BitBtn4Click()
{
    opener_.OpenAddress(ProductPageAddress(hosts_, kDictionaryPage));
}

void TSelectWordsDatabase::BitBtn1Click()
{
    const QString path = Edit1->text();
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        messages_.ShowMessage(QStringLiteral("Указанный файл не найден!"));
        return;
    }
    storedPath_ = path;
    accept();
}

void TSelectWordsDatabase::BitBtn2Click()
{
    reject();
}

}  // namespace tornelis
