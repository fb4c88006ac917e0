#include "qui/IconHelper.h"

#include "logging/QsLog.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QPainter>

namespace {
int &currentIndex()
{
    static int index = IconHelper::FontAwesome;
    return index;
}

// Loaded once: the build embeds the Debian font file, the system copy is the fallback.
QString awesomeFamily()
{
    static const QString family = [] {
        const QStringList candidates{QStringLiteral(":/font/fontawesome-webfont.ttf"),
                                     QStringLiteral("/usr/share/fonts/truetype/font-awesome/fontawesome-webfont.ttf")};
        for (const QString &path : candidates) {
            if (!QFile::exists(path))
                continue;
            const int id = QFontDatabase::addApplicationFont(path);
            const QStringList families = QFontDatabase::applicationFontFamilies(id);
            if (!families.isEmpty())
                return families.first();
        }
        QLOG_ERROR() << "icon font Font Awesome not found; icons show as text";
        return QString();
    }();
    return family;
}

// The family of the embedded font, used before the font is registered.
const QString kAwesomeFamily = QStringLiteral("FontAwesome");
bool g_registered = false;

QString loadedFamily()
{
    g_registered = true;
    const QString family = awesomeFamily();
    return family.isEmpty() ? kAwesomeFamily : family;
}

// Registers the icon font when the first widget showing a glyph is polished, just before it
// is measured or painted, rather than when it is built: a start hidden in the tray never
// initialises the font database.
class FontLoader : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Polish || event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            if (!g_registered)
                loadedFamily();
        }
        return false;
    }
};

void loadBeforePolish(QObject *widget)
{
    static FontLoader loader;
    if (!g_registered)
        widget->installEventFilter(&loader);
}

QFont glyphFont(int pixelSize)
{
    QFont font(g_registered ? loadedFamily() : kAwesomeFamily);
    font.setPixelSize(qMax(1, pixelSize));
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}
} // namespace

void IconHelper::setIconFontIndex(int index)
{
    if (index != FontAwesome) {
        QLOG_DEBUG() << "icon font" << index << "is not shipped; using Font Awesome";
    }
    currentIndex() = index;
}

int IconHelper::iconFontIndex()
{
    return currentIndex();
}

QString IconHelper::fontFamily()
{
    g_registered = true;
    return awesomeFamily();
}

QFont IconHelper::iconFont(int pixelSize)
{
    loadedFamily();
    return glyphFont(pixelSize);
}

void IconHelper::setIcon(QAbstractButton *button, int glyph, int size)
{
    if (!button)
        return;
    loadBeforePolish(button);
    button->setFont(glyphFont(size));
    button->setText(QString(QChar(glyph)));
}

void IconHelper::setIcon(QLabel *label, int glyph, int size)
{
    if (!label)
        return;
    loadBeforePolish(label);
    label->setFont(glyphFont(size));
    label->setTextFormat(Qt::PlainText);
    label->setText(QString(QChar(glyph)));
}

QPixmap IconHelper::pixmap(int glyph, int size, const QColor &color)
{
    QPixmap pix(size, size);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(iconFont(qRound(size * 0.8)));
    p.setPen(color);
    p.drawText(pix.rect(), Qt::AlignCenter, QString(QChar(glyph)));
    return pix;
}
