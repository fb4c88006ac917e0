#include "ocr/OcrRecognizer.h"

#include "logging/QsLog.h"
#include "util/LibraryFunction.h"
#include "util/TrContexts.h"

#include <QDir>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QHash>
#include <QRegularExpression>
#include <QtConcurrent>

#include <omp.h>
#include <tesseract/capi.h>

#include <memory>

namespace {
const QString kChineseAndEnglish = QStringLiteral("chi_sim+eng");
constexpr int kSmallSide = 100;  // smaller regions are scaled up: Tesseract wants tall letters
constexpr int kScreenDpi = 96;

// Tesseract puts blanks between CJK characters; the text has none.
QString joinCjk(QString line)
{
    static const QRegularExpression blank(
        QStringLiteral("(?<=[\\x{3000}-\\x{30ff}\\x{4e00}-\\x{9fff}\\x{ac00}-\\x{d7af}\\x{ff00}-\\x{ffef}])\\s+"
                       "(?=[\\x{3000}-\\x{30ff}\\x{4e00}-\\x{9fff}\\x{ac00}-\\x{d7af}\\x{ff00}-\\x{ffef}])"));
    return line.replace(blank, QString());
}

// Tesseract and its many libraries (image formats, archives, OpenMP) are loaded on the first
// recognition, not with the program: linked in, they cost every start more than all the rest
// of the start-up together.
struct TesseractEngine {
    decltype(&TessBaseAPICreate) create = nullptr;
    decltype(&TessBaseAPIDelete) destroy = nullptr;
    decltype(&TessBaseAPIInit2) init = nullptr;
    decltype(&TessBaseAPISetPageSegMode) setPageSegMode = nullptr;
    decltype(&TessBaseAPISetImage) setImage = nullptr;
    decltype(&TessBaseAPISetSourceResolution) setSourceResolution = nullptr;
    decltype(&TessBaseAPIGetUTF8Text) getUtf8Text = nullptr;
    decltype(&TessDeleteText) deleteText = nullptr;
    decltype(&TessBaseAPIEnd) end = nullptr;
    decltype(&omp_set_dynamic) ompSetDynamic = nullptr;
    decltype(&omp_set_num_threads) ompSetNumThreads = nullptr;

    bool usable() const
    {
        return create && destroy && init && setPageSegMode && setImage && setSourceResolution && getUtf8Text
            && deleteText && end;
    }
};

const TesseractEngine &tesseractEngine()
{
    static const TesseractEngine engine = [] {
        TesseractEngine loaded;
        QLibrary tesseract;
        for (const int version : {5, 4}) {
            tesseract.setFileNameAndVersion(QStringLiteral("tesseract"), version);
            if (tesseract.load())
                break;
        }
        if (!tesseract.isLoaded()) {
            QLOG_ERROR() << "ocr: the Tesseract library cannot be loaded:" << tesseract.errorString();
            return loaded;
        }
        LibraryFunction::resolve(tesseract, loaded.create, "TessBaseAPICreate");
        LibraryFunction::resolve(tesseract, loaded.destroy, "TessBaseAPIDelete");
        LibraryFunction::resolve(tesseract, loaded.init, "TessBaseAPIInit2");
        LibraryFunction::resolve(tesseract, loaded.setPageSegMode, "TessBaseAPISetPageSegMode");
        LibraryFunction::resolve(tesseract, loaded.setImage, "TessBaseAPISetImage");
        LibraryFunction::resolve(tesseract, loaded.setSourceResolution, "TessBaseAPISetSourceResolution");
        LibraryFunction::resolve(tesseract, loaded.getUtf8Text, "TessBaseAPIGetUTF8Text");
        LibraryFunction::resolve(tesseract, loaded.deleteText, "TessDeleteText");
        LibraryFunction::resolve(tesseract, loaded.end, "TessBaseAPIEnd");
        // Tesseract brings its OpenMP runtime with it.
        QLibrary openMp(QStringLiteral("gomp"), 1);
        LibraryFunction::resolve(openMp, loaded.ompSetDynamic, "omp_set_dynamic");
        LibraryFunction::resolve(openMp, loaded.ompSetNumThreads, "omp_set_num_threads");
        if (!loaded.usable())
            QLOG_ERROR() << "ocr: the Tesseract library lacks its C interface";
        return loaded;
    }();
    return engine;
}
} // namespace

OcrRecognizer::OcrRecognizer(QObject *parent) : QObject(parent) {}

QString OcrRecognizer::tesseractLanguages(const QString &code)
{
    static const QHash<QString, QString> table = {
        {QStringLiteral("auto"), kChineseAndEnglish}, {QStringLiteral("CHN_ENG"), kChineseAndEnglish},
        {QStringLiteral("ENG"), QStringLiteral("eng")},  {QStringLiteral("JAP"), QStringLiteral("jpn")},
        {QStringLiteral("KOR"), QStringLiteral("kor")},  {QStringLiteral("FRE"), QStringLiteral("fra")},
        {QStringLiteral("SPA"), QStringLiteral("spa")},  {QStringLiteral("POR"), QStringLiteral("por")},
        {QStringLiteral("GER"), QStringLiteral("deu")},  {QStringLiteral("ITA"), QStringLiteral("ita")},
        {QStringLiteral("RUS"), QStringLiteral("rus")},  {QStringLiteral("DAN"), QStringLiteral("dan")},
        {QStringLiteral("DUT"), QStringLiteral("nld")},  {QStringLiteral("MAL"), QStringLiteral("msa")},
        {QStringLiteral("SWE"), QStringLiteral("swe")},  {QStringLiteral("IND"), QStringLiteral("ind")},
        {QStringLiteral("POL"), QStringLiteral("pol")},  {QStringLiteral("ROM"), QStringLiteral("ron")},
        {QStringLiteral("TUR"), QStringLiteral("tur")},  {QStringLiteral("GRE"), QStringLiteral("ell")},
        {QStringLiteral("HUN"), QStringLiteral("hun")},  {QStringLiteral("THA"), QStringLiteral("tha")},
        {QStringLiteral("VIE"), QStringLiteral("vie")},  {QStringLiteral("ARA"), QStringLiteral("ara")},
        {QStringLiteral("HIN"), QStringLiteral("hin")},
    };
    return table.value(code);
}

QString OcrRecognizer::dataPath()
{
    const QString prefix = qEnvironmentVariable("TESSDATA_PREFIX");
    if (!prefix.isEmpty())
        return prefix;
    const QStringList candidates = {QStringLiteral("/usr/share/tesseract-ocr/5/tessdata"),
                                    QStringLiteral("/usr/share/tesseract-ocr/4.00/tessdata"),
                                    QStringLiteral("/usr/share/tessdata")};
    for (const QString &dir : candidates) {
        if (QFileInfo(dir).isDir())
            return dir;
    }
    return candidates.first();
}

QStringList OcrRecognizer::missingLanguages(const QString &languages)
{
    QStringList missing;
    const QDir dir(dataPath());
    const QStringList names = languages.split(QLatin1Char('+'), Qt::SkipEmptyParts);
    for (const QString &name : names) {
        if (!dir.exists(name + QStringLiteral(".traineddata")))
            missing << name;
    }
    return missing;
}

int OcrRecognizer::recognize(const QImage &image, const QString &code)
{
    const int request = ++m_request;
    const QString languages = tesseractLanguages(code);
    const QStringList missing = missingLanguages(languages);
    QString error;
    if (image.isNull())
        error = TNotify::tr("没有可识别的图像");
    else if (languages.isEmpty())
        error = TNotify::tr("不支持的识别语言：%1").arg(code);
    else if (!missing.isEmpty())
        error = TNotify::tr("缺少文字识别的语言数据：%1").arg(missing.join(QLatin1Char('+')));
    if (!error.isEmpty()) {
        // Reported from the event loop, as a recognition would be.
        QMetaObject::invokeMethod(this, [this, request, error] { emit failed(request, error); }, Qt::QueuedConnection);
        return request;
    }
    auto *watcher = new QFutureWatcher<Result>(this);
    connect(watcher, &QFutureWatcher<Result>::finished, this, [this, watcher, request] {
        watcher->deleteLater();
        if (request != m_request)
            return; // a newer region is being recognised
        const Result result = watcher->result();
        if (result.error.isEmpty())
            emit recognized(request, result.lines);
        else
            emit failed(request, result.error);
    });
    watcher->setFuture(QtConcurrent::run(&OcrRecognizer::recognizeNow, image, languages));
    return request;
}

OcrRecognizer::Result OcrRecognizer::recognizeNow(const QImage &image, const QString &languages)
{
    Result result;
    QImage source = image;
    int scale = 1;
    if (qMin(image.width(), image.height()) < kSmallSide) {
        scale = 2;
        source = image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    // One byte per pixel, as SetImage is told below (scaling may change the format).
    const QImage gray = source.convertToFormat(QImage::Format_Grayscale8);
    const TesseractEngine &engine = tesseractEngine();
    if (!engine.usable()) {
        result.error = TNotify::tr("文字识别无法启动：%1").arg(languages);
        return result;
    }
    // Tesseract's OpenMP teams synchronise at every step: on a busy machine their waiting
    // costs twenty times the work. A screen region is small; one thread does it. (Settings
    // of this thread, which is the one Tesseract starts its teams from.)
    if (engine.ompSetDynamic && engine.ompSetNumThreads) {
        engine.ompSetDynamic(1);
        engine.ompSetNumThreads(1);
    }
    const std::unique_ptr<TessBaseAPI, decltype(engine.destroy)> api(engine.create(), engine.destroy);
    if (engine.init(api.get(), dataPath().toLocal8Bit().constData(), languages.toLatin1().constData(), tesseract::OEM_LSTM_ONLY)
        != 0) {
        result.error = TNotify::tr("文字识别无法启动：%1").arg(languages);
        QLOG_ERROR() << "ocr: Tesseract could not load" << languages << "from" << dataPath();
        return result;
    }
    engine.setPageSegMode(api.get(), tesseract::PSM_AUTO);
    engine.setImage(api.get(), gray.constBits(), gray.width(), gray.height(), 1, gray.bytesPerLine());
    engine.setSourceResolution(api.get(), kScreenDpi * scale);
    const std::unique_ptr<char, decltype(engine.deleteText)> text(engine.getUtf8Text(api.get()), engine.deleteText);
    engine.end(api.get());
    const QStringList lines = QString::fromUtf8(text ? text.get() : "").split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const QString clean = joinCjk(line.simplified());
        if (!clean.isEmpty())
            result.lines << clean;
    }
    return result;
}
