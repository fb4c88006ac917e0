#include "device/mouse/common/ui/MicrophoneItem.h"
#include "ui_MicrophoneItem.h"

#include "databinding/FormItem.h"
#include "databinding/ZComboBox.h"
#include "device/DeviceContext.h"
#include "device/IDeviceLogic.h"
#include "device/ProductInfo.h"
#include "device/mouse/common/ui/TypingTab.h"
#include "logging/QsLog.h"
#include "logic/businessLogic/workflow/device/AudioDeviceFactory.h"
#include "logic/businessLogic/workflow/device/AudioModule.h"
#include "logic/businessLogic/workflow/device/IAudioDevice.h"
#include "qui/Toast.h"
#include "util/AppHelper.h"
#include "util/MediaHelper.h"
#include "util/TrContexts.h"

#include <QLabel>
#include <QTextBrowser>

namespace {
// Tests running in all pages; the process-wide flag is set while there is one.
int g_runningTests = 0;
} // namespace

MicrophoneItem::MicrophoneItem(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::MicrophoneItem)
{
    ui->setupUi(this);
    ui->btnStartTesting->setText(TUI::tr("开始测试"));
    BarVolume *bar = ui->volume;
    bar->setMode(true);
    bar->setStyleSheet(QStringLiteral("background:transparent"));
    bar->setRadius(5);
    bar->setSpace(2);
    bar->setPadding(10);
    bar->setFixedSize(220, 30);
    bar->setBarColorStart(QColor(QStringLiteral("#0000BD")));
    bar->setBarColorMid(QColor(QStringLiteral("#0000CD")));
    bar->setBarColorEnd(QColor(QStringLiteral("#0000FF")));
    bar->setStep(10);

    auto *testRow = new FormItem(this);
    testRow->setObjectName(QStringLiteral("fiMicrophoneTest"));
    testRow->addTextBrowser(
        TypingTab::rowText(TUI::tr("测试麦克风"),
                           TUI::tr("点击\"开始测试\",并以正常音量说话至少几秒钟，然后点击\"停止测试\"即可")),
        48);
    ui->vlt1->insertWidget(0, testRow);
}

MicrophoneItem::~MicrophoneItem()
{
    stopTest();
    delete ui;
}

QPushButton *MicrophoneItem::startButton() const
{
    return ui->btnStartTesting;
}

BarVolume *MicrophoneItem::volume() const
{
    return ui->volume;
}

void MicrophoneItem::onContextChanged()
{
    // A test belongs to the device it was started for.
    stopTest();
    QObject::disconnect(m_deviceGone);
    DeviceContext *device = context();
    if (!device)
        return;
    if (device->logic)
        m_deviceGone = connect(device->logic, &QObject::destroyed, this, &MicrophoneItem::stopTest);

    delete m_sourceRow;
    m_sourceRow = new FormItem(this);
    m_sourceRow->setObjectName(QStringLiteral("fiSoundSource"));
    m_inputs.clear();
    m_inputsPending = false;
    if (device->product && device->product->isBluetooth()) {
        // The Bluetooth mouse speaks through its own microphone: nothing to choose.
        m_sourceRow->addLabel(TUI::tr("声音来源"));
        m_sourceRow->addTitleLabel(device->product->name)->setTextFormat(Qt::PlainText);
    } else {
        m_sourceRow->addTextBrowser(TUI::tr("声音来源"), 48);
        m_inputsPending = true;
        if (isVisible())
            fillInputs();
    }
    ui->vlt1->insertWidget(0, m_sourceRow);
}

void MicrophoneItem::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_inputsPending)
        fillInputs();
}

void MicrophoneItem::fillInputs()
{
    m_inputsPending = false;
    if (AudioModule *module = AudioModule::instance())
        m_inputs = module->inputNames();
    int longest = 0;
    int position = 0;
    for (const QString &name : qAsConst(m_inputs)) {
        QLOG_TRACE() << name;
        longest = qMax(longest, name.size());
        m_sourceRow->addComboBox(name, position++);
    }
    if (ZComboBox *combo = m_sourceRow->comboBox()) {
        // Wide enough for the longest name, within what the row can show.
        combo->setFixedWidth(qBound(120, 10 * longest, 400));
        combo->setCurrentIndex(0);
    }
}

void MicrophoneItem::on_btnStartTesting_clicked()
{
    if (isTesting())
        stopTest();
    else
        startTest();
}

void MicrophoneItem::startTest()
{
    if (m_inputsPending)
        fillInputs();
    // Without a list (a Bluetooth product, or no input found) the default input is tested.
    QString input;
    if (m_sourceRow && m_sourceRow->comboBox())
        input = m_sourceRow->comboBox()->currentText();
    const AudioDeviceFactory::Source source = AudioDeviceFactory::createInput(context(), input);
    if (!source.device)
        return;
    m_source = source.device;
    m_ownsSource = source.owned;
    m_testing = true;
    IAudioDevice *started = source.device;
    connect(started, &IAudioDevice::handleData, this,
            [this](const QByteArray &pcm) { onWriteData(pcm.constData(), pcm.size()); });
    // Queued: the source may report from inside its own input's signal, and is deleted here.
    connect(
        started, &IAudioDevice::failed, this,
        [this, started](const QString &message) {
            if (m_source == started)
                stopTest();
            Toast::instance().showMessage(1, message, 2000);
        },
        Qt::QueuedConnection);
    changeRunningTests(+1);
    ui->btnStartTesting->setText(TUI::tr("停止测试"));
    if (!started->start())
        stopTest();
}

void MicrophoneItem::stopTest()
{
    if (!m_testing)
        return;
    m_testing = false;
    IAudioDevice *source = m_source;
    const bool owned = m_ownsSource;
    m_source = nullptr;
    m_ownsSource = false;
    if (source) {
        source->disconnect(this);
        source->stop();
        if (owned)
            delete source;
    }
    changeRunningTests(-1);
    ui->btnStartTesting->setText(TUI::tr("开始测试"));
    ui->volume->setValue(0);
}

void MicrophoneItem::changeRunningTests(int delta)
{
    g_runningTests = qMax(0, g_runningTests + delta);
    AppHelper::instance().setMicrophoneTestState(g_runningTests > 0 ? 1 : 0);
}

int MicrophoneItem::barsForLevel(int level)
{
    if (level > 100) {
        QLOG_ERROR() << "分贝超过 100";
        level = 100;
    } else if (level < 0) {
        level = 0;
    }
    return level / 10;
}

void MicrophoneItem::onWriteData(const char *data, qlonglong len)
{
    ui->volume->setValue(barsForLevel(MediaHelper::volumeDb(data, len)));
}
