#include "form/floating/FunctionWindows.h"

#include "device/DeviceContext.h"
#include "form/dialog/RecordVolumeDialog.h"
#include "form/floating/FullScreenWidget.h"
#include "form/floating/SubtitleWidget.h"
#include "logic/businessLogic/FunctionImpl.h"
#include "orm/data/AudioRecordVO.h"
#include "util/AppHelper.h"

#include <QScreen>

FunctionWindows::FunctionWindows(FunctionImpl *hub)
    : QObject(hub)
    , m_overlay(new FullScreenWidget)
    , m_subtitle(new SubtitleWidget)
    , m_volume(new RecordVolumeDialog)
{
    DeviceContext *context = hub->context();
    m_overlay->hide();
    m_overlay->setContext(context);
    m_subtitle->setContext(context);
    placeVolumeWindow();

    FullScreenWidget *fs = m_overlay;
    connect(hub, &FunctionImpl::effectStart, fs, [fs](int mode) {
        fs->startFunction(mode);
        fs->show();
    });
    connect(hub, &FunctionImpl::effectStop, fs, [fs] {
        fs->stopFunction();
        fs->hide();
    });
    // The volume keys step the effect only while one runs.
    connect(hub, &FunctionImpl::gearUp, fs, [fs] {
        if (fs->functionMode() != 3)
            fs->gearUp();
    });
    connect(hub, &FunctionImpl::gearDown, fs, [fs] {
        if (fs->functionMode() != 3)
            fs->gearDown();
    });

    SubtitleWidget *sub = m_subtitle;
    connect(hub, &FunctionImpl::subtitleShow, sub, [sub] {
        sub->setText1(QString());
        sub->setText2(QString());
        sub->updatePosition();
        sub->show();
        sub->updateStyle();
    });
    connect(hub, &FunctionImpl::subtitleHide, sub, [sub] {
        if (!sub->isVisible())
            return;
        sub->setText1(QString());
        sub->setText2(QString());
        sub->hide();
    });
    connect(hub, &FunctionImpl::subtitleText1, sub, &SubtitleWidget::setText1);
    connect(hub, &FunctionImpl::subtitleText2, sub, &SubtitleWidget::setText2);

    RecordVolumeDialog *vol = m_volume;
    connect(hub, &FunctionImpl::volumeWindowShow, vol, [this, vol] {
        placeVolumeWindow();
        vol->show();
    });
    connect(hub, &FunctionImpl::volumeWindowHide, vol, &QWidget::hide);
    connect(hub, &FunctionImpl::volumeLevel, vol, &RecordVolumeDialog::recording);
}

FunctionWindows::~FunctionWindows()
{
    // The windows have no parent: they go with the hub.
    delete m_overlay;
    delete m_subtitle;
    delete m_volume;
}

FullScreenWidget *FunctionWindows::overlay() const
{
    return m_overlay;
}

SubtitleWidget *FunctionWindows::subtitle() const
{
    return m_subtitle;
}

RecordVolumeDialog *FunctionWindows::volume() const
{
    return m_volume;
}

void FunctionWindows::placeVolumeWindow()
{
    QScreen *screen = AppHelper::currentScreen();
    if (!screen || !m_volume)
        return;
    const QRect area = screen->availableGeometry();
    m_volume->move(area.right() - m_volume->width() + 1, area.bottom() - m_volume->height() + 1);
}
