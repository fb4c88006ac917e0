#include "form/tab/QRCodeTab.h"
#include "ui_QRCodeTab.h"

#include "config/Configurations.h"
#include "logging/QsLog.h"
#include "logic/common/OssCloudHelper.h"
#include "orm/client/ApiClient.h"
#include "qui/QrCodeHelper.h"
#include "qui/Toast.h"
#include "util/Clock.h"
#include "util/TrContexts.h"

#include <QUrl>
#include <QUrlQuery>

QRCodeTab::QRCodeTab(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::QRCodeTab)
{
    ui->setupUi(this);
    connect(ui->btnRecreate, &QPushButton::clicked, this, QOverload<bool>::of(&QRCodeTab::btnRecreate_clicked));
}

QRCodeTab::~QRCodeTab()
{
    delete ui;
}

int QRCodeTab::currentPage() const
{
    return ui->stackedWidget->currentIndex();
}

QString QRCodeTab::expiresText(const QString &link)
{
    // Query items, not a text search: "x-expires=" is another key.
    const QList<QPair<QString, QString>> items = QUrlQuery(QUrl(link)).queryItems(QUrl::FullyDecoded);
    for (const auto &item : items) {
        if (item.first.compare(QLatin1String("Expires"), Qt::CaseInsensitive) == 0)
            return item.second;
    }
    return QString();
}

bool QRCodeTab::isExpired(const QString &link, qint64 nowSeconds)
{
    const QString text = expiresText(link);
    if (text.isEmpty())
        return false;
    return text.toLongLong() <= nowSeconds;
}

QString QRCodeTab::objectName(const QString &link)
{
    const QString path = QUrl(link).path(QUrl::FullyDecoded);
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

qint64 QRCodeTab::validitySeconds(qint64 configured)
{
    return configured < 1 || configured > MaxValiditySeconds ? MaxValiditySeconds : configured;
}

void QRCodeTab::setShareCode(const AudioRecordVO *record, const QString &code)
{
    if (!record)
        return;
    m_record = std::make_unique<AudioRecordVO>(*record);
    ++m_generation;
    ui->btnRecreate->setEnabled(true);
    const QString page = ApiClient::instance().recordSharePageUrl(code);
    if (page.isEmpty())
        QLOG_WARN() << "share page has no address: the API server is not configured";
    QrCodeHelper::setQrCode(page, ui->lbQrCode);
    ui->stackedWidget->setCurrentIndex(isExpired(m_record->attr1, Clock::nowSeconds()) ? ExpiredPage : QrCodePage);
}

void QRCodeTab::btnRecreate_clicked(bool)
{
    btnRecreate_clicked();
}

void QRCodeTab::btnRecreate_clicked()
{
    if (!m_record)
        return;
    const qint64 expires = Clock::nowSeconds() + validitySeconds(Configurations::instance().audioValidityTime());
    const QString object = objectName(m_record->attr1);
    // A link without an object would sign the bucket itself.
    const QString link = object.isEmpty() ? QString() : OssCloudHelper::generatePresignedUrl(object, expires);
    if (link.isEmpty()) {
        Toast::instance().showMessage(1, TNotify::tr("分享码有效期更新失败!"), 2000);
        return;
    }
    // The record changes only once the server has it; a failed save keeps the old link.
    AudioRecordVO changed = *m_record;
    changed.attr1 = link;
    const quint64 generation = m_generation;
    ui->btnRecreate->setEnabled(false);
    ApiClient::instance()
        .editiorSaveRecord(&changed)
        ->context(this)
        .success([this, changed, generation](const HttpRequest::Response &, const AudioRecordVO &) {
            // The server holds the new link even when the pop-up has moved on to another record.
            emit recordSaved(changed);
            if (generation != m_generation)
                return;
            *m_record = changed;
            ui->stackedWidget->setCurrentIndex(QrCodePage);
        })
        .fail([this, generation](const HttpRequest::Response &response, int code) {
            if (generation != m_generation)
                return;
            QLOG_WARN() << "share link not saved:" << code << response.msg;
            Toast::instance().showMessage(1, TNotify::tr("分享码有效期更新失败!"), 2000);
        })
        .complete([this, generation] {
            if (generation == m_generation)
                ui->btnRecreate->setEnabled(true);
        });
}
