#pragma once

#include "device/ContextContainer.h"

#include <QColor>
#include <QWidget>

namespace Ui {
class BrethWindowClass;
}
class QLabel;
class PointerSetting;

// The strip along the bottom of the screen with live subtitles while a presenter records:
// the recognised speech on the first line, its translation on the second. Colours, font
// size and the translation switch come from the presenter's settings.
class SubtitleWidget : public QWidget, public ContextContainer
{
public:
    static constexpr int Height = 200;
    static constexpr int SideMargin = 40;
    // Font sizes (points) that stay readable and let both lines fit the strip; the settings
    // page offers 16, 24 and 36.
    static constexpr int MinFontSize = 10;
    static constexpr int MaxFontSize = 48;

    explicit SubtitleWidget(QWidget *parent = nullptr);
    ~SubtitleWidget() override;

    // Places the strip on the screen that now holds the pointer.
    void updatePosition();
    void updateStyle();
    void setIdentifyEnabled(bool enabled) { m_identifyEnabled = enabled; }
    void setText1(const QString &text);
    void setText2(const QString &text);
    void setContext(DeviceContext *context) override;

    QLabel *text1Label() const;
    QLabel *text2Label() const;
    // What the strip is filled with; invalid when it stays transparent.
    QColor backgroundColor() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const PointerSetting *presenterSetting() const;

    Ui::BrethWindowClass *ui;
    bool m_identifyEnabled = false;
    bool m_composited = false;
};
