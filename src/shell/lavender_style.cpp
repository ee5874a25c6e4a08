#include "shell/lavender_style.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QStyleFactory>

namespace tornelis {
namespace {

const QColor kWindow(0xEE, 0xEA, 0xF8);
const QColor kBase(0xFF, 0xFF, 0xFF);
const QColor kAlternate(0xF6, 0xF3, 0xFD);
const QColor kButton(0xE2, 0xDB, 0xF6);
const QColor kText(0x2B, 0x22, 0x4F);
const QColor kHighlight(0x7B, 0x66, 0xC9);
const QColor kHeader(0xD9, 0xD0, 0xF2);

const char *const kStyleSheet = R"(
QMainWindow, QDialog { background: #eeeaf8; }
QMenuBar { background: #e4ddf7; border-bottom: 1px solid #c7bcec; }
QMenuBar::item { padding: 3px 9px; background: transparent; }
QMenuBar::item:selected { background: #cfc3f1; border-radius: 3px; }
QMenu { background: #fbfaff; border: 1px solid #b3a6e3; }
QMenu::item { padding: 4px 26px 4px 26px; }
QMenu::item:selected { background: #d8cef5; color: #2b224f; }
QMenu::separator { height: 1px; background: #d6ccf2; margin: 3px 8px; }
QGroupBox { border: 1px solid #c2b6ea; border-radius: 5px; margin-top: 8px; padding-top: 4px; }
QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 4px; color: #4b3a9e; }
QPushButton {
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f6f3ff, stop:1 #dcd3f5);
  border: 1px solid #a99ad9; border-radius: 4px; padding: 3px 8px; color: #2b224f;
}
QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #e6defa); border-color: #7b66c9; }
QPushButton:pressed { background: #cdc1f0; }
QPushButton:focus { border: 2px solid #5a47a8; }
QPlainTextEdit { background: #ffffff; border: 1px solid #b3a6e3; border-radius: 3px; }
QPlainTextEdit:focus { border: 2px solid #7b66c9; }
QTabWidget::pane { border: 1px solid #c2b6ea; background: #ffffff; }
QTabWidget > QTabBar::tab { background: #e2dbf6; border: 1px solid #c2b6ea; padding: 3px 12px; margin-right: 2px;
  border-top-left-radius: 4px; border-top-right-radius: 4px; }
QTabWidget > QTabBar::tab:selected { background: #ffffff; color: #4b3a9e; }
QTabWidget > QTabBar::tab:selected:focus { border: 2px solid #5a47a8; border-bottom: none; color: #2b1d6e; }
QTabBar#TabControl1::tab { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f6f3ff, stop:1 #dcd3f5);
  border: 1px solid #a99ad9; border-radius: 3px; padding: 1px 10px; margin: 0 3px 0 0; min-height: 17px; }
QTabBar#TabControl1::tab:selected { background: #7b66c9; color: #ffffff; border-color: #5a47a8; }
QTabBar#TabControl1::tab:selected:focus { background: #5a47a8; border: 2px solid #2b1d6e; padding: 0 9px; text-decoration: underline; }
QTableWidget { gridline-color: #cfc6ee; selection-background-color: #7b66c9; selection-color: #ffffff;
  border: 1px solid #c2b6ea; }
QTableWidget:focus { border: 2px solid #7b66c9; }
QStatusBar { background: #e4ddf7; }
QStatusBar::item { border: none; }
QStatusBar QLabel { border: 1px solid #c7bcec; padding: 0 4px; color: #2b224f; }
)";

}  // namespace

void ApplyLavenderClassico(QApplication &application)
{
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette palette;
    palette.setColor(QPalette::Window, kWindow);
    palette.setColor(QPalette::WindowText, kText);
    palette.setColor(QPalette::Base, kBase);
    palette.setColor(QPalette::AlternateBase, kAlternate);
    palette.setColor(QPalette::Text, kText);
    palette.setColor(QPalette::Button, kButton);
    palette.setColor(QPalette::ButtonText, kText);
    palette.setColor(QPalette::Highlight, kHighlight);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, kBase);
    palette.setColor(QPalette::ToolTipText, kText);
    application.setPalette(palette);

    // Tahoma where it exists, else a font of the same narrow proportions.
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    application.setFont(font);
    application.setStyleSheet(QString::fromLatin1(kStyleSheet));
}

QColor HeaderCellBackground()
{
    return kHeader;
}

QColor HeaderCellText()
{
    return kText;
}

QColor TypedCellBackground()
{
    return QColor(0xFF, 0xEE, 0xB0);
}

}  // namespace tornelis
