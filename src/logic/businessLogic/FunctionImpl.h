#pragma once

#include "device/VelloboxTypes.h"

#include <QKeySequence>
#include <QObject>
#include <QPointer>
#include <functional>

class AudioRecordBL;
class AudioRecordVO;
class BaiduClient;
class DeviceContext;
class SearchImp;
class TypeImp;
class WorkNode;
class QWidget;

// The function hub of one device: runs every device action (invokeFunction).
//
// The floating windows of a device (effect overlay, subtitle window, recording volume
// window, typing tip) belong to the window layer; the hub drives them through the signals
// below, each one call on the window it names. Key functions go out through the platform
// key sender.
class FunctionImpl : public QObject
{
    Q_OBJECT
public:
    // Stores itself in context->functionImpl. The main window's typing slots
    // (typingSlot, setClipboard, vkDeleteWordSlot, vkPasteSlot), when it has them, get the
    // typing node's output queued.
    FunctionImpl(QWidget *mainWindow, DeviceContext *context);
    ~FunctionImpl() override;

    DeviceContext *context() const { return m_context; }
    TypeImp *typeImp() const { return m_typeImp; }
    SearchImp *searchImp() const { return m_searchImp; }
    AudioRecordBL *audioRecord() const { return m_record; }
    WorkNode *speechNode() const { return m_node; }

    // The effect running on the overlay (0 spotlight, 1 magnifier, 2 digital light), -1 none.
    int effectMode() const { return m_effectMode; }
    bool isSubtitleShown() const { return m_subtitleShown; }
    bool isVolumeShown() const { return m_volumeShown; }

    // Ends everything the device runs, then calls done (may be empty).
    void shutdown(std::function<void()> done);

public slots:
    void invokeFunction(VelloboxActionType action, VelloboxFunctionFlags flags, const QString &text);
    void subtitle_showText(const QString &text);
    void subtitle_showTranslatedText(const QString &text);

signals:
    // FullScreenWidget: startFunction(mode) and show; stopFunction and hide; gears.
    void effectStart(int mode);
    void effectStop();
    void gearUp();
    void gearDown();
    // SubtitleWidget: empty both lines, updatePosition, show, updateStyle; empty and hide;
    // setText1 / setText2.
    void subtitleShow();
    void subtitleHide();
    void subtitleText1(const QString &text);
    void subtitleText2(const QString &text);
    // RecordVolumeDialog: show at the bottom-right of the screen under the pointer; hide;
    // its recording slot (only while shown).
    void volumeWindowShow();
    void volumeWindowHide();
    void volumeLevel(AudioRecordVO *record, int db);
    // The screenshot tool: start a screenshot translation for this device.
    void snapshotTranslationRequested();
    // A key function was sent (or could not be: ok false).
    void keysSent(const QKeySequence &keys, bool ok);

private:
    // Each device function, one job each.
    void runEffect(int mode, VelloboxFunctionFlags flags);
    void runVolumeKey(VelloboxFunctionFlags flags);
    void runRecording(VelloboxFunctionFlags flags);
    void runMKeySwitch(VelloboxFunctionFlags flags, const QString &text);
    void runSpeech(VelloboxActionType action, VelloboxFunctionFlags flags);
    void runGetword(VelloboxFunctionFlags flags);
    void runCustomShortcut();
    void runWebSearch();
    void runOpenWebPage();
    void pressKeys(const QKeySequence &keys);

    void startSpeech(VelloboxActionType action);
    void translateForTyping(const QString &text, std::function<void(const QString &)> done);
    bool pushToTalk() const;
    int currentMKeyFunction() const;

    DeviceContext *m_context;
    QPointer<QWidget> m_mainWindow;
    WorkNode *m_node;
    TypeImp *m_typeImp;
    SearchImp *m_searchImp;
    AudioRecordBL *m_record;
    BaiduClient *m_client;
    int m_effectMode = -1;
    bool m_subtitleShown = false;
    bool m_volumeShown = false;
    VelloboxActionType m_speechAction = Action_VoiceTyping;
};
