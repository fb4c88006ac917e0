#include "qui/QrCodeHelper.h"

#include "logging/QsLog.h"
#include "util/LibraryFunction.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <memory>
#include <qrencode.h>

namespace {
constexpr int kQuietZone = 4; // modules of white around the code, as readers expect

// The encoder is loaded with the first code drawn: most starts draw none.
struct Encoder
{
    QRcode *(*encode)(const char *, int, QRecLevel) = nullptr;
    void (*free)(QRcode *) = nullptr;
};

const Encoder &encoder()
{
    static const Encoder loaded = [] {
        Encoder e;
        QLibrary library(QStringLiteral("qrencode"), 4);
        if (!library.load()) {
            QLOG_ERROR() << "the QR code library cannot be loaded:" << library.errorString();
            return e;
        }
        if (!LibraryFunction::resolve(library, e.encode, "QRcode_encodeString8bit")
            || !LibraryFunction::resolve(library, e.free, "QRcode_free"))
            e = Encoder();
        return e;
    }();
    return loaded;
}
} // namespace

QImage QrCodeHelper::image(const QString &text, int side)
{
    const QByteArray bytes = text.toUtf8();
    if (bytes.isEmpty() || side <= 0)
        return QImage();
    const Encoder &qr = encoder();
    if (!qr.encode)
        return QImage();
    std::unique_ptr<QRcode, void (*)(QRcode *)> code(qr.encode(bytes.constData(), 0, QR_ECLEVEL_M), qr.free);
    if (!code) {
        QLOG_ERROR() << "QR code could not be made for a text of" << bytes.size() << "bytes";
        return QImage();
    }
    const int modules = code->width;
    const int total = modules + 2 * kQuietZone;
    // Whole pixels per module keep the edges sharp; below one pixel the code is unreadable
    // anyway, so draw it at one pixel per module and let the image be scaled.
    const int scale = qMax(1, side / total);
    const int drawn = total * scale;
    QImage img(qMax(side, drawn), qMax(side, drawn), QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const int origin = (img.width() - drawn) / 2 + kQuietZone * scale;
    for (int y = 0; y < modules; ++y) {
        const unsigned char *row = code->data + y * modules;
        for (int x = 0; x < modules; ++x) {
            if (row[x] & 1)
                p.drawRect(origin + x * scale, origin + y * scale, scale, scale);
        }
    }
    p.end();
    if (img.width() != side)
        img = img.scaled(side, side, Qt::KeepAspectRatio, Qt::FastTransformation);
    return img;
}

bool QrCodeHelper::setQrCode(const QString &text, QLabel *label)
{
    if (!label)
        return false;
    const int side = qMax(1, qMin(label->width(), label->height()));
    const QImage img = image(text, side);
    if (img.isNull()) {
        label->clear();
        return false;
    }
    label->setAlignment(Qt::AlignCenter);
    label->setPixmap(QPixmap::fromImage(img));
    return true;
}
