#include "form/panel/TopRightPanel.h"

#include "config/Configurations.h"
#include "qui/IconHelper.h"
#include "qui/control/AnimationButton.h"

#include "ui_TopRightPanel.h"

TopRightPanel::TopRightPanel(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::TopRightPanel)
{
    ui->setupUi(this);
    IconHelper::setIconFontIndex(IconFont);
    IconHelper::setIcon(ui->tbStyle, MenuGlyph, GlyphSize);
    IconHelper::setIcon(ui->tbMenu, MenuGlyph, GlyphSize);
    IconHelper::setIcon(ui->tbDebug, MenuGlyph, GlyphSize);
    IconHelper::setIcon(ui->btnMin, MinimiseGlyph, GlyphSize);
    IconHelper::setIcon(ui->btnExit, CloseGlyph, GlyphSize);
    IconHelper::setIcon(ui->btnScan, BluetoothGlyph, GlyphSize);
    // Closing goes through the window's close event; the button stays as the window's hidden exit.
    ui->btnExit->hide();
    if (!Configurations::instance().enableDebugUI()) {
        ui->tbDebug->hide();
        ui->tbStyle->hide();
    }
    ui->btnExit->hide();
    ui->btnScan->setupAnimation();
}

TopRightPanel::~TopRightPanel()
{
    delete ui;
}

QToolButton *TopRightPanel::tbDebug() const { return ui->tbDebug; }
QToolButton *TopRightPanel::tbStyle() const { return ui->tbStyle; }
QPushButton *TopRightPanel::btnExit() const { return ui->btnExit; }
AnimationButton *TopRightPanel::btnScan() const { return ui->btnScan; }
QToolButton *TopRightPanel::tbMenu() const { return ui->tbMenu; }
QPushButton *TopRightPanel::btnMin() const { return ui->btnMin; }
