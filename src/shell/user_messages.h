#pragma once

#include <QString>

class QWidget;

namespace tornelis {

// The message boxes of the program, behind a seam so that tests can record
// them instead of waiting for a click.
class UserMessages {
public:
    virtual ~UserMessages() = default;
    // A plain message with an OK button ("Ошибка подключения к базе данных").
    virtual void ShowMessage(const QString &text) = 0;
    // The general error report: an error icon, the title "Торнелис".
    virtual void ShowError(const QString &text) = 0;
    // A question with the buttons "Да" and "Нет", "Нет" the default; true for "Да".
    virtual bool AskYesNo(const QString &question) = 0;
};

class MessageBoxes : public UserMessages {
public:
    explicit MessageBoxes(QWidget *parent = nullptr) : parent_(parent) {}
    void setParent(QWidget *parent) { parent_ = parent; }
    void ShowMessage(const QString &text) override;
    void ShowError(const QString &text) override;
    bool AskYesNo(const QString &question) override;

private:
    QWidget *parent_;
};

// The text of an error as reported: a full stop is appended when the last
// character comes after "." in character code order.
QString ErrorReportText(const QString &message);

inline const QString kProgramTitle = QStringLiteral("Торнелис");

}  // namespace tornelis
