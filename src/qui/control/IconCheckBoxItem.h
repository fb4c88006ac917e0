#pragma once

#include <QWidget>

class ImageSwitch;
class QLabel;

// A row of an icon, a name and a switch, e.g. one installed application.
class IconCheckBoxItem : public QWidget
{
    Q_OBJECT
public:
    explicit IconCheckBoxItem(QWidget *parent = nullptr);

    // Shows the icon of an executable (or of a theme icon name) at that size, else the picture
    // file scaled to it; sets the name and enables the switch.
    void setItem(const QString &iconPath, const QString &label, bool enabled, int width, int height);
    // The same with an icon read beforehand (e.g. on a worker thread); a null image shows none.
    void setItem(const QImage &icon, const QString &iconPath, const QString &label, bool enabled);
    QString text() const;
    QString iconPath() const { return m_iconPath; }
    bool isChecked() const;
    // Sets the switch without a signal.
    void setChecked(bool checked);
    ImageSwitch *imageSwitch() const { return m_switch; }
    // True when an icon or picture could be shown.
    bool hasIcon() const;

signals:
    void checkedChanged(bool checked, const QString &iconPath, const QString &label);

private:
    QLabel *m_icon;
    QLabel *m_name;
    ImageSwitch *m_switch;
    QString m_iconPath;
};
