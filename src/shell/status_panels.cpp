#include "shell/status_panels.h"

#include <QLabel>
#include <QStatusBar>

namespace tornelis {
namespace {

// A panel asks for its width but may be squeezed by a narrow window, so a
// wide panel never widens the window.
class PanelLabel : public QLabel {
public:
    PanelLabel(int width, QWidget *parent) : QLabel(parent), width_(width)
    {
        setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    }
    int panelWidth() const { return width_; }
    void setPanelWidth(int width)
    {
        width_ = width;
        updateGeometry();
    }
    QSize sizeHint() const override { return {width_, QLabel::sizeHint().height()}; }
    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

private:
    int width_;
};

}  // namespace

StatusPanels::StatusPanels(QStatusBar *bar, const QList<int> &widths, const QList<Qt::Alignment> &alignments)
{
    for (qsizetype i = 0; i < widths.size(); ++i) {
        auto *label = new PanelLabel(widths.at(i), bar);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(alignments.at(i) | Qt::AlignVCenter);
        bar->addWidget(label);
        labels_.append(label);
    }
}

QString StatusPanels::text(int panel) const
{
    return labels_.at(panel)->text();
}

void StatusPanels::setText(int panel, const QString &text)
{
    labels_.at(panel)->setText(text);
}

int StatusPanels::width(int panel) const
{
    return static_cast<const PanelLabel *>(labels_.at(panel))->panelWidth();
}

void StatusPanels::setWidth(int panel, int width)
{
    static_cast<PanelLabel *>(labels_.at(panel))->setPanelWidth(width);
}

Qt::Alignment StatusPanels::alignment(int panel) const
{
    return labels_.at(panel)->alignment() & Qt::AlignHorizontal_Mask;
}

void StatusPanels::setAlignment(int panel, Qt::Alignment alignment)
{
    labels_.at(panel)->setAlignment(alignment | Qt::AlignVCenter);
}

}  // namespace tornelis
