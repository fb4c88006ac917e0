#pragma once

#include <QWidget>

class UserVO;

namespace Ui {
class NavForm;
}

// The left column of the main window: the user line with the login/logout logo, one
// navigation page per device tab, and the bottom logo.
class NavForm : public QWidget
{
    Q_OBJECT
public:
    explicit NavForm(QWidget *parent = nullptr);
    ~NavForm() override;

    void addPage(QWidget *page);
    // Takes the page out of the stack without deleting it.
    void removePage(int index);
    // Out-of-range indexes change nothing.
    void setCurrentPage(int index);
    int currentPage() const;
    int pageCount() const;
    QWidget *page(int index) const;
    QString userLine() const;

signals:
    void displayTab(int index);

public slots:
    void lbLogo1_clicked(bool checked = false);
    void updateUserInfo(UserVO *user);
    void updateUserInfo();
    void userLogout();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Ui::NavForm *ui;
};
