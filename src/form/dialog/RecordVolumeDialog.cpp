#include "form/dialog/RecordVolumeDialog.h"
#include "ui_RecordVolumeDialog.h"

#include "logging/QsLog.h"
#include "orm/data/AudioRecordVO.h"
#include "util/Clock.h"

#include <QDateTime>

RecordVolumeDialog::RecordVolumeDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::RecordVolumeDialog)
{
    ui->setupUi(this);
    // Shown while the user keeps working in another program, which keeps the keyboard.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setContentsMargins(0, 0, 0, 0);
    setWindowOpacity(0.8);
    ui->lbRecordTime->setStyleSheet(QStringLiteral("background:transparent;color:#000000;"));
    ui->volume->setStyleSheet(QStringLiteral("background:transparent"));
    ui->volume->setSpace(5);
    ui->volume->setPadding(5);
    ui->volume->setRadius(0);
    ui->volume->setBarColorStart(QColor(QStringLiteral("#0000BD")));
    ui->volume->setBarColorMid(QColor(QStringLiteral("#0000CD")));
    ui->volume->setBarColorEnd(QColor(QStringLiteral("#0000FF")));
    ui->volume->setStep(20);
}

RecordVolumeDialog::~RecordVolumeDialog()
{
    delete ui;
}

QString RecordVolumeDialog::elapsedText(const QString &startTime, qint64 nowMs)
{
    const QDateTime start = QDateTime::fromString(startTime, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    qint64 t = start.isValid() ? (nowMs - start.toMSecsSinceEpoch()) / 1000 : 0;
    // A clock set back during the recording must not show negative parts.
    if (t < 0)
        t = 0;
    return QStringLiteral("%1 : %2 : %3").arg(t / 3600).arg((t / 60) % 60).arg(t % 60);
}

int RecordVolumeDialog::barsFor(int db)
{
    return qMax(0, db / 5);
}

void RecordVolumeDialog::showProgress(const QString &startTime, int db)
{
    show();
    ui->lbRecordTime->setText(
        QStringLiteral("<font color=white>%1</font>").arg(elapsedText(startTime, Clock::nowMs())));
    ui->volume->setValue(barsFor(db));
}

void RecordVolumeDialog::recording(AudioRecordVO *record, int db)
{
    if (!record) {
        QLOG_WARN() << "RecordVolumeDialog: progress without a record ignored";
        return;
    }
    showProgress(record->startTime, db);
}

QString RecordVolumeDialog::timeText() const
{
    return ui->lbRecordTime->text();
}

int RecordVolumeDialog::volumeValue() const
{
    return ui->volume->value();
}
