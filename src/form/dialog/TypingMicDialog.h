#pragma once

#include <QDialog>
#include <QTimer>

class TextWidget;

namespace Ui {
class TypingMicDialog;
}

// The floating tip of voice typing, translation typing and voice search: the function's
// picture and title, a live volume bar, and a text box below with the recognised text.
// While shown it follows the focused application's text caret.
class TypingMicDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int FollowIntervalMs = 200;
    static constexpr int CaretOffsetX = 5;
    static constexpr int CaretOffsetY = 20;

    TypingMicDialog(int action, bool follow, QWidget *parent = nullptr);
    ~TypingMicDialog() override;

    void setMode(int action);
    void setText(const QString &text);
    void setMessage(const QString &text);
    void setVolume(int level);
    void showTip();
    void hideTip();

    QString title() const;
    QString micStyleSheet() const;
    int volume() const;
    TextWidget *textBox() const { return m_textBox; }
    bool isFollowing() const { return m_timer.isActive(); }

public slots:
    void timer_updatePostion();

private:
    // Directly under the tip, wherever the tip is.
    void placeTextBox();

    Ui::TypingMicDialog *ui;
    QTimer m_timer;
    bool m_follow;
    TextWidget *m_textBox;
};
