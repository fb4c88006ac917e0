#include "form/TranslationLink.h"

#include "config/BaseSetting.h"
#include "device/DeviceContext.h"
#include "form/dialog/TranslationDialog.h"
#include "logging/QsLog.h"
#include "logic/businessLogic/FunctionImpl.h"
#include "logic/businessLogic/GetwordTranslateImpl.h"
#include "ocr/OcrRecognizer.h"
#include "qui/Toast.h"
#include "screenshot/ScreenShotButtons.h"
#include "screenshot/ScreenShotWidget.h"
#include "util/AppHelper.h"

#include <QScreen>

namespace {
const QString kSnapshotFrom = QStringLiteral("snapshot_ocrLanguage");
const QString kSnapshotTo = QStringLiteral("snapshot_tranToLanguage");
const QString kWordPickFrom = QStringLiteral("getword_tranFromLanguage");
const QString kWordPickTo = QStringLiteral("getword_tranToLanguage");
constexpr int kGap = 10;
} // namespace

TranslationLink *TranslationLink::of(QObject *owner)
{
    if (!owner)
        return nullptr;
    if (auto *link = owner->findChild<TranslationLink *>(QString(), Qt::FindDirectChildrenOnly))
        return link;
    return new TranslationLink(owner);
}

TranslationLink::TranslationLink(QObject *parent) : QObject(parent), m_ocr(new OcrRecognizer(this))
{
    auto &wordPick = GetwordTranslateImpl::instance();
    connect(&wordPick, &GetwordTranslateImpl::showResult, this, &TranslationLink::showWordPick);
    connect(&wordPick, &GetwordTranslateImpl::fadeOutCancelled, &m_fadeOut, &QTimer::stop);
    connect(m_ocr, &OcrRecognizer::recognized, this, &TranslationLink::onRecognized);
    connect(m_ocr, &OcrRecognizer::failed, this, &TranslationLink::onRecognitionFailed);
    m_fadeOut.setSingleShot(true);
    m_fadeOut.setInterval(FadeOutMs);
    connect(&m_fadeOut, &QTimer::timeout, this, [this] {
        // Only the untouched icon fades; an opened dialog stays.
        if (m_wordPick && m_wordPick->isCollapsed() && GetwordTranslateImpl::instance().fadeOutAllowed())
            m_wordPick->hide();
    });
}

TranslationLink::~TranslationLink()
{
    // The windows have no parent: they go with the link.
    delete m_wordPick;
    delete m_snapshot;
    delete m_regionTool;
}

void TranslationLink::attach(FunctionImpl *hub)
{
    if (!hub)
        return;
    DeviceContext *context = hub->context();
    connect(hub, &FunctionImpl::snapshotTranslationRequested, this, [this, context] { startSnapshot(context); });
    connect(hub, &QObject::destroyed, this, [this, context] {
        if (m_snapshotContext == context)
            m_snapshotContext = nullptr;
    });
}

void TranslationLink::ensureRegionTool()
{
    if (m_regionTool)
        return;
    m_regionTool = new ScreenShotWidget;
    ScreenShotButtons *buttons = m_regionTool->buttons();
    connect(buttons, &ScreenShotButtons::snapshotTranslation, this, &TranslationLink::translateRegion);
}

bool TranslationLink::startSnapshot(DeviceContext *context)
{
    m_snapshotContext = context;
    ensureRegionTool();
    if (m_regionTool->isVisible())
        return true;
    return m_regionTool->start();
}

void TranslationLink::ensureSnapshotDialog()
{
    if (m_snapshot)
        return;
    m_snapshot = new TranslationDialog(1, m_snapshotContext, kSnapshotFrom, kSnapshotTo);
    m_snapshot->setIconVisible(true);
    m_snapshot->setSourceVisible(false);
    m_snapshot->setLanguages();
    ScreenShotButtons *buttons = m_regionTool ? m_regionTool->buttons() : nullptr;
    if (buttons)
        connect(m_snapshot, &TranslationDialog::reSnapShotTranslation, buttons, &ScreenShotButtons::retranslate);
}

void TranslationLink::translateRegion(const QImage &image, const QRect &region)
{
    ensureSnapshotDialog();
    m_snapshot->useContext(m_snapshotContext);
    m_snapshot->setLanguages();
    if (m_snapshot->isHidden()) {
        // Right of the region when it fits on the screen, else left of it.
        QScreen *screen = AppHelper::currentScreen(region.center());
        const QRect area = screen ? screen->availableGeometry() : QRect(region.topLeft(), m_snapshot->size());
        int x = region.right() + kGap;
        if (x + m_snapshot->width() > area.right())
            x = region.left() - kGap - m_snapshot->width();
        x = qBound(area.left(), x, qMax(area.left(), area.right() - m_snapshot->width()));
        const int y = qBound(area.top(), region.top(), qMax(area.top(), area.bottom() - m_snapshot->height()));
        m_snapshot->move(x, y);
        m_snapshot->show();
    }
    // Nothing of the former region stays beside the new one.
    m_snapshot->setSourceText(QString());
    m_snapshot->setTranslationText(QString());
    const BaseSetting *record = m_snapshotContext ? m_snapshotContext->setting : nullptr;
    m_ocr->recognize(image, record ? record->text(kSnapshotFrom) : QStringLiteral("auto"));
}

void TranslationLink::onRecognized(int request, const QStringList &lines)
{
    if (!m_snapshot || request != m_ocr->currentRequest())
        return;
    m_snapshot->setSourceText(lines.join(QLatin1Char(',')));
    m_snapshot->toTranslateText(QString(), QString());
}

void TranslationLink::onRecognitionFailed(int request, const QString &message)
{
    if (request != m_ocr->currentRequest())
        return;
    QLOG_WARN() << "ocr:" << message;
    if (m_snapshot)
        m_snapshot->setTranslationText(QString());
    Toast::instance().showMessage(2, message, 2000);
}

void TranslationLink::showWordPick(const QPoint &position, const QString &text, const QString &translation)
{
    DeviceContext *context = GetwordTranslateImpl::instance().context();
    if (!m_wordPick) {
        m_wordPick = new TranslationDialog(0, context, kWordPickFrom, kWordPickTo);
        m_wordPick->hide();
    }
    m_wordPick->useContext(context);
    m_wordPick->setSourceVisible(true);
    if (m_wordPick->isHidden())
        m_wordPick->show();
    m_fadeOut.start();
    m_wordPick->setLanguages();
    m_wordPick->move(position);
    m_wordPick->setSourceText(text);
    m_wordPick->setTranslationText(translation);
}
