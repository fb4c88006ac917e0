#pragma once

#include "databinding/IZContainer.h"

#include <QWidget>

class ImageSwitch;
class ZComboBox;

namespace Ui {
class SoftwareSettingTab;
}

// The settings-menu page "软件设置": start with the session (the XDG autostart entry), the
// interface language (stored at once; the program offers to restart itself) and the
// current version with a check for updates. No settings record is bound.
class SoftwareSettingTab : public QWidget, public IZContainer
{
    Q_OBJECT
public:
    static constexpr int FailureToastMs = 2000;

    explicit SoftwareSettingTab(QWidget *parent = nullptr);
    ~SoftwareSettingTab() override;

    ImageSwitch *autoStartSwitch() const { return m_autoStart; }
    ZComboBox *languageCombo() const { return m_language; }

public slots:
    void on_btnCheckUpdate_clicked(bool checked = false);
    void lanuageSwitch_currentTextChanged(const QString &text);

private:
    void addAutoStartRow();
    void addLanguageRow();
    void autoStartChanged(bool on);

    Ui::SoftwareSettingTab *ui;
    ImageSwitch *m_autoStart = nullptr;
    ZComboBox *m_language = nullptr;
};
