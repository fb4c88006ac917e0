#pragma once

#include "device/IContextBinder.h"
#include "device/VelloboxTypes.h"
#include "form/tab/RecordStore.h"

#include <QVariant>
#include <QVector>
#include <QWidget>
#include <functional>

class AudioRecordVO;
class ContainerDialog;
class DataCore;
class PageNavigator;
class QMouseEvent;
class QModelIndex;
class QRCodeTab;
class QTableWidgetItem;
class UserVO;
class ZTableWidget;
namespace HttpRequest {
class Response;
}

namespace Ui {
class RecordTab;
}

// The presenter's " 录音记录" page: the device's serial number, the logged-in user's recordings
// from the API server (newest first, six rows a page) with play, share and delete links, and
// the local record folder. Sharing shows the recording's QR code in a small pop-up.
class RecordTab : public QWidget, public IContextBinder
{
    Q_OBJECT
public:
    static constexpr int PageSize = 6;
    static constexpr int PageButtons = 7;
    static constexpr int ToastMs = 2000;

    // Chooses a folder (parent, caption, start folder); empty when cancelled.
    using FolderChooser = std::function<QString(QWidget *, const QString &, const QString &)>;
    // Tests answer the folder dialog; an empty chooser restores the real dialog.
    static void setFolderChooser(FolderChooser chooser);

    explicit RecordTab(QWidget *parent = nullptr);
    ~RecordTab() override;

    ZTableWidget *table() const;
    PageNavigator *pager() const;
    ContainerDialog *qrDialog() const { return m_qrDialog; }
    QRCodeTab *qrCodeTab() const { return m_qrCodeTab; }
    // All recordings of the last list, newest first.
    const QVector<DataCore *> &recordView() const;
    // The hover tip of a cell; empty when it shows none.
    QString rowToolTip(const QModelIndex &index) const;

public slots:
    void on_btnOpenFolder_clicked(bool checked = false);
    void pageChanged(int currentPage);
    void on_btnChangePath_clicked(bool checked = false);
    void userLogin(UserVO *user);
    void userLogout();
    void table_ItemWidgetRender(DataCore *pData, QString fieldName, QWidget **widget);
    // Reloads the list; the record is not used.
    void loadRecord(AudioRecordVO *newRecord);
    void loadRecord();
    void copySn(QMouseEvent *e);
    void table_closeQrCodeDialog(QTableWidgetItem *item);
    void table_checkbox_stateChanged(QTableWidgetItem *item);
    void deleteRecords();
    void notifyChange_serialNumber(NotifyType type, const QVariant &oldStatus, const QVariant &newStatus);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void onContextChanged() override;

private:
    void onRecordList();
    void showRowToolTip(const QModelIndex &index);
    void onShareCodeFailed();
    void onDeleteResult(const HttpRequest::Response &response);
    void share(const RecordStore::Row &row, const QPoint &globalPos);
    void deleteRecord(const RecordStore::Row &row);
    void updateDeleteLink();
    void createQrDialog();
    void connectTable();

    Ui::RecordTab *ui;
    RecordStore *m_store;
    ContainerDialog *m_qrDialog = nullptr;
    QRCodeTab *m_qrCodeTab = nullptr;
    // The row whose recording the pop-up shows.
    RecordStore::Row m_sharedRow;
};
