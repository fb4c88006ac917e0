#pragma once

#include "device/IContextBinder.h"

#include <QMetaObject>
#include <QPointer>
#include <QWidget>

class BarVolume;
class FormItem;
class IAudioDevice;
class QPushButton;

namespace Ui {
class MicrophoneItem;
}

// The microphone test of a mouse's information page: the sound source (a list of the PC's
// inputs, or the Bluetooth product's own microphone), a start/stop button and a level bar.
// While any page runs a test, the process-wide test flag is set and the speech functions stay
// quiet; each page stops only the test it started.
class MicrophoneItem : public QWidget, public IContextBinder
{
    Q_OBJECT
public:
    explicit MicrophoneItem(QWidget *parent = nullptr);
    ~MicrophoneItem() override;

    bool isTesting() const { return m_testing; }
    FormItem *sourceRow() const { return m_sourceRow; }
    QPushButton *startButton() const;
    BarVolume *volume() const;
    // Input names of the list, sorted; one entry per name. Read when the item is first shown
    // (or a test starts): listing the inputs loads the audio module.
    QStringList inputNames() const { return m_inputs; }

    // The bars for a level in dB: 0 to 100 shown as 0 to 10.
    static int barsForLevel(int level);

public slots:
    void on_btnStartTesting_clicked();
    // One captured block of signed 16-bit little-endian samples.
    void onWriteData(const char *data, qlonglong len);
    // Ends this page's test, if it runs one.
    void stopTest();

protected:
    void onContextChanged() override;
    void showEvent(QShowEvent *event) override;

private:
    void startTest();
    void fillInputs();
    static void changeRunningTests(int delta);

    Ui::MicrophoneItem *ui;
    FormItem *m_sourceRow = nullptr;
    QStringList m_inputs;
    bool m_inputsPending = false;
    QPointer<IAudioDevice> m_source;
    bool m_ownsSource = false;
    bool m_testing = false;
    QMetaObject::Connection m_deviceGone;
};
