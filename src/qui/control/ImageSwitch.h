#pragma once

#include "databinding/IZWidget.h"

#include <QWidget>

// An on/off switch, off at creation. Only a user's click emits checkedChanged; given a field it
// stores the new state in the bound record.
class ImageSwitch : public QWidget, public IZWidget
{
    Q_OBJECT
public:
    explicit ImageSwitch(QWidget *parent = nullptr);

    bool isChecked() const { return m_checked; }
    // Changes the state and picture without a signal.
    void setChecked(bool checked);
    // Pictures for the two states; without them the switch is drawn.
    void setImages(const QString &onImage, const QString &offImage);

    void bindData() override;
    QSize sizeHint() const override;

signals:
    void checkedChanged(bool checked);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void toggleByUser();

    bool m_checked = false;
    QString m_onImage;
    QString m_offImage;
};
