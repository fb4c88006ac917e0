#include "logic/businessLogic/FunctionImpl.h"

#include "config/BaseSetting.h"
#include "config/MouseSetting.h"
#include "config/PointerSetting.h"
#include "config/language/Languages.h"
#include "device/DeviceContext.h"
#include "logging/QsLog.h"
#include "logic/businessLogic/AudioRecordBL.h"
#include "logic/businessLogic/FunctionCatalog.h"
#include "logic/businessLogic/GetwordTranslateImpl.h"
#include "logic/businessLogic/KeyStroke.h"
#include "logic/businessLogic/Launcher.h"
#include "logic/businessLogic/workflow/WorkNode.h"
#include "logic/businessLogic/workflow/typing/TypeImp.h"
#include "logic/businessLogic/workflow/voicesearch/SearchImp.h"
#include "logic/client/BaiduClient.h"
#include "qui/Toast.h"
#include "util/AppHelper.h"
#include "util/TrContexts.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QWidget>

namespace {
// Speech trails the key: the microphone stays open this long after the release.
constexpr int StopDelayMs = 500;

bool hasSlot(QObject *object, const char *signature)
{
    return object && object->metaObject()->indexOfSlot(signature) >= 0;
}
} // namespace

FunctionImpl::FunctionImpl(QWidget *mainWindow, DeviceContext *context)
    : QObject(nullptr),
      m_context(context),
      m_mainWindow(mainWindow),
      m_node(new WorkNode(context, this)),
      m_typeImp(new TypeImp(this)),
      m_searchImp(new SearchImp(context, this)),
      m_record(new AudioRecordBL(context, this)),
      m_client(new BaiduClient(this))
{
    if (m_context)
        m_context->functionImpl = this;
    m_typeImp->setTranslator([this](const QString &text, std::function<void(const QString &)> done) {
        translateForTyping(text, std::move(done));
    });

    // The typing output goes to the main window's typing slots, queued so that typing
    // (which sleeps between key strokes) never runs inside a result handler.
    if (hasSlot(mainWindow, "typingSlot(QString,QString)")) {
        connect(m_typeImp, SIGNAL(typingSignal(QString,QString)), mainWindow, SLOT(typingSlot(QString,QString)),
                Qt::QueuedConnection);
    }
    if (hasSlot(mainWindow, "setClipboard(QString)"))
        connect(m_typeImp, SIGNAL(clipboard(QString)), mainWindow, SLOT(setClipboard(QString)), Qt::QueuedConnection);
    if (hasSlot(mainWindow, "vkDeleteWordSlot()"))
        connect(m_typeImp, SIGNAL(vkDeleteWordSignal()), mainWindow, SLOT(vkDeleteWordSlot()), Qt::QueuedConnection);
    if (hasSlot(mainWindow, "vkPasteSlot()"))
        connect(m_typeImp, SIGNAL(vkPasteSignal()), mainWindow, SLOT(vkPasteSlot()), Qt::QueuedConnection);

    connect(m_record, &AudioRecordBL::text, this, &FunctionImpl::subtitle_showText);
    connect(m_record, &AudioRecordBL::translatedText, this, &FunctionImpl::subtitle_showTranslatedText);
    connect(m_record, &AudioRecordBL::recording, this, [this](AudioRecordVO *record, int db) {
        if (m_volumeShown)
            emit volumeLevel(record, db);
    });
}

FunctionImpl::~FunctionImpl()
{
    if (GetwordTranslateImpl::instance().context() == m_context)
        GetwordTranslateImpl::instance().stop();
    if (m_context && m_context->functionImpl == this)
        m_context->functionImpl = nullptr;
}

void FunctionImpl::invokeFunction(VelloboxActionType action, VelloboxFunctionFlags flags, const QString &text)
{
    QLOG_DEBUG() << "FunctionImpl::invokeFunction action" << int(action) << "flags" << int(flags);
    if (m_context)
        m_context->lastAction = action;
    const bool press = flags & Flag_Press;
    switch (action) {
    case Action_RecordStart:
    case Action_Record:
        runRecording(flags);
        break;
    case Action_Spotlight:
    case Action_Magnifier:
    case Action_DigitalLight:
        runEffect(Action_Spotlight - action, flags);
        break;
    case Action_MKeySwitch:
        runMKeySwitch(flags, text);
        break;
    case Action_Volume:
        runVolumeKey(flags);
        break;
    case Action_VoiceTyping:
    case Action_TranslationTyping:
    case Action_VoiceSearch:
        runSpeech(action, flags);
        break;
    case Action_SnapshotTranslation:
        if (press)
            emit snapshotTranslationRequested();
        break;
    case Action_GetwordTranslation:
        runGetword(flags);
        break;
    case Action_Enter:
        if (press)
            pressKeys(QKeySequence(Qt::Key_Return));
        break;
    case Action_Backspace:
        if (press)
            pressKeys(QKeySequence(Qt::Key_Backspace));
        break;
    case Action_ShowDesktop:
        if (press)
            pressKeys(QKeySequence(Qt::META + Qt::Key_D)); // the desktops' common show-desktop key
        break;
    case Action_CustomShortcut:
        if (press)
            runCustomShortcut();
        break;
    case Action_WebSearch:
        if (press)
            runWebSearch();
        break;
    case Action_SwitchWindow:
        if (press)
            pressKeys(QKeySequence(Qt::ALT + Qt::Key_Tab));
        break;
    case Action_OpenWebPage:
        if (press)
            runOpenWebPage();
        break;
    default:
        QLOG_DEBUG() << "no function for action" << int(action);
        break;
    }
}

void FunctionImpl::runEffect(int mode, VelloboxFunctionFlags flags)
{
    if (flags & Flag_Press) {
        m_effectMode = mode;
        emit effectStart(mode);
    } else if (flags & Flag_Release) {
        m_effectMode = -1;
        emit effectStop();
    }
}

void FunctionImpl::runVolumeKey(VelloboxFunctionFlags flags)
{
    // The volume keys change the running effect's strength; mode 3 (air mouse) has none.
    if (m_effectMode < 0 || m_effectMode == 3)
        return;
    if (flags & Flag_Up)
        emit gearUp();
    else if (flags & Flag_Down)
        emit gearDown();
}

void FunctionImpl::runRecording(VelloboxFunctionFlags flags)
{
    if (flags & Flag_Press) {
        if (flags & Flag_RecordSubtitle) {
            m_subtitleShown = true;
            emit subtitleShow();
        }
        if (flags & Flag_RecordVolume) {
            m_volumeShown = true;
            emit volumeWindowShow();
        }
        m_record->start();
    } else if (flags & Flag_Release) {
        if (m_subtitleShown) {
            m_subtitleShown = false;
            emit subtitleHide();
        }
        if (m_volumeShown) {
            m_volumeShown = false;
            emit volumeWindowHide();
        }
        m_record->stop();
    }
}

int FunctionImpl::currentMKeyFunction() const
{
    const BaseSetting *setting = m_context ? m_context->setting : nullptr;
    if (!setting)
        return -1;
    if (setting->mKey_function >= 0)
        return setting->mKey_function;
    const QStringList list = setting->mKey_functions.split(QLatin1Char(','), Qt::SkipEmptyParts);
    bool ok = false;
    const int id = list.value(setting->mKey_functionIndex).trimmed().toInt(&ok);
    return ok ? id : 3;
}

void FunctionImpl::runMKeySwitch(VelloboxFunctionFlags flags, const QString &text)
{
    if (flags & Flag_Notice) {
        Toast::instance().showMessage(1, text, 2000);
        return;
    }
    // A running effect belongs to the function that was left.
    if (m_effectMode >= 0) {
        m_effectMode = -1;
        emit effectStop();
    }
    const int id = currentMKeyFunction();
    const bool presenter = m_context && m_context->setting &&
                           m_context->setting->deviceKind() == BaseSetting::PresenterKind;
    const QString name = presenter ? FunctionCatalog::name(FunctionCatalog::PresenterMKey, id)
                                   : FunctionCatalog::name(FunctionCatalog::DeviceAction, id);
    if (!name.isEmpty())
        Toast::instance().showMessage(0, TNotify::tr("当前功能：%1").arg(name), 2000);
}

bool FunctionImpl::pushToTalk() const
{
    const auto *mouse = m_context ? dynamic_cast<const MouseSetting *>(m_context->setting) : nullptr;
    return !mouse || mouse->asr_enablePtt;
}

void FunctionImpl::runSpeech(VelloboxActionType action, VelloboxFunctionFlags flags)
{
    if (AppHelper::instance().microphoneTestState() == 1) {
        QLOG_INFO() << "speech function ignored during the microphone test";
        return;
    }
    if (flags & Flag_Press) {
        if (!pushToTalk() && m_node->isCapturing() && m_speechAction == action) {
            m_node->stopLater(StopDelayMs); // a second press ends a hands-free run
            return;
        }
        startSpeech(action);
    } else if ((flags & Flag_Release) && pushToTalk() && m_speechAction == action) {
        m_node->stopLater(StopDelayMs);
    }
}

void FunctionImpl::startSpeech(VelloboxActionType action)
{
    IWorkHandle *handle = action == Action_VoiceSearch ? static_cast<IWorkHandle *>(m_searchImp)
                                                       : static_cast<IWorkHandle *>(m_typeImp);
    if (m_node->isActive() && (m_node->linked() != handle || m_speechAction != action))
        m_node->cancel(); // another speech function was running: it gives way
    m_speechAction = action;
    if (handle == m_typeImp) {
        m_typeImp->setMode(action);
        const auto *mouse = m_context ? dynamic_cast<const MouseSetting *>(m_context->setting) : nullptr;
        m_typeImp->setOutputMode(mouse ? mouse->asr_typingOutputMode : TypeImp::Live);
    }
    m_node->link(handle);
    m_node->start();
}

void FunctionImpl::translateForTyping(const QString &text, std::function<void(const QString &)> done)
{
    const BaseSetting *setting = m_context ? m_context->setting : nullptr;
    auto &languages = Languages::instance();
    // The typing languages are stored as speech-translation codes; Baidu has codes of its own.
    const auto *from = setting ? languages.switchLanguage(Languages::SpeechTranslation,
                                                          setting->translation_fromLanguage,
                                                          Languages::TextTranslation)
                               : nullptr;
    const auto *to = setting ? languages.switchLanguage(Languages::SpeechTranslation, setting->translation_toLanguage,
                                                        Languages::TextTranslation)
                             : nullptr;
    m_client->translate(
        text, from ? from->code : QStringLiteral("auto"), to ? to->code : QStringLiteral("en"),
        [done](const QString &translated, const QString &, const QString &) { done(translated); }, this,
        [done](const QString &) {
            done(QString());
            return true;
        });
}

void FunctionImpl::runGetword(VelloboxFunctionFlags flags)
{
    if (flags & Flag_Press)
        GetwordTranslateImpl::instance().start(m_context);
    else
        GetwordTranslateImpl::instance().stop();
}

void FunctionImpl::runCustomShortcut()
{
    const auto *mouse = m_context ? dynamic_cast<const MouseSetting *>(m_context->setting) : nullptr;
    QKeySequence keys;
    if (mouse && !mouse->mKey_shortcut_Str.trimmed().isEmpty())
        keys = QKeySequence::fromString(mouse->mKey_shortcut_Str, QKeySequence::PortableText);
    else if (mouse && mouse->mKey_shortcut_key != 0)
        keys = QKeySequence(mouse->mKey_shortcut_modifiers | mouse->mKey_shortcut_key);
    if (keys.isEmpty()) {
        Toast::instance().showMessage(1, TNotify::tr("未设置自定义快捷键"), 2000);
        return;
    }
    pressKeys(keys);
}

void FunctionImpl::pressKeys(const QKeySequence &keys)
{
    const bool ok = KeyStroke::send(keys);
    if (!ok)
        Toast::instance().showMessage(1, TNotify::tr("无法发送按键 %1").arg(keys.toString(QKeySequence::NativeText)), 2000);
    emit keysSent(keys, ok);
}

void FunctionImpl::runWebSearch()
{
    // The highlighted text, else what was copied.
    QClipboard *clipboard = QGuiApplication::clipboard();
    QString text = clipboard->supportsSelection() ? clipboard->text(QClipboard::Selection).trimmed() : QString();
    if (text.isEmpty())
        text = clipboard->text().trimmed();
    const QString engine = m_context && m_context->setting ? m_context->setting->search_engine : QString();
    QUrl url;
    if (text.isEmpty()) {
        const QUrl prefix(engine);
        url = Launcher::searchUrl(engine, QString()).isValid() ? prefix.adjusted(QUrl::RemovePath | QUrl::RemoveQuery) : QUrl();
    } else {
        url = Launcher::searchUrl(engine, text);
    }
    if (!url.isValid() || url.isEmpty() || !Launcher::openUrl(url))
        Toast::instance().showMessage(2, TNotify::tr("搜索引擎地址无效"), 2000);
}

void FunctionImpl::runOpenWebPage()
{
    const auto *mouse = m_context ? dynamic_cast<const MouseSetting *>(m_context->setting) : nullptr;
    const QString address = mouse ? mouse->mKey_url.trimmed() : QString();
    if (address.isEmpty()) {
        Toast::instance().showMessage(1, TNotify::tr("未设置网页地址"), 2000);
        return;
    }
    if (!Launcher::openUrl(Launcher::webAddress(address)))
        Toast::instance().showMessage(2, TNotify::tr("无法打开网页：%1").arg(address), 2000);
}

void FunctionImpl::subtitle_showText(const QString &text)
{
    emit subtitleText1(text);
}

void FunctionImpl::subtitle_showTranslatedText(const QString &text)
{
    emit subtitleText2(text);
}

void FunctionImpl::shutdown(std::function<void()> done)
{
    if (m_record->isRecording() || m_record->node()->isActive()) {
        m_volumeShown = false;
        m_record->node()->cancel(); // saves what was recorded
    }
    m_subtitleShown = false;
    emit subtitleHide();
    m_effectMode = -1;
    emit effectStop();
    emit volumeWindowHide();
    m_node->cancel();
    if (GetwordTranslateImpl::instance().context() == m_context)
        GetwordTranslateImpl::instance().stop();
    if (done)
        done();
}
