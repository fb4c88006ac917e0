#pragma once

#include "device/VelloboxTypes.h"

#include <QObject>
#include <QPair>
#include <QVariant>
#include <QVector>
#include <functional>
#include <memory>
#include <optional>

class BaseSetting;
class DeviceContext;
class LeftTabbarPanel;
class QPainter;
class QRect;
class QWidget;
class TabPanel;

// Decodes a device's keys into actions and builds the device's settings pages.
// The logic lives on the GUI thread, beside the settings record it reads and writes; the
// listener threads hand it their reports and key events as queued calls, and GUI receivers
// of its signals are called directly.
class IDeviceLogic : public QObject
{
    Q_OBJECT
public:
    using DeviceUi = QPair<TabPanel *, LeftTabbarPanel *>;

    // One navigation button and the page behind it. `create` builds the page for the main
    // window; it stays empty until the page's form exists.
    struct PageEntry {
        QString buttonText;
        QString pageClass;
        std::function<QWidget *(QWidget *mainWindow)> create;
    };

    // Turns a page table into the device's panels. The forms layer, which owns the panel
    // classes, installs it; without one the device has no pages.
    using PageBuilder =
        std::function<DeviceUi(QWidget *mainWindow, IDeviceLogic *logic, const QVector<PageEntry> &pages)>;
    static void setPageBuilder(PageBuilder builder);

    // Two presses of the M key closer than this switch to the next M-key function.
    static constexpr qint64 DoubleClickMs = 500;
    // What the M key runs when neither the chosen function nor the list says otherwise.
    static constexpr int DefaultFunction = Action_Magnifier;

    explicit IDeviceLogic(DeviceContext *context, QObject *parent = nullptr);
    ~IDeviceLogic() override;

    DeviceContext *context() const { return m_context; }
    // The context is being deleted: from now on the logic touches neither it nor its record.
    void detachContext() { m_context = nullptr; }

    // Builds the page stack and its navigation column; the function hub must exist.
    virtual DeviceUi initializeUI(QWidget *mainWindow);
    DeviceUi deviceUi() const { return m_ui; }
    // Undoes what initializeUI connected.
    virtual void releaseUI() {}

    // The device kind's display name (the tab title).
    virtual QString typeName() const = 0;
    // Draws the device's status in its tab: a small dot at the right of the rectangle.
    virtual void paintStatus(QPainter *painter, const QRect &rect) const;

    // A fresh settings record for a device of this kind.
    virtual std::unique_ptr<BaseSetting> createSetting() const;
    // The navigation buttons and pages of this device kind, in order.
    virtual QVector<PageEntry> pageTable() const { return {}; }

    // The current M-key function: "mKey_function" when it is 0 or more, else element
    // "mKey_functionIndex" of the comma list "mKey_functions", else 3.
    int currentFunctionIndex() const;
    static int functionIndexOf(const BaseSetting *setting);
    static QList<int> functionList(const QString &commaList);

    DeiveStatus status() const { return m_status; }
    void setStatus(DeiveStatus status);

public slots:
    // One decoded key event. Action 5 stands for the M key itself (or the branded mouse's
    // voice key): it runs the current M-key function, and a second press within 500 ms
    // switches to the next one instead. Every other action is passed on as it is.
    // Safe from any thread: a call from another thread is queued to the logic's thread.
    void handleKeyEvent(VelloboxActionType action, VelloboxFunctionFlags flags, const QString &text);
    // One raw input report from the listener. The products' report formats are their own:
    // a product logic that knows them decodes here and calls handleKeyEvent.
    virtual void handleReport(const QByteArray &report);

signals:
    void invokeFunction(VelloboxActionType action, VelloboxFunctionFlags flags, const QString &text);
    void notifyChange(NotifyType type, const QVariant &oldValue, const QVariant &newValue);

protected:
    // Builds the panels from the page table through the installed page builder;
    // {nullptr, nullptr} without one.
    virtual DeviceUi buildPages(QWidget *mainWindow, const QVector<PageEntry> &pages);
    // Connects the device's signals to the pages and the function hub.
    virtual void connectUi(QWidget *mainWindow) {}

    BaseSetting *setting() const;
    // Sets one field through the record's notifying setter on the thread that owns the
    // settings store; from any other thread the write is queued there.
    void writeSetting(const QString &field, const QVariant &value);
    // The double-click rule: next function of the list, or a notice when the list is empty.
    void switchToNextFunction();

    DeviceContext *m_context;
    DeviceUi m_ui{nullptr, nullptr};

private:
    void handleMKey(VelloboxFunctionFlags flags, const QString &text);

    std::optional<qint64> m_lastMKeyPress;
    bool m_swallowRelease = false;
    DeiveStatus m_status = Status_Connected;
};
