#pragma once

#include <QWidget>

class LazyWebView;

namespace Ui {
class WebWithTitleTab;
}

// A page with a title line above a web view showing a local HTML file below the program
// folder. The view is created when the page is first shown.
class WebWithTitleTab : public QWidget
{
    Q_OBJECT
public:
    explicit WebWithTitleTab(const QString &relativePath, QWidget *parent = nullptr);
    ~WebWithTitleTab() override;

    void setTitle(const QString &text);
    LazyWebView *webView() const;

private:
    Ui::WebWithTitleTab *ui;
};
