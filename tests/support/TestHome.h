#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary program folder for one test: sets VELLOBOX_HOME and re-reads what the core
// keeps from the folder (ini file, device settings, word lists).
class TestHome
{
public:
    TestHome();
    ~TestHome();

    QString path() const { return m_dir.path(); }
    QString file(const QString &relative) const { return m_dir.path() + QLatin1Char('/') + relative; }
    void write(const QString &relative, const QByteArray &content) const;
    QByteArray read(const QString &relative) const;
    bool exists(const QString &relative) const;
    // Re-reads the folder as a new program start would.
    void reload() const;

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
};
