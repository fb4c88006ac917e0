#pragma once

#include <QHeaderView>

// A horizontal table header with a check box in section 0: a click on it toggles the state
// and emits toggled.
class ZCheckHeader : public QHeaderView
{
    Q_OBJECT
public:
    explicit ZCheckHeader(QWidget *parent = nullptr);

    bool isChecked() const { return m_checked; }
    // Sets the box and repaints it; no signal.
    void setChecked(bool checked);
    void setCheckable(bool checkable);
    bool isCheckable() const { return m_checkable; }
    // Where the box is drawn inside section 0.
    QRect checkBoxRect() const;

signals:
    void toggled(bool checked);

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QRect boxIn(const QRect &section) const;

    bool m_checked = false;
    bool m_checkable = false;
    bool m_pressedOnBox = false;
};
