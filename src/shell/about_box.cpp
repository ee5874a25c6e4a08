#include "shell/about_box.h"

#include "lookups/about_gaze.h"
#include "shell/document_opener.h"
#include "shell/handler_guard.h"
#include "shell/pictures.h"
#include "tornelis_version.h"

#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace tornelis {
namespace {

constexpr QPoint kImagePosition(5, 16);
constexpr QSize kImageSize(100, 100);
constexpr int kProductPage = 55;

QLabel *BoldLabel(const QString &text, QPoint position, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->move(position);
    label->adjustSize();
    return label;
}

}  // namespace

TAboutBox::TAboutBox(DocumentOpener &opener, const WebHosts &hosts, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
    , opener_(opener)
    , hosts_(hosts)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("О программе"));
    setFixedSize(326, 242);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Raised);
    Panel1->setLineWidth(2);
    Panel1->setGeometry(8, 8, 310, 195);

    ProductName = BoldLabel(QStringLiteral("Торнелис"), {110, 21}, Panel1);
    Version = BoldLabel(QStringLiteral("Версия " TORNELIS_VERSION), {111, 51}, Panel1);

    // The legal notices the GPL asks an interactive program to show: its
    // licence, those of the data it is built from and of the libraries in it.
    Licences = new QLabel(QStringLiteral("Свободная программа:\nGNU GPL версии 3 или новее.\n"
                                         "Словарь: OpenCorpora, CC BY-SA 3.0;\n"
                                         "ударения: Giella (по Зализняку), GPL 3;\n"
                                         "списки «ё»: eyo-kernel, MIT.\n"
                                         "Библиотеки: Qt, LGPL 3.0 / GPL;\n"
                                         "SQLite, общественное достояние."),
                          Panel1);
    Licences->setObjectName(QStringLiteral("Licences"));
    QFont small = Licences->font();
    small.setPixelSize(10);
    Licences->setFont(small);
    Licences->setGeometry(110, 70, 196, 86);
    Licences->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Comments = new QLabel(Panel1);
    Comments->setObjectName(QStringLiteral("Comments"));
    Comments->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(hosts_.maker.toHtmlEscaped()));
    Comments->setTextFormat(Qt::RichText);
    Comments->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    Comments->setCursor(Qt::PointingHandCursor);
    Comments->setWordWrap(true);
    Comments->setGeometry(5, 158, 300, 32);
    connect(Comments, &QLabel::linkActivated, this, Guarded(this, &TAboutBox::CommentsClick, ReportToApplication));

    const qreal scale = std::max<qreal>(1.0, devicePixelRatioF());
    for (int picture = 1; picture <= 9; ++picture) {
        auto *image = new QLabel(Panel1);
        image->setObjectName(QStringLiteral("Image%1").arg(picture));
        image->setGeometry(QRect(kImagePosition, kImageSize));
        image->setPixmap(AboutFigurePicture(picture, scale));
        image->setAttribute(Qt::WA_TranslucentBackground);
        image->hide();
        Images.append(image);
    }

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(126, 209, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, Guarded(this, &TAboutBox::Timer1Timer, ReportToApplication));
    Timer1->start();
}

void TAboutBox::Timer1Timer()
{
    // The reference rectangle starts at the box's outer corner plus the
    // picture's position in the panel, as the pictures were laid out.
    const int shown = GazePicture(QCursor::pos(), frameGeometry().topLeft() + kImagePosition, kImageSize);
    for (int picture = 1; picture <= 9; ++picture)
        Images.at(picture - 1)->setVisible(picture == shown);
}

int TAboutBox::VisiblePicture() const
{
    for (int picture = 1; picture <= 9; ++picture) {
        if (!Images.at(picture - 1)->isHidden())
            return picture;
    }
    return 0;
}

void TAboutBox::CommentsClick()
{
    opener_.OpenAddress(ProductPageAddress(hosts_, kProductPage));
}

}  // namespace tornelis
