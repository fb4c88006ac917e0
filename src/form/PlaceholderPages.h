#pragma once

#include <QObject>
#include <functional>

class QWidget;

// The placeholder's pages cost more than the rest of the main window together, and a start
// into the tray never shows them. They are put up when first needed: when the window is
// first shown, or when someone asks for its tabs before that. A device that arrives first
// takes the tab without them.
class PlaceholderPages : public QObject
{
public:
    // build puts the pages up; it runs once, at the first ensure() or show of window.
    PlaceholderPages(QWidget *window, std::function<void()> build);

    void ensure();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> m_build;
};
