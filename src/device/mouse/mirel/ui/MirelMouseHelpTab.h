#pragma once

#include "device/IContextBinder.h"

#include <QWidget>

class LazyWebView;
class QButtonGroup;

namespace Ui {
class MirelMouseHelpTab;
}

// The branded mouse's help page (" 使用帮助"): local HTML help pages in a web view, with page
// buttons "1" to "3" below it. The pages ship with the program and are installed below the
// program folder when missing.
class MirelMouseHelpTab : public QWidget, public IContextBinder
{
    Q_OBJECT
public:
    static constexpr int PageCount = 3;

    explicit MirelMouseHelpTab(QWidget *parent = nullptr);
    ~MirelMouseHelpTab() override;

    // The help file of page n (from 1), relative to the program folder.
    static QString helpPath(int page);
    // Copies the shipped help pages that are missing into the program folder.
    static void installHelpPages();

    LazyWebView *webView() const;

public slots:
    void onBtnClicked(bool checked);

protected:
    // Nothing to bind: the help pages are the same for every device.
    void onContextChanged() override {}

private:
    Ui::MirelMouseHelpTab *ui;
    QButtonGroup *m_pages;
};
