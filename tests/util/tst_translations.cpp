#include "orm/data/AudioRecordVO.h"
#include "util/InterfaceTranslation.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>
#include <algorithm>
#include <memory>

namespace {

QString embedded(const QString &lang)
{
    return QStringLiteral(":/translations/vellobox_%1.qm").arg(lang);
}

struct Entry
{
    QString context;
    QString source;
    QString type; // of the translation: "unfinished", "vanished"..., empty when done
    QString translation;
};

// Every entry of a translation source; false when the file cannot be read.
bool readEntries(const QString &tsPath, QVector<Entry> *entries)
{
    QFile file(tsPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            entries->append({context, source, type, xml.readElementText()});
        }
    }
    return true;
}

// The finished entries of a translation source, so the shipped catalogue can be held against it.
QVector<Entry> finishedEntries(const QString &tsPath)
{
    QVector<Entry> all;
    readEntries(tsPath, &all);
    QVector<Entry> finished;
    for (const Entry &e : qAsConst(all))
        if (e.type != QLatin1String("unfinished"))
            finished.append(e);
    return finished;
}

// The entries of a translation source that have no translation yet, as "context / source".
QStringList unfinishedEntries(const QString &tsPath)
{
    QVector<Entry> all;
    if (!readEntries(tsPath, &all))
        return {QStringLiteral("cannot read ") + tsPath};
    QStringList unfinished;
    for (const Entry &e : qAsConst(all))
        if (!e.type.isEmpty() || e.translation.isEmpty())
            unfinished << e.context + QStringLiteral(" / ") + e.source.left(60);
    return unfinished;
}

// What the reader sees of a rich text: the words, without the markup and its style block.
QString visibleWords(QString text)
{
    static const QRegularExpression head(QStringLiteral("<head>.*</head>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    return text.remove(head).remove(tag);
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%L?\\d+|%n"));
    QStringList found;
    auto it = marker.globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    std::sort(found.begin(), found.end());
    return found;
}

// The entries of a standard context menu as they read, without their shortcuts.
QStringList menuTexts(const QMenu &menu)
{
    QStringList texts;
    const auto actions = menu.actions();
    for (const QAction *action : actions) {
        if (!action->isSeparator())
            texts << action->text().section(QLatin1Char('\t'), 0, 0);
    }
    return texts;
}

QString leadingSpace(const QString &text)
{
    int i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    return text.left(i);
}

QString trailingSpace(const QString &text)
{
    int i = text.size();
    while (i > 0 && text.at(i - 1).isSpace())
        --i;
    return text.mid(i);
}

bool hasAccelerator(const QString &text)
{
    static const QRegularExpression accel(QStringLiteral("&(?!&)\\S"));
    return accel.match(QString(text).remove(QStringLiteral("&&"))).hasMatch();
}

// The languages with a catalogue of their own (Chinese is the source, Turkish stays empty).
void addTranslatedLanguageRows()
{
    QTest::addColumn<QString>("lang");
    QTest::newRow("en") << "en";
    QTest::newRow("ko") << "ko";
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void knownTexts_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("expected");
        QTest::newRow("en settings") << "en" << "TUI" << "软件设置" << "Settings";
        QTest::newRow("ko settings") << "ko" << "TUI" << "软件设置" << "설정";
        QTest::newRow("en page name keeps its blank") << "en" << "TUI" << " 语音打字" << " Voice Typing";
        QTest::newRow("ko page name keeps its blank") << "ko" << "TUI" << " 语音打字" << " 음성 입력";
        QTest::newRow("en already running") << "en" << "TNotify" << "程序已经在运行中!"
                                            << "The program is already running!";
        QTest::newRow("ko copied") << "ko" << "TNotify" << "复制成功" << "복사되었습니다";
        QTest::newRow("en language name") << "en" << "Languages" << "韩语" << "Korean";
        QTest::newRow("ko language name") << "ko" << "Languages" << "英语" << "영어";
        QTest::newRow("en device toast keeps its blank") << "en" << "TUI" << "%1设备接入! " << "%1 connected! ";
        QTest::newRow("en menu accelerator") << "en" << "TUI" << "&打开" << "&Open";
        QTest::newRow("ko menu accelerator") << "ko" << "TUI" << "&检查更新" << "업데이트 확인(&U)";
        QTest::newRow("en dialog button") << "en" << "QuestionBox" << "取消" << "Cancel";
        QTest::newRow("zh row description is a sentence")
            << "zh" << "TUI" << "智能标点描述" << "说话时自动添加标点符号";
    }

    void knownTexts()
    {
        QFETCH(QString, lang);
        QFETCH(QString, context);
        QFETCH(QString, source);
        QFETCH(QString, expected);
        QTranslator translator;
        QVERIFY(translator.load(embedded(lang)));
        QCOMPARE(translator.translate(context.toUtf8().constData(), source.toUtf8().constData()), expected);
    }

    void installedCatalogueReachesTheCode_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("duration");
        QTest::newRow("en") << "en" << "1h2m5s";
        QTest::newRow("ko") << "ko" << "1시간2분5초";
    }

    void installedCatalogueReachesTheCode()
    {
        QFETCH(QString, lang);
        QFETCH(QString, duration);
        QTranslator translator;
        QVERIFY(translator.load(embedded(lang)));
        QVERIFY(QCoreApplication::installTranslator(&translator));
        const QString text = AudioRecordVO::durationText(3725);
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(text, duration);
        QCOMPARE(AudioRecordVO::durationText(3725), QStringLiteral("1小时2分5秒"));
    }

    // Qt's own texts (standard buttons, the text fields' menus) follow the interface language,
    // from the catalogues the distribution ships; Chinese lies beneath Turkish, which the program
    // shows in Chinese, and English is Qt's own.
    void qtOwnTextsFollowTheInterfaceLanguage_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("ok");
        QTest::addColumn<QString>("cancel");
        QTest::addColumn<QString>("yes");
        QTest::addColumn<QString>("copy");
        QTest::addColumn<QString>("selectAll");
        QTest::addColumn<QString>("beneath"); // a text Qt's Turkish and Korean catalogues lack
        QTest::newRow("zh") << "zh" << "确定" << "取消" << "是(&Y)" << "复制(&C)" << "全选" << "套接字未连接";
        QTest::newRow("ko") << "ko" << "확인" << "취소" << "예(&Y)" << "복사(&C)" << "모두 선택" << "Socket is not connected";
        QTest::newRow("tr") << "tr" << "Tamam" << "İptal" << "&Evet" << "&Kopyala" << "Tümünü Seç" << "套接字未连接";
        QTest::newRow("en") << "en" << "OK" << "Cancel" << "&Yes" << "&Copy" << "Select All"
                            << "Socket is not connected";
    }

    void qtOwnTextsFollowTheInterfaceLanguage()
    {
        QFETCH(QString, lang);
        QFETCH(QString, ok);
        QFETCH(QString, cancel);
        QFETCH(QString, yes);
        QFETCH(QString, copy);
        QFETCH(QString, selectAll);
        QFETCH(QString, beneath);
        const InterfaceTranslation translation(lang);

        QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Yes);
        QCOMPARE(buttons.button(QDialogButtonBox::Ok)->text(), ok);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Yes)->text(), yes);
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Vellobox"), QStringLiteral("程序已经在运行中!"),
                        QMessageBox::Ok);
        QCOMPARE(box.button(QMessageBox::Ok)->text(), ok);

        QLineEdit edit(QStringLiteral("text"));
        const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
        const QStringList entries = menuTexts(*menu);
        QVERIFY2(entries.contains(copy), qPrintable(entries.join(QLatin1String(" | "))));
        QVERIFY2(entries.contains(selectAll), qPrintable(entries.join(QLatin1String(" | "))));

        QCOMPARE(QCoreApplication::translate("QLocalSocket", "Socket is not connected"), beneath);
    }

    // Turkish is offered as a language but shows the source texts.
    void turkishCarriesOnlyItsTag()
    {
        QTranslator translator;
        QVERIFY(translator.load(embedded(QStringLiteral("tr"))));
        QVERIFY(translator.isEmpty());
        QCOMPARE(translator.language(), QStringLiteral("tr_TR"));
        QVERIFY(translator.translate("TUI", "软件设置").isEmpty());
    }

    // Every finished entry ships, and keeps the markers and blanks the code relies on.
    void catalogueKeepsPlaceholdersAndBlanks_data()
    {
        addTranslatedLanguageRows();
    }

    void catalogueKeepsPlaceholdersAndBlanks()
    {
        QFETCH(QString, lang);
        const QVector<Entry> entries =
            finishedEntries(QStringLiteral(VB_TS_DIR "/vellobox_%1.ts").arg(lang));
        QVERIFY(entries.size() > 100);
        QTranslator translator;
        QVERIFY(translator.load(embedded(lang)));
        for (const Entry &e : entries) {
            const QString where = e.context + QLatin1Char('/') + e.source.left(40);
            const QString text = translator.translate(e.context.toUtf8().constData(), e.source.toUtf8().constData());
            QVERIFY2(!text.isEmpty(), qPrintable(where));
            QVERIFY2(placeholders(text) == placeholders(e.source), qPrintable(where));
            QVERIFY2(leadingSpace(text) == leadingSpace(e.source), qPrintable(where));
            QVERIFY2(trailingSpace(text) == trailingSpace(e.source), qPrintable(where));
            if (!e.source.contains(QLatin1String("<html>")))
                QVERIFY2(hasAccelerator(text) == hasAccelerator(e.source), qPrintable(where));
        }
    }

    // Run as the refresh script runs it, lupdate finds every text of the code and the forms;
    // each one must already carry its English and its Korean translation.
    void everyTextInTheCodeHasAnEnglishAndAKoreanTranslation_data()
    {
        addTranslatedLanguageRows();
    }

    void everyTextInTheCodeHasAnEnglishAndAKoreanTranslation()
    {
        QFETCH(QString, lang);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString name = QStringLiteral("vellobox_%1.ts").arg(lang);
        const QString ts = dir.filePath(name);
        QVERIFY(QFile::copy(QStringLiteral(VB_TS_DIR "/") + name, ts));
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(VB_LUPDATE),
                      {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                       QStringLiteral("-no-obsolete"), QStringLiteral(VB_SRC_DIR), QStringLiteral("-ts"), ts});
        QVERIFY(lupdate.waitForFinished(120000));
        QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
                 lupdate.readAll().constData());
        const QStringList missing = unfinishedEntries(ts);
        QVERIFY2(missing.isEmpty(),
                 qPrintable(QStringLiteral("%1 texts without a translation in %2 (run scripts/update-translations.sh "
                                           "and translate them):\n")
                                .arg(missing.size())
                                .arg(name)
                            + missing.join(QLatin1Char('\n'))));
    }

    // A translated sentence is translated whole: no Chinese word is left inside it.
    void noTranslationKeepsChineseWords_data()
    {
        addTranslatedLanguageRows();
    }

    void noTranslationKeepsChineseWords()
    {
        QFETCH(QString, lang);
        QTranslator translator;
        QVERIFY(translator.load(embedded(lang)));
        // The ideographs only: CJK punctuation such as 「」 belongs to Korean texts as well.
        static const QRegularExpression han(QStringLiteral("[\\x{3400}-\\x{4DBF}\\x{4E00}-\\x{9FFF}]"));
        const QVector<Entry> entries = finishedEntries(QStringLiteral(VB_TS_DIR "/vellobox_%1.ts").arg(lang));
        for (const Entry &e : entries) {
            const QString text =
                visibleWords(translator.translate(e.context.toUtf8().constData(), e.source.toUtf8().constData()));
            QVERIFY2(!text.contains(han), qPrintable(e.context + QStringLiteral(": ") + text.simplified()));
        }
    }

    // The tables translate the column titles of their layout files in TUI.
    void everyTableColumnTitleIsTranslated_data()
    {
        addTranslatedLanguageRows();
    }

    void everyTableColumnTitleIsTranslated()
    {
        QFETCH(QString, lang);
        QTranslator translator;
        QVERIFY(translator.load(embedded(lang)));
        const QStringList layouts = QDir(QStringLiteral(VB_TABLE_DIR)).entryList({QStringLiteral("*.xml")});
        QVERIFY(layouts.size() >= 4);
        for (const QString &layout : layouts) {
            QFile file(QStringLiteral(VB_TABLE_DIR "/") + layout);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QXmlStreamReader xml(&file);
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("Column"))
                    continue;
                const QString title = xml.attributes().value(QLatin1String("FieldDisplayName")).toString();
                if (!title.isEmpty())
                    QVERIFY2(!translator.translate("TUI", title.toUtf8().constData()).isEmpty(),
                             qPrintable(layout + QStringLiteral(": ") + title));
            }
            QVERIFY2(!xml.hasError(), qPrintable(layout));
        }
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
