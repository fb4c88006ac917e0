#include "form/DeviceWindows.h"

#include "form/dialog/RecordVolumeDialog.h"
#include "form/dialog/TypingMicDialog.h"
#include "form/floating/FullScreenWidget.h"
#include "form/floating/SubtitleWidget.h"
#include "logic/businessLogic/FunctionImpl.h"
#include "logic/businessLogic/workflow/typing/TypeImp.h"
#include "logic/businessLogic/workflow/voicesearch/SearchImp.h"
#include "orm/data/AudioRecordVO.h"
#include "util/AppHelper.h"

#include <QScreen>

DeviceWindows::DeviceWindows(FunctionImpl *hub, DeviceContext *context)
    : QObject(hub)
    , m_overlay(new FullScreenWidget)
    , m_subtitles(new SubtitleWidget)
    , m_volume(new RecordVolumeDialog)
    , m_typingTip(new TypingMicDialog(7, true))
    , m_searchTip(new TypingMicDialog(16, true))
{
    m_overlay->hide();
    m_overlay->setContext(context);
    m_subtitles->setContext(context);
    placeVolumeWindow();
    connectEffects(hub);
    connectRecording(hub);
    connectTips(hub);
}

DeviceWindows::~DeviceWindows()
{
    delete m_searchTip;
    delete m_typingTip;
    delete m_volume;
    delete m_subtitles;
    delete m_overlay;
}

void DeviceWindows::connectEffects(FunctionImpl *hub)
{
    connect(hub, &FunctionImpl::effectStart, m_overlay, [this](int mode) {
        m_overlay->startFunction(mode);
        m_overlay->show();
    });
    connect(hub, &FunctionImpl::effectStop, m_overlay, [this] {
        m_overlay->stopFunction();
        m_overlay->hide();
    });
    connect(hub, &FunctionImpl::gearUp, m_overlay, [this] { m_overlay->gearUp(); });
    connect(hub, &FunctionImpl::gearDown, m_overlay, [this] { m_overlay->gearDown(); });
}

void DeviceWindows::connectRecording(FunctionImpl *hub)
{
    connect(hub, &FunctionImpl::subtitleShow, m_subtitles, [this] {
        m_subtitles->setText1(QString());
        m_subtitles->setText2(QString());
        m_subtitles->updatePosition();
        m_subtitles->show();
        m_subtitles->updateStyle();
    });
    connect(hub, &FunctionImpl::subtitleHide, m_subtitles, [this] {
        m_subtitles->setText1(QString());
        m_subtitles->setText2(QString());
        m_subtitles->hide();
    });
    connect(hub, &FunctionImpl::subtitleText1, m_subtitles, &SubtitleWidget::setText1);
    connect(hub, &FunctionImpl::subtitleText2, m_subtitles, &SubtitleWidget::setText2);
    connect(hub, &FunctionImpl::volumeWindowShow, m_volume, [this] {
        placeVolumeWindow();
        m_volume->show();
    });
    connect(hub, &FunctionImpl::volumeWindowHide, m_volume, &QWidget::hide);
    connect(hub, &FunctionImpl::volumeLevel, m_volume, &RecordVolumeDialog::recording);
}

void DeviceWindows::connectTips(FunctionImpl *hub)
{
    TypeImp *typing = hub->typeImp();
    TypingMicDialog *tip = m_typingTip;
    connect(typing, &TypeImp::tipMode, tip, &TypingMicDialog::setMode);
    connect(typing, &TypeImp::setText, tip, &TypingMicDialog::setText);
    connect(typing, &TypeImp::setMessage, tip, &TypingMicDialog::setMessage);
    connect(typing, &TypeImp::setVolume, tip, &TypingMicDialog::setVolume);
    connect(typing, &TypeImp::showTip, tip, &TypingMicDialog::showTip);
    connect(typing, &TypeImp::hideTip, tip, &TypingMicDialog::hideTip);

    SearchImp *search = hub->searchImp();
    TypingMicDialog *searchTip = m_searchTip;
    connect(search, &SearchImp::setText, searchTip, &TypingMicDialog::setText);
    connect(search, &SearchImp::setMessage, searchTip, &TypingMicDialog::setMessage);
    connect(search, &SearchImp::setVolume, searchTip, &TypingMicDialog::setVolume);
    connect(search, &SearchImp::showTip, searchTip, &TypingMicDialog::showTip);
    connect(search, &SearchImp::hideTip, searchTip, &TypingMicDialog::hideTip);
}

void DeviceWindows::placeVolumeWindow()
{
    // Bottom-right corner of the free area of the screen under the pointer.
    QScreen *screen = AppHelper::currentScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    m_volume->move(area.left() + area.width() - m_volume->width(), area.bottom() + 1 - m_volume->height());
}
