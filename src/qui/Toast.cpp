#include "qui/Toast.h"

#include "logging/QsLog.h"
#include "util/AppHelper.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QTimer>

Toast &Toast::instance()
{
    static Toast toast;
    return toast;
}

Toast::Toast()
{
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] {
        if (m_window)
            m_window->hide();
    });
}

QColor Toast::background(int type)
{
    switch (type) {
    case 0: return QColor(153, 153, 153, 200);
    case 1: return QColor(254, 170, 51, 200);
    default: return QColor(255, 81, 81, 200);
    }
}

void Toast::ensureWidget()
{
    if (m_window)
        return;
    // Parentless: a notice must show even while the main window is hidden. It only shows: a click
    // on it lands in what it covers, and the keys stay where they were.
    m_window = new QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                                        | Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus);
    m_window->setAttribute(Qt::WA_TranslucentBackground);
    m_window->setAttribute(Qt::WA_ShowWithoutActivating);
    m_window->setObjectName(QStringLiteral("toast"));
    auto *layout = new QHBoxLayout(m_window);
    layout->setContentsMargins(0, 0, 0, 0);
    m_label = new QLabel(m_window);
    m_label->setTextFormat(Qt::PlainText);
    m_label->setWordWrap(true);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setMaximumWidth(600);
    layout->addWidget(m_label);
}

void Toast::showMessage(int type, const QString &text, int msec)
{
    QLOG_INFO() << "toast" << type << text;
    if (qobject_cast<QApplication *>(QCoreApplication::instance())) {
        ensureWidget();
        const QColor bg = background(type);
        m_label->setStyleSheet(QStringLiteral("QLabel{background-color:rgba(%1,%2,%3,%4);color:#ffffff;"
                                              "border-radius:6px;padding:10px 20px;font-size:14px;}")
                                   .arg(bg.red())
                                   .arg(bg.green())
                                   .arg(bg.blue())
                                   .arg(bg.alpha()));
        m_label->setText(text);
        // A word-wrapping label sizes itself narrow; give short texts one line.
        m_label->ensurePolished();
        const int oneLine = m_label->fontMetrics().horizontalAdvance(text) + 2 * 20 + 2;
        m_label->setMinimumWidth(qMin(oneLine, m_label->maximumWidth()));
        m_window->adjustSize();
        // Centre on the main window when it is shown, else on the screen under the pointer.
        QRect area;
        QWidget *main = AppHelper::instance().mainWindow();
        if (main && main->isVisible())
            area = main->frameGeometry();
        else if (QScreen *s = AppHelper::currentScreen())
            area = s->availableGeometry();
        if (area.isValid())
            m_window->move(area.center() - m_window->rect().center());
        m_window->show();
        m_window->raise();
    }
    m_timer->start(qMax(0, msec));
    emit messageShown(type, text, msec);
}

QString Toast::currentText() const
{
    return isShowing() ? m_label->text() : QString();
}

bool Toast::isShowing() const
{
    return m_window && m_window->isVisible();
}
