// The shipped example of vellobox.ini names every key the program reads.
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QtTest>

namespace {
// Section -> keys listed in the example, commented out or not.
QMap<QString, QSet<QString>> exampleKeys(const QString &path)
{
    QMap<QString, QSet<QString>> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    static const QRegularExpression section(QStringLiteral("^\\[([A-Za-z]+)\\]$"));
    static const QRegularExpression entry(QStringLiteral("^;?([A-Za-z]+)="));
    QString current;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        const auto s = section.match(line);
        if (s.hasMatch()) {
            current = s.captured(1);
            continue;
        }
        const auto e = entry.match(line);
        if (e.hasMatch() && !current.isEmpty())
            keys[current].insert(e.captured(1));
    }
    return keys;
}
} // namespace

class TestExampleIni : public QObject
{
    Q_OBJECT
private slots:
    void everyKeyTheProgramReadsIsListed()
    {
        const QMap<QString, QSet<QString>> listed = exampleKeys(QStringLiteral(VB_EXAMPLE_INI));
        QVERIFY(!listed.isEmpty());
        static const QRegularExpression key(QStringLiteral("\"/([A-Z][A-Za-z]*)/([A-Z][A-Za-z]*)\""));
        QDirIterator it(QStringLiteral(VB_SOURCE_DIR), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                        QDir::Files, QDirIterator::Subdirectories);
        int found = 0;
        while (it.hasNext()) {
            QFile source(it.next());
            QVERIFY(source.open(QIODevice::ReadOnly));
            auto matches = key.globalMatch(QString::fromUtf8(source.readAll()));
            while (matches.hasNext()) {
                const auto m = matches.next();
                ++found;
                const QString where = m.captured(0) + QStringLiteral(" in ") + it.fileName();
                QVERIFY2(listed.value(m.captured(1)).contains(m.captured(2)), qPrintable(where));
            }
        }
        QVERIFY(found > 20);
    }

    void theExampleAsItStandsChangesNoDefault()
    {
        // Copied unchanged, it sets nothing: every listed key is commented out.
        QSettings settings(QStringLiteral(VB_EXAMPLE_INI), QSettings::IniFormat);
        QCOMPARE(settings.status(), QSettings::NoError);
        QVERIFY(settings.allKeys().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestExampleIni)
#include "tst_example_ini.moc"
