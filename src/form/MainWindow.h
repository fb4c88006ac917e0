#pragma once

#include "device/VelloboxTypes.h"

#include <QMainWindow>
#include <QPointer>
#include <QSystemTrayIcon>
#include <optional>

class AudioRecordVO;
class DeviceContext;
class HidrawMonitor;
class IDeviceLogic;
class NavForm;
class PlaceholderPages;
class ProgressDialog;
class QAction;
class QDialog;
class QMenu;
class TopRightPanel;
class TypingOutput;
class ZTabWidget;

namespace Ui {
class ConfigWindow;
}

// The one top-level window: the navigation column on the left, one tab per connected device
// on the right, the tray icon and its menu, the title-bar buttons, the typing output and the
// global screenshot shortcut. Closing it never ends the program; only the tray's exit does.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // Frameless, with system menu, minimise and maximise hints.
    static constexpr int WindowFlags = 0xE800;
    // A burst of device-node changes gives one HID scan this long after the last.
    static constexpr int DeviceChangeScanDelayMs = 100;
    static constexpr int DeviceArrivedToastMs = 4000;
    static constexpr int DeviceRemovedToastMs = 2000;
    static constexpr int SaveFinishHideMs = 2000;
    static constexpr int InstallerStartDelayMs = 1000;
    static constexpr int ScanBlinkMs = 100;
    static const char *const ShortcutHookName;
    static const char *const SnapshotCommandText;

    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The global key hook: starts screenshot translation on the first device (in device-key
    // order) whose snapshot shortcut matches the key pressed with its modifiers.
    static void onSystemShortCut(int message, int virtualKey, Qt::KeyboardModifiers modifiers);
    // The device whose snapshot shortcut the key with the modifiers matches, or null.
    static DeviceContext *snapshotDeviceFor(int virtualKey, Qt::KeyboardModifiers modifiers);

    // Puts the placeholder's pages up as tab 0 (building them the first time).
    void initDeviceTabs();

    // Starts watching the device nodes: every change then rescans the HID devices. Called
    // before the first scan, which finds whatever was plugged in until then; once only.
    void watchDeviceNodes();

    void setVisible(bool visible) override;

    // Whether closing may hide the window into the tray; without a tray it minimises.
    static bool trayAvailable();
    // Tests decide whether there is a tray; nothing asks the system again.
    static void setTrayAvailableForTest(std::optional<bool> available);

    // Both with the placeholder's tab if no device came yet.
    ZTabWidget *tabWidget() const;
    NavForm *navForm() const;
    TopRightPanel *topRightPanel() const;
    QMenu *trayMenu() const { return m_trayMenu; }
    QSystemTrayIcon *trayIcon() const { return m_trayIcon; }
    QAction *showProgressAction() const { return m_showProgressAction; }
    ProgressDialog *progressDialog() const { return m_progressDialog; }
    IDeviceLogic *placeholderDevice() const { return m_placeholder; }
    TypingOutput *typingOutput() const { return m_typing; }
    // The percentage last handed to the upgrade dialog; -1 before any progress.
    int upgradeProgress() const { return m_upgradeProgress; }
    static int progressPercent(double fraction);

public slots:
    void btnMenu_Min_clicked(bool checked = false);
    void btnMenu_Max_clicked(bool checked = false);
    void btnMenu_Close_clicked(bool checked = false);
    void btnMenu_Scan_clicked(bool checked = false);
    void openTriggered(bool checked);
    void openTriggered();
    void checkUpgradeTriggered(bool checked);
    void checkUpgradeTriggered();
    void showProgressTriggered(bool checked);
    void showProgressTriggered();
    void activatedSysTrayIcon(QSystemTrayIcon::ActivationReason reason);
    void onChangeStyle();
    void onOpenMenu();
    void onOpenDebugMenu();
    void quitApplication(bool checked);
    void quitApplication();
    void addDevice(DeviceContext *context);
    void removeDevice(DeviceContext *context);
    void deviceStatusChange(NotifyType type, const QVariant &oldStatus, const QVariant &newStatus);
    void SaveRecord_Start(AudioRecordVO *record);
    void SaveRecord_Doing(AudioRecordVO *record, const QString &message);
    void SaveRecord_Finish(AudioRecordVO *record, int code, const QString &message);
    void upgrade_newVersion(const QString &version, bool isMandatory, const QString &title, const QString &content);
    void upgrade_downloadComplete(const QString &path);
    void upgrade_downloadProgress(double percent);
    void upgrade_downloadStop();
    void setClipboard(const QString &text);
    void vkDeleteWordSlot();
    void vkPasteSlot();
    void typingSlot(const QString &newChar, const QString &OldChar);

signals:
    // The orderly exit has saved and released everything; the event loop ends next.
    void quitting();

protected:
    // The window system's close (Alt+F4, the taskbar): into the tray, never quit.
    void closeEvent(QCloseEvent *event) override;
    // The window is translucent for the window system, yet drawn opaque: without a
    // compositing manager a translucent window would show black.
    void paintEvent(QPaintEvent *event) override;

private:
    void initTrayIcon();
    void initTopRightPanel();
    void setTrayMenuNormal();
    void setTrayMenuDownload();
    void setTrayMenuActions(const QList<QAction *> &actions);
    void hideUpgradeDialog();
    // Restores, raises and activates the window, as the tray's open and single click do, with
    // the dialogs left open in front of it.
    void bringForward();

    // The window's contents (the form, the title bar's panel) are built when it is first shown
    // or first asked for: a start into the tray shows neither.
    Ui::ConfigWindow *builtUi() const;
    void buildUi();

    Ui::ConfigWindow *ui;
    bool m_uiBuilt = false;
    QAction *m_openAction = nullptr;
    QAction *m_exitAction = nullptr;
    QAction *m_scanAction = nullptr;
    QAction *m_checkUpdateAction = nullptr;
    QAction *m_showProgressAction = nullptr;
    QSystemTrayIcon *m_trayIcon = nullptr;
    QMenu *m_trayMenu = nullptr;
    bool m_maximised = false;
    QRect m_savedGeometry;
    bool m_minimiseHides = false;
    TopRightPanel *m_topRightPanel = nullptr;
    ProgressDialog *m_progressDialog = nullptr;
    QPointer<QDialog> m_upgradeDialog;
    IDeviceLogic *m_placeholder = nullptr;
    PlaceholderPages *m_placeholderPages = nullptr;
    TypingOutput *m_typing = nullptr;
    HidrawMonitor *m_deviceNodes = nullptr;
    int m_upgradeProgress = -1;
};
