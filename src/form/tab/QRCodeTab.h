#pragma once

#include "orm/data/AudioRecordVO.h"

#include <QWidget>
#include <memory>

namespace Ui {
class QRCodeTab;
}

// The content of the record share pop-up: the QR code of a recording's share page, or, once
// the recording's signed cloud link has expired, a notice with a button that signs the link
// anew and saves the record on the server. The tab keeps its own copy of the record, so a
// reload of the record list never pulls it away.
class QRCodeTab : public QWidget
{
    Q_OBJECT
public:
    enum Page { QrCodePage = 0, ExpiredPage = 1 };
    static constexpr qint64 MaxValiditySeconds = 1728000; // 20 days

    explicit QRCodeTab(QWidget *parent = nullptr);
    ~QRCodeTab() override;

    // Shows the share page of the record with the code; a null record changes nothing.
    void setShareCode(const AudioRecordVO *record, const QString &code);
    // The record last given, as the tab now knows it; null before the first.
    const AudioRecordVO *record() const { return m_record.get(); }
    int currentPage() const;

    // The "Expires" query item of a signed link (the key in any letter case); empty without one.
    static QString expiresText(const QString &link);
    // True when the link carries an expiry that is not in the future; a value that is no
    // number counts as 0.
    static bool isExpired(const QString &link, qint64 nowSeconds);
    // The object's name: the last segment of the link's decoded path.
    static QString objectName(const QString &link);
    // Seconds a new link stays valid: the configured time, or 20 days when it is out of range.
    static qint64 validitySeconds(qint64 configured);

public slots:
    // Signs the link anew and saves the record; the button's state is not used.
    void btnRecreate_clicked(bool checked);
    void btnRecreate_clicked();

signals:
    // The server now holds the record with a newly signed link.
    void recordSaved(const AudioRecordVO &record);

private:
    Ui::QRCodeTab *ui;
    std::unique_ptr<AudioRecordVO> m_record;
    // Bumped by every new record: a save reply for an earlier one is dropped.
    quint64 m_generation = 0;
};
