#pragma once

#include <QWidget>

namespace Ui {
class GuideTab;
}

// The settings-menu page "技术支持": the customer-service QR picture for the interface
// language, and "上传日志", which mails the logs and crash dumps to support with the machine
// identifier in the subject. The button goes away after a successful upload until the page is
// reopened.
class GuideTab : public QWidget
{
    Q_OBJECT
public:
    static constexpr int ToastMs = 2000;
    static constexpr int BlinkMs = 100;

    explicit GuideTab(QWidget *parent = nullptr);
    ~GuideTab() override;

    // The picture below the program folder for a language code.
    static QString pictureFor(const QString &languageCode);
    static QString subject(const QString &userName, const QString &machineId);

public slots:
    void on_btnUploadLog_clicked(bool checked = false);

private:
    Ui::GuideTab *ui;
};
