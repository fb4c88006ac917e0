#include "config/Configurations.h"
#include "form/tab/QRCodeTab.h"
#include "qui/QrCodeHelper.h"
#include "support/LoopbackHttpServer.h"
#include "support/TestHome.h"
#include "support/ToastRecorder.h"
#include "util/Clock.h"

#include <QLabel>
#include <QMessageAuthenticationCode>
#include <QPushButton>
#include <QUrl>
#include <QUrlQuery>
#include <QtTest>

namespace {
constexpr qint64 Now = 1800000000;
const QString Bucket = QStringLiteral("vb-records");
const QString Secret = QStringLiteral("Te5tSecret/Key");

AudioRecordVO recordWithLink(const QString &attr1)
{
    AudioRecordVO r;
    r.id = 42;
    r.content = QStringLiteral("会议记录");
    r.attr1 = attr1;
    return r;
}

QString linkExpiring(qint64 expires)
{
    return QStringLiteral("https://vb-records.oss.example.com/rec.wav?OSSAccessKeyId=id&Expires=%1&Signature=x")
        .arg(expires);
}
} // namespace

class TestQRCodeTab : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<LoopbackHttpServer> m_server;

    static QString saved() { return QStringLiteral("/v1/editiorSaveRecord"); }
    static QPushButton *recreate(QRCodeTab &tab) { return tab.findChild<QPushButton *>(QStringLiteral("btnRecreate")); }

private slots:
    void init()
    {
        m_home = std::make_unique<TestHome>();
        m_server = std::make_unique<LoopbackHttpServer>();
        auto &c = Configurations::instance();
        c.setValue(QStringLiteral("/Server/ApiBaseUrl"), m_server->url(QStringLiteral("/v1")));
        c.setValue(QStringLiteral("/Oss/Endpoint"), QStringLiteral("https://oss.example.com"));
        c.setValue(QStringLiteral("/Oss/Bucket"), Bucket);
        c.setValue(QStringLiteral("/Oss/AccessKeyId"), QStringLiteral("LTAItestid"));
        c.setValue(QStringLiteral("/Oss/AccessKeySecret"), Secret);
        Clock::setOverride([] { return Now * 1000; });
    }

    void cleanup()
    {
        Clock::setOverride({});
        m_server.reset();
        m_home.reset();
    }

    void nullRecordChangesNothing()
    {
        QRCodeTab tab;
        tab.setShareCode(nullptr, QStringLiteral("abc"));
        QCOMPARE(tab.currentPage(), int(QRCodeTab::ExpiredPage));
        QVERIFY(!tab.record());
        QVERIFY(tab.findChild<QLabel *>(QStringLiteral("lbQrCode"))->pixmap(Qt::ReturnByValue).isNull());
    }

    void pageFollowsTheLinksExpiry_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<int>("page");
        QTest::newRow("expires this second") << linkExpiring(Now) << int(QRCodeTab::ExpiredPage);
        QTest::newRow("one second left") << linkExpiring(Now + 1) << int(QRCodeTab::QrCodePage);
        QTest::newRow("no expiry") << QStringLiteral("https://h/rec.wav?Signature=x") << int(QRCodeTab::QrCodePage);
        QTest::newRow("no query") << QStringLiteral("https://h/rec.wav") << int(QRCodeTab::QrCodePage);
        QTest::newRow("lower-case key") << QStringLiteral("https://h/rec.wav?expires=%1").arg(Now)
                                        << int(QRCodeTab::ExpiredPage);
        QTest::newRow("value ends at &") << QStringLiteral("https://h/a.wav?EXPIRES=%1&b=%2").arg(Now).arg(Now + 99)
                                         << int(QRCodeTab::ExpiredPage);
        QTest::newRow("another key ending in expires")
            << QStringLiteral("https://h/a.wav?x-expires=%1&Expires=%2").arg(Now).arg(Now + 60)
            << int(QRCodeTab::QrCodePage);
        QTest::newRow("not a number") << QStringLiteral("https://h/a.wav?Expires=soon") << int(QRCodeTab::ExpiredPage);
    }

    void pageFollowsTheLinksExpiry()
    {
        QFETCH(QString, link);
        QFETCH(int, page);
        QRCodeTab tab;
        const AudioRecordVO record = recordWithLink(link);
        tab.setShareCode(&record, QStringLiteral("code-7"));
        QCOMPARE(tab.currentPage(), page);
    }

    void qrCodeShowsTheSharePageOnTheApiHost()
    {
        QRCodeTab tab;
        const AudioRecordVO record = recordWithLink(linkExpiring(Now + 60));
        tab.setShareCode(&record, QStringLiteral("code-7"));
        const QString page = QStringLiteral("http://127.0.0.1:%1/record-share/index.html?code=code-7").arg(m_server->port());
        const QPixmap shown = tab.findChild<QLabel *>(QStringLiteral("lbQrCode"))->pixmap(Qt::ReturnByValue);
        QVERIFY(!shown.isNull());
        QCOMPARE(shown.toImage().convertToFormat(QImage::Format_RGB32),
                 QrCodeHelper::image(page, 200).convertToFormat(QImage::Format_RGB32));
    }

    void objectNameIsTheLastSegmentOfTheDecodedPath_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("name");
        QTest::newRow("signed") << linkExpiring(Now) << QStringLiteral("rec.wav");
        QTest::newRow("without ?") << QStringLiteral("https://h/dir/录音.wav") << QStringLiteral("录音.wav");
        QTest::newRow("encoded") << QStringLiteral("https://h/a/%E5%BD%95%E9%9F%B3%201.wav?Expires=1")
                                 << QStringLiteral("录音 1.wav");
        QTest::newRow("slash in the query") << QStringLiteral("https://h/a/b.wav?next=/x/y") << QStringLiteral("b.wav");
    }

    void objectNameIsTheLastSegmentOfTheDecodedPath()
    {
        QFETCH(QString, link);
        QFETCH(QString, name);
        QCOMPARE(QRCodeTab::objectName(link), name);
    }

    void recreatedLinkIsSignedForTheConfiguredValidity_data()
    {
        QTest::addColumn<QVariant>("configured");
        QTest::addColumn<qint64>("validity");
        QTest::newRow("unset") << QVariant() << qint64(1728000);
        QTest::newRow("0") << QVariant(0) << qint64(1728000);
        QTest::newRow("1728001") << QVariant(1728001) << qint64(1728000);
        QTest::newRow("1728000") << QVariant(1728000) << qint64(1728000);
        QTest::newRow("1") << QVariant(1) << qint64(1);
    }

    // The saved link is checked against a signature computed here, not by the program.
    void recreatedLinkIsSignedForTheConfiguredValidity()
    {
        QFETCH(QVariant, configured);
        QFETCH(qint64, validity);
        if (configured.isValid())
            Configurations::instance().setValue(QStringLiteral("/Debug/AudioValidityTime"), configured);
        m_server->setEnvelope(saved(), 0, QStringLiteral("ok"), QJsonObject{{"id", 42}});
        QRCodeTab tab;
        const AudioRecordVO record = recordWithLink(linkExpiring(Now - 5));
        tab.setShareCode(&record, QStringLiteral("code-7"));
        QCOMPARE(tab.currentPage(), int(QRCodeTab::ExpiredPage));
        const QImage before = tab.findChild<QLabel *>(QStringLiteral("lbQrCode"))->pixmap(Qt::ReturnByValue).toImage();

        QTest::mouseClick(recreate(tab), Qt::LeftButton);
        QTRY_COMPARE(tab.currentPage(), int(QRCodeTab::QrCodePage));

        const QJsonObject sent = m_server->last(saved()).json();
        QCOMPARE(sent.value(QStringLiteral("id")).toVariant().toLongLong(), 42);
        QCOMPARE(sent.value(QStringLiteral("content")).toString(), QStringLiteral("会议记录"));
        const QUrl link(sent.value(QStringLiteral("attr1")).toString());
        const QUrlQuery query(link);
        const qint64 expires = Now + validity;
        QCOMPARE(query.queryItemValue(QStringLiteral("Expires")).toLongLong(), expires);
        QCOMPARE(link.host(), QStringLiteral("vb-records.oss.example.com"));
        QCOMPARE(link.path(), QStringLiteral("/rec.wav"));
        const QByteArray toSign = "GET\n\n\n" + QByteArray::number(expires) + "\n/vb-records/rec.wav";
        const QByteArray expected =
            QMessageAuthenticationCode::hash(toSign, Secret.toUtf8(), QCryptographicHash::Sha1).toBase64();
        QCOMPARE(query.queryItemValue(QStringLiteral("Signature"), QUrl::FullyDecoded).toLatin1(), expected);
        QCOMPARE(tab.record()->attr1, link.toString());
        QCOMPARE(tab.findChild<QLabel *>(QStringLiteral("lbQrCode"))->pixmap(Qt::ReturnByValue).toImage(), before);
    }

    void failedSaveKeepsTheOldLinkAndTheExpiredPage()
    {
        m_server->setEnvelope(saved(), 1, QStringLiteral("denied"));
        ToastRecorder toasts;
        QRCodeTab tab;
        const QString old = linkExpiring(Now - 5);
        const AudioRecordVO record = recordWithLink(old);
        tab.setShareCode(&record, QStringLiteral("code-7"));
        QTest::mouseClick(recreate(tab), Qt::LeftButton);

        QTRY_COMPARE(toasts.texts(), QStringList{QStringLiteral("分享码有效期更新失败!")});
        QCOMPARE(toasts.entries.first().type, 1);
        QCOMPARE(tab.currentPage(), int(QRCodeTab::ExpiredPage));
        QCOMPARE(tab.record()->attr1, old);
        QVERIFY(recreate(tab)->isEnabled());
    }

    void unconfiguredStorageSendsNothing()
    {
        Configurations::instance().setValue(QStringLiteral("/Oss/AccessKeySecret"), QString());
        ToastRecorder toasts;
        QRCodeTab tab;
        const AudioRecordVO record = recordWithLink(linkExpiring(Now - 5));
        tab.setShareCode(&record, QStringLiteral("code-7"));
        QTest::mouseClick(recreate(tab), Qt::LeftButton);
        QCOMPARE(toasts.texts(), QStringList{QStringLiteral("分享码有效期更新失败!")});
        QCOMPARE(m_server->count(saved()), 0);
        QCOMPARE(tab.record()->attr1, record.attr1);
    }

    void linkWithoutAnObjectIsNotSigned()
    {
        ToastRecorder toasts;
        QRCodeTab tab;
        const AudioRecordVO record = recordWithLink(QStringLiteral("https://vb-records.oss.example.com/?Expires=5"));
        tab.setShareCode(&record, QStringLiteral("code-7"));
        QCOMPARE(tab.currentPage(), int(QRCodeTab::ExpiredPage));
        QTest::mouseClick(recreate(tab), Qt::LeftButton);
        QCOMPARE(toasts.texts(), QStringList{QStringLiteral("分享码有效期更新失败!")});
        QTest::qWait(50);
        QCOMPARE(m_server->count(saved()), 0);
        QCOMPARE(tab.currentPage(), int(QRCodeTab::ExpiredPage));
    }

    void tabDeletedBeforeTheReplyIsNotTouched()
    {
        m_server->setReply(saved(), LoopbackHttpServer::envelope(0, QStringLiteral("ok"), QJsonObject{{"id", 42}}));
        auto tab = std::make_unique<QRCodeTab>();
        const AudioRecordVO record = recordWithLink(linkExpiring(Now - 5));
        tab->setShareCode(&record, QStringLiteral("code-7"));
        tab->btnRecreate_clicked();
        tab.reset();
        QVERIFY(m_server->waitForRequests(1));
        QTest::qWait(100);
    }
};

QTEST_MAIN(TestQRCodeTab)
#include "tst_qrcodetab.moc"
