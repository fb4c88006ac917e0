#pragma once

#include <QImage>
#include <QString>

class QLabel;

// QR codes for share links: black modules on white with the standard quiet zone.
class QrCodeHelper
{
public:
    // Paints the code of text into the label, as large as the label's smaller side allows.
    // Returns false (and clears the label) when the text cannot be encoded.
    static bool setQrCode(const QString &text, QLabel *label);
    // The code as an image of side x side pixels (whole pixels per module, centred);
    // a null image when the text cannot be encoded.
    static QImage image(const QString &text, int side);
};
