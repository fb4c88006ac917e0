#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>

class QAbstractButton;
class QLabel;

// Icon-font glyphs on buttons and labels. Index 2 is Font Awesome 4, the font the
// title-bar glyphs (U+F0C9, U+F068, U+F00D ...) are taken from.
class IconHelper
{
public:
    enum FontIndex { FontAwesome = 2 };

    // Selects the icon font of later calls. Indices without a font of their own on this
    // platform use Font Awesome.
    static void setIconFontIndex(int index);
    static int iconFontIndex();
    // The family of the current icon font, empty when it could not be loaded.
    static QString fontFamily();
    static QFont iconFont(int pixelSize);

    static void setIcon(QAbstractButton *button, int glyph, int size = 12);
    static void setIcon(QLabel *label, int glyph, int size = 12);
    // The glyph drawn in the colour on a transparent square.
    static QPixmap pixmap(int glyph, int size, const QColor &color);
};
