#include "form/tab/RecordTab.h"
#include "ui_RecordTab.h"

#include "config/BaseSetting.h"
#include "config/Configurations.h"
#include "databinding/PageNavigator.h"
#include "databinding/ZTableWidget.h"
#include "device/DeviceContext.h"
#include "device/DeviceHardwareInfo.h"
#include "form/dialog/ContainerDialog.h"
#include "form/tab/QRCodeTab.h"
#include "form/tab/RecordActionCell.h"
#include "form/tab/RecordPlayback.h"
#include "form/tab/RecordStore.h"
#include "logging/QsLog.h"
#include "logic/businessLogic/AudioRecordBL.h"
#include "logic/businessLogic/login/LoginBL.h"
#include "orm/client/ApiClient.h"
#include "orm/data/UserVO.h"
#include "qui/QUIHelper.h"
#include "qui/Toast.h"
#include "qui/control/ClickableLabel.h"
#include "util/AppHelper.h"
#include "util/TrContexts.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QMouseEvent>
#include <QToolTip>

using HttpRequest::Response;

namespace {
constexpr int DialogSide = 240;
constexpr int TranscriptColumn = 3;
const QString kAction = QStringLiteral("action");
// The column titles of the AudioRecordVO table layout; the table translates them in TUI.
[[maybe_unused]] const char *const kColumnTitles[] = {
    QT_TRANSLATE_NOOP("TUI", "录音时间"), QT_TRANSLATE_NOOP("TUI", "时长"), QT_TRANSLATE_NOOP("TUI", "内容"),
    QT_TRANSLATE_NOOP("TUI", "操作")};

RecordTab::FolderChooser &folderChooser()
{
    static RecordTab::FolderChooser chooser;
    return chooser;
}

qint64 currentUserId()
{
    const UserVO *user = LoginBL::instance().getUser();
    return user ? user->id : 0;
}
} // namespace

void RecordTab::setFolderChooser(FolderChooser chooser)
{
    folderChooser() = std::move(chooser);
}

RecordTab::RecordTab(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::RecordTab)
    , m_store(new RecordStore(this))
{
    ui->setupUi(this);
    ZTableWidget *table = ui->tvRecord;
    table->init(AudioRecordVO::staticFieldTable(), QStringLiteral("AudioRecordVO"), true);
    table->setAllChecked(false);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui->pager->hide();

    connect(m_store, &RecordStore::listChanged, this, &RecordTab::onRecordList);
    connect(m_store, &RecordStore::loadFailed, this, [](const QString &message) {
        Toast::instance().showMessage(2, TNotify::tr("获取录音记录失败: %1").arg(message), ToastMs);
    });
    loadRecord();
    ui->lePath->setText(AudioRecordBL::recordFolder());
    createQrDialog();
    connectTable();
    ui->clickedlbDelete->hide();
}

RecordTab::~RecordTab()
{
    delete ui;
}

void RecordTab::createQrDialog()
{
    m_qrDialog = new ContainerDialog(this);
    m_qrDialog->setWindowFlags(Qt::Dialog);
    m_qrDialog->initWindow();
    m_qrDialog->layout()->setContentsMargins(0, 0, 0, 0);
    m_qrDialog->setStyleSheet(QStringLiteral("background-color:rgb(255,255,255)"));
    m_qrCodeTab = new QRCodeTab;
    m_qrDialog->setWidget(m_qrCodeTab);
    m_qrDialog->setFixedSize(DialogSide, DialogSide);
    // The list shows the link the server now holds: the next share or play uses it.
    connect(m_qrCodeTab, &QRCodeTab::recordSaved, this,
            [this](const AudioRecordVO &record) { m_store->updateLink(m_sharedRow, record.attr1); });
}

void RecordTab::connectTable()
{
    ZTableWidget *table = ui->tvRecord;
    connect(ui->lbSn, &ClickableLabel::clicked, this, &RecordTab::copySn);
    connect(table, &ZTableWidget::Table_ItemWidgetRender, this, &RecordTab::table_ItemWidgetRender);
    connect(&LoginBL::instance(), &ILoginBL::userLogin, this, &RecordTab::userLogin);
    connect(&LoginBL::instance(), &ILoginBL::userLogout, this, &RecordTab::userLogout);
    connect(table, &QTableWidget::itemClicked, this, &RecordTab::table_closeQrCodeDialog);
    connect(table, &QTableWidget::itemDoubleClicked, this, &RecordTab::table_closeQrCodeDialog);
    connect(table, &QTableWidget::itemPressed, this, &RecordTab::table_closeQrCodeDialog);
    connect(table, &QTableWidget::itemChanged, this, &RecordTab::table_checkbox_stateChanged);
    connect(table, &ZTableWidget::Table_Checkbox_ChangeAll, this, [this](bool) { updateDeleteLink(); });
    connect(table, &QAbstractItemView::entered, this, &RecordTab::showRowToolTip);
    connect(ui->clickedlbDelete, &ClickableLabel::clicked, this, [this](QMouseEvent *) { deleteRecords(); });
    table->setMouseTracking(true);
}

ZTableWidget *RecordTab::table() const
{
    return ui->tvRecord;
}

PageNavigator *RecordTab::pager() const
{
    return ui->pager;
}

const QVector<DataCore *> &RecordTab::recordView() const
{
    return m_store->view();
}

void RecordTab::loadRecord(AudioRecordVO *)
{
    loadRecord();
}

void RecordTab::loadRecord()
{
    m_store->reload();
}

void RecordTab::onRecordList()
{
    // A new pager: the view starts again at page 1.
    ui->horizontalLayout_4->removeWidget(ui->pager);
    ui->pager->hide();
    ui->pager->deleteLater();
    ui->pager = new PageNavigator(this);
    ui->pager->setMinimumSize(500, 50);
    ui->horizontalLayout_4->addWidget(ui->pager);
    ui->pager->show();
    ui->pager->setTotal(m_store->view().size(), PageSize, 1, PageButtons);
    connect(ui->pager, &PageNavigator::currentPageChanged, this, &RecordTab::pageChanged);
    pageChanged(1);
}

void RecordTab::pageChanged(int currentPage)
{
    ui->tvRecord->setDatas(m_store->page(currentPage, PageSize));
    ui->tvRecord->bindData();
    // The new rows start unchecked.
    ui->tvRecord->setHeaderChecked(false);
    updateDeleteLink();
}

void RecordTab::table_ItemWidgetRender(DataCore *pData, QString fieldName, QWidget **widget)
{
    if (fieldName != kAction || !pData || !widget)
        return;
    auto *cell = new RecordActionCell;
    // The links act on this row's own recording (ids may repeat), looked up when clicked: a
    // reload frees the list the row was built from, and a re-signed share link changes the
    // recording in place.
    const RecordStore::Row row = m_store->rowOf(pData);
    connect(cell, &RecordActionCell::playClicked, this, [this, row] {
        if (const AudioRecordVO *record = m_store->find(row))
            RecordPlayback::play(*record, AudioRecordBL::recordFolder());
    });
    connect(cell, &RecordActionCell::shareClicked, this, [this, row](const QPoint &at) { share(row, at); });
    connect(cell, &RecordActionCell::deleteClicked, this, [this, row] { deleteRecord(row); });
    *widget = cell;
}

void RecordTab::share(const RecordStore::Row &row, const QPoint &globalPos)
{
    const AudioRecordVO *found = m_store->find(row);
    if (!found)
        return;
    const AudioRecordVO record = *found;
    const QPoint at(globalPos.x() - m_qrDialog->width() / 2, globalPos.y() + 20);
    const qint64 userId = currentUserId();
    ApiClient::instance()
        .generateRecordShareKey(record.id)
        ->context(this)
        .success([this, record, row, at, userId](const Response &response) {
            // The pop-up never shows a recording of a user who has left.
            if (userId != currentUserId())
                return;
            m_sharedRow = row;
            m_qrDialog->move(at);
            m_qrCodeTab->setShareCode(&record, response.data);
            m_qrDialog->show();
        })
        .fail([this](const Response &, int) { onShareCodeFailed(); });
}

void RecordTab::onShareCodeFailed()
{
    Toast::instance().showMessage(1, TNotify::tr("获取二维码失败!"), ToastMs);
}

void RecordTab::deleteRecord(const RecordStore::Row &row)
{
    const AudioRecordVO *record = m_store->find(row);
    if (!record)
        return;
    ApiClient::instance()
        .deleteRecord(record->id)
        ->context(this)
        .success([this, row](const Response &) {
            Toast::instance().showMessage(0, TNotify::tr("删除成功! "), ToastMs);
            // The list drops this row at once, whatever the reload then brings.
            m_store->remove(row);
            loadRecord();
        })
        .fail([](const Response &response, int) {
            Toast::instance().showMessage(2, TNotify::tr("删除失败: %1").arg(response.msg), ToastMs);
        });
}

void RecordTab::deleteRecords()
{
    // The ids are read before the question: the list may be reloaded while it is open.
    QStringList ids;
    const QVector<DataCore *> checked = ui->tvRecord->checkedRows();
    for (const DataCore *record : checked)
        ids << QString::number(record->value(QStringLiteral("id")).toLongLong());
    if (ids.isEmpty())
        return;
    if (QUIHelper::showMessageBoxQuestion(TUI::tr("是否删除记录!")) != QMessageBox::Yes)
        return;
    ApiClient::instance()
        .deleteRecords(ids.join(QLatin1Char('|')))
        ->context(this)
        .success([this](const Response &) {
            Toast::instance().showMessage(0, TNotify::tr("删除成功!"), ToastMs);
            ui->tvRecord->setHeaderChecked(false);
            loadRecord();
        })
        .fail([this](const Response &response, int) { onDeleteResult(response); });
}

void RecordTab::onDeleteResult(const Response &response)
{
    QLOG_ERROR() << "删除记录失败:"
                 << QStringLiteral(" status : %1; msg : %2; rc : %3; data: %4 ")
                        .arg(response.status)
                        .arg(response.msg, response.rc, response.data);
    Toast::instance().showMessage(2, TNotify::tr("删除失败: %1").arg(response.msg), ToastMs);
}

QString RecordTab::rowToolTip(const QModelIndex &index) const
{
    if (!index.isValid())
        return QString();
    if (index.column() != TranscriptColumn)
        return index.data(Qt::DisplayRole).toString();
    const auto *record = static_cast<const AudioRecordVO *>(ui->tvRecord->rowData(index.row()));
    if (!record) {
        QLOG_WARN() << "记录表没有数据:第" << index.row() << "行";
        return QString();
    }
    if (record->content.isEmpty() && record->translatedText.isEmpty())
        return QString();
    return record->content.trimmed() + QStringLiteral("\n\n") + record->translatedText.trimmed();
}

void RecordTab::showRowToolTip(const QModelIndex &index)
{
    const QString text = rowToolTip(index);
    // The transcript is the server's text: escaped inside rich text of our own, so a tooltip never
    // takes markup in it for formatting.
    if (!text.isEmpty())
        QToolTip::showText(QCursor::pos(), QStringLiteral("<p style='white-space:pre-wrap'>%1</p>").arg(text.toHtmlEscaped()),
                           ui->tvRecord);
}

void RecordTab::onContextChanged()
{
    DeviceContext *c = context();
    if (c && c->hardwareInfo)
        ui->lbSnText->setText(c->hardwareInfo->serialNumber);
}

void RecordTab::notifyChange_serialNumber(NotifyType type, const QVariant &, const QVariant &)
{
    if (type == Notify_SerialNumber)
        onContextChanged();
}

void RecordTab::copySn(QMouseEvent *)
{
    DeviceContext *c = context();
    if (!c || !c->setting || c->setting->serialNumber.isEmpty())
        return;
    QApplication::clipboard()->setText(c->setting->serialNumber);
    Toast::instance().showMessage(0, TNotify::tr("复制成功"), ToastMs);
}

void RecordTab::on_btnChangePath_clicked(bool)
{
    const QString caption = TUI::tr("默认路径");
    const QString start = AudioRecordBL::recordFolder();
    const QString folder = folderChooser() ? folderChooser()(this, caption, start)
                                           : QFileDialog::getExistingDirectory(this, caption, start);
    if (folder.isEmpty())
        return;
    Configurations::instance().setDefaultRecordPath(folder);
    ui->lePath->setText(folder);
}

void RecordTab::on_btnOpenFolder_clicked(bool)
{
    AppHelper::openLocalFile(AudioRecordBL::recordFolder());
}

void RecordTab::updateDeleteLink()
{
    ui->clickedlbDelete->setVisible(!ui->tvRecord->checkedRows().isEmpty());
}

void RecordTab::table_checkbox_stateChanged(QTableWidgetItem *item)
{
    if (item && (!item->tableWidget() || item->column() != 0))
        return;
    updateDeleteLink();
}

void RecordTab::table_closeQrCodeDialog(QTableWidgetItem *)
{
    if (m_qrDialog->isVisible())
        m_qrDialog->hide();
}

void RecordTab::mouseReleaseEvent(QMouseEvent *event)
{
    table_closeQrCodeDialog(nullptr);
    event->ignore();
}

void RecordTab::userLogin(UserVO *)
{
    // The pager shows up with this user's list; until then it holds no count.
    loadRecord();
}

void RecordTab::userLogout()
{
    ui->tvRecord->refreshRows();
    m_store->clear();
    // The next user never sees this user's count and page buttons.
    ui->pager->setTotal(0, PageSize, 1, PageButtons);
    ui->pager->hide();
    // The pop-up shows the previous user's recording.
    m_qrDialog->hide();
    updateDeleteLink();
}
