#pragma once

#include <QList>
#include <QString>
#include <Qt>

class QLabel;
class QStatusBar;

namespace tornelis {

// The panels of the status bar: labels of fixed widths side by side.
class StatusPanels {
public:
    StatusPanels(QStatusBar *bar, const QList<int> &widths, const QList<Qt::Alignment> &alignments);

    QString text(int panel) const;
    void setText(int panel, const QString &text);
    int width(int panel) const;
    void setWidth(int panel, int width);
    Qt::Alignment alignment(int panel) const;
    void setAlignment(int panel, Qt::Alignment alignment);

private:
    QList<QLabel *> labels_;
};

}  // namespace tornelis
