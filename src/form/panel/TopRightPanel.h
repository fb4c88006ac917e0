#pragma once

#include <QWidget>

class AnimationButton;
class QPushButton;
class QToolButton;

namespace Ui {
class TopRightPanel;
}

// The title-bar buttons of the main window: debug and style menus (debug mode only), the
// Bluetooth scan, the settings menu and minimise. The main window wires them.
class TopRightPanel : public QWidget
{
    Q_OBJECT
public:
    static constexpr int MenuGlyph = 0xf0c9;
    static constexpr int MinimiseGlyph = 0xf068;
    static constexpr int CloseGlyph = 0xf00d;
    static constexpr int BluetoothGlyph = 0xf293;
    static constexpr int IconFont = 2;
    static constexpr int GlyphSize = 16;

    explicit TopRightPanel(QWidget *parent = nullptr);
    ~TopRightPanel() override;

    QToolButton *tbDebug() const;
    QToolButton *tbStyle() const;
    QPushButton *btnExit() const;
    AnimationButton *btnScan() const;
    QToolButton *tbMenu() const;
    QPushButton *btnMin() const;

private:
    Ui::TopRightPanel *ui;
};
