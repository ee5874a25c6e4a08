#pragma once

#include "lookups/web_addresses.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tornelis {

class DocumentOpener;
class UserMessages;

// The dialog that names another dictionary file. "Сохранить" stores the
// path; the decline command uses it only while the engine is not connected.
class TSelectWordsDatabase : public QDialog {
    Q_OBJECT

public:
    // storedPath: the program-wide SelectedDatabasePath this dialog writes.
    TSelectWordsDatabase(QString &storedPath, UserMessages &messages, DocumentOpener &opener, const WebHosts &hosts,
                         QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPushButton *BitBtn3 = nullptr;  // "Выбрать"
    QPushButton *BitBtn4 = nullptr;  // "Загрузить"
    QPushButton *BitBtn1 = nullptr;  // "Сохранить"
    QPushButton *BitBtn2 = nullptr;  // "Отмена"

    // OpenDialog1: returns the chosen file's full path, or an empty text on
    // cancel. Tests put their own answer here.
    std::function<QString(QWidget *parent)> OpenDialog1;

public slots:
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn1Click();
    void BitBtn2Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();

    QString &storedPath_;
    UserMessages &messages_;
    DocumentOpener &opener_;
    WebHosts hosts_;
};

}  // namespace tornelis
