#pragma once

#include "lookups/web_addresses.h"

#include <QDialog>
#include <QList>

class QFrame;
class QLabel;
class QPushButton;
class QTimer;

namespace tornelis {

class DocumentOpener;

// The About box: the product, its version, a link to the maker's page and a
// figure whose gaze follows the mouse pointer, also while the box is hidden.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    TAboutBox(DocumentOpener &opener, const WebHosts &hosts, QWidget *parent = nullptr);

    QFrame *Panel1 = nullptr;
    QLabel *ProductName = nullptr;
    QLabel *Version = nullptr;
    QLabel *Licences = nullptr;  // the program's and the data's licences
    QLabel *Comments = nullptr;
    QList<QLabel *> Images;  // Image1 to Image9
    QPushButton *OKButton = nullptr;
    QTimer *Timer1 = nullptr;

    // The picture (1 to 9) shown now.
    int VisiblePicture() const;

public slots:
    void Timer1Timer();
    void CommentsClick();

private:
    DocumentOpener &opener_;
    WebHosts hosts_;
};

}  // namespace tornelis
