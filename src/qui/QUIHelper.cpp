#include "qui/QUIHelper.h"

#include "logging/QsLog.h"
#include "qui/ui/QuestionBox.h"
#include "util/AppHelper.h"
#include "util/UserPrompt.h"

#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QCursor>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPalette>
#include <QRegularExpression>
#include <QScreen>
#include <QStringListModel>

namespace {
struct Theme {
    const char *name;
    const char *file;
};

// Display names as the style menu shows them, and their resource files.
const Theme kThemes[] = {
    {"银色", "silver"},        {"蓝色", "blue"},          {"浅蓝色", "lightblue"},  {"深蓝色", "darkblue"},
    {"灰色", "gray"},          {"浅灰色", "lightgray"},   {"深灰色", "darkgray"},   {"黑色", "black"},
    {"浅黑色", "lightblack"},  {"深黑色", "darkblack"},   {"PS黑色", "psblack"},    {"黑色扁平", "flatblack"},
    {"白色扁平", "flatwhite"}, {"Vellobox", "vellobox"}, {"Vellobox2", "vellobox2"},
};

struct Sheets {
    QString themeName;
    QString theme;
    QString custom;
    QString customFile; // while held: the custom sheet's file, read only when the sheets are applied
    bool held = false; // kept back until a widget that draws with it is polished
};

Sheets &sheets()
{
    static Sheets s;
    return s;
}

QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    return QString::fromUtf8(file.readAll());
}

void applySheets()
{
    if (!sheets().customFile.isEmpty()) {
        sheets().custom = readText(sheets().customFile);
        sheets().customFile.clear();
    }
    if (qApp)
        qApp->setStyleSheet(sheets().theme + QLatin1Char('\n') + sheets().custom);
}

// Gives the application its style sheet when the first widget that draws with it is
// polished. The polish event comes before the widget is sized and shown, so that widget is
// laid out with the sheet already in force. The tray icon's own widget draws only the icon.
class FirstPolish : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Polish && watched->isWidgetType() && !watched->inherits("QSystemTrayIconSys")) {
            qApp->removeEventFilter(this);
            deleteLater();
            sheets().held = false;
            applySheets();
        }
        return false;
    }
};

} // namespace

QString QUIHelper::themeKey(const QString &displayName)
{
    for (const Theme &t : kThemes) {
        if (displayName == QString::fromUtf8(t.name))
            return QLatin1String(t.file);
    }
    return QString();
}

int QUIHelper::showMessageBoxQuestion(const QString &text, Qt::TextFormat format)
{
    if (UserPrompt::hasHandler())
        return UserPrompt::ask(UserPrompt::Question, text);
    QuestionBox box(AppHelper::instance().mainWindow());
    box.setText(text, format);
    const int answer = box.exec();
    return answer == QMessageBox::Yes ? QMessageBox::Yes : QMessageBox::No;
}

void QUIHelper::setCompleter(QComboBox *combo, const QStringList &texts)
{
    if (!combo)
        return;
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    auto *completer = new QCompleter(texts, combo);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    combo->setCompleter(completer);
}

QStringList QUIHelper::themeNames()
{
    QStringList names;
    for (const Theme &t : kThemes)
        names << QString::fromUtf8(t.name);
    return names;
}

QString QUIHelper::themeStyleSheet(const QString &displayName)
{
    const QString key = themeKey(displayName);
    return key.isEmpty() ? QString() : readText(QStringLiteral(":/qss/%1.qss").arg(key));
}

bool QUIHelper::setStyle(const QString &displayName)
{
    const QString qss = themeStyleSheet(displayName);
    if (qss.isEmpty()) {
        QLOG_WARN() << "unknown theme" << displayName;
        return false;
    }
    sheets().themeName = displayName;
    sheets().theme = qss;
    // The theme's first line names its window and text colours; widgets that draw from
    // the palette rather than the style sheet follow it too.
    static const QRegularExpression colours(QStringLiteral("panel:\\s*(#[0-9a-fA-F]{6});\\s*text:\\s*(#[0-9a-fA-F]{6})"));
    const QRegularExpressionMatch m = colours.match(qss.left(qss.indexOf(QLatin1Char('\n'))));
    if (m.hasMatch() && qApp) {
        QPalette palette = QApplication::palette();
        palette.setColor(QPalette::Window, QColor(m.captured(1)));
        palette.setColor(QPalette::WindowText, QColor(m.captured(2)));
        QApplication::setPalette(palette);
    }
    apply();
    QLOG_INFO() << "theme" << displayName;
    return true;
}

QString QUIHelper::currentTheme()
{
    return sheets().themeName;
}

bool QUIHelper::setStyleSheetFile(const QString &path)
{
    // Held back, the sheet is not even read: a start into the tray never needs it.
    if (sheets().held && QFileInfo(path).isReadable()) {
        sheets().customFile = path;
        return true;
    }
    sheets().customFile.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QLOG_ERROR() << "style sheet not readable:" << path;
        return false;
    }
    sheets().custom = QString::fromUtf8(file.readAll());
    apply();
    return true;
}

int QUIHelper::screenIndex()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    const int index = screens.indexOf(screen);
    return index < 0 ? 0 : index;
}

void QUIHelper::apply()
{
    if (!sheets().held)
        applySheets();
}

void QUIHelper::applyAtFirstPolish()
{
    if (!qApp || sheets().held || !qApp->styleSheet().isEmpty())
        return;
    sheets().held = true;
    qApp->installEventFilter(new FirstPolish(qApp));
}
