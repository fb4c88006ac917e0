#include "support/TestHome.h"

#include "config/Configurations.h"
#include "config/DeviceConfigHelper.h"
#include "config/HotWordStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TestHome::TestHome()
    : m_previous(qgetenv("VELLOBOX_HOME"))
{
    qputenv("VELLOBOX_HOME", m_dir.path().toLocal8Bit());
    reload();
}

TestHome::~TestHome()
{
    HotWordStore::instance().flush(); // nothing may land in the folder once it is gone
    DeviceConfigHelper::instance().clear();
    if (m_previous.isEmpty())
        qunsetenv("VELLOBOX_HOME");
    else
        qputenv("VELLOBOX_HOME", m_previous);
}

void TestHome::reload() const
{
    Configurations::instance().reload();
    DeviceConfigHelper::instance().load();
    HotWordStore::instance().load();
}

void TestHome::write(const QString &relative, const QByteArray &content) const
{
    const QString path = file(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(content);
}

QByteArray TestHome::read(const QString &relative) const
{
    HotWordStore::instance().flush(); // what the word lists have written by now
    QFile f(file(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool TestHome::exists(const QString &relative) const
{
    HotWordStore::instance().flush();
    return QFileInfo::exists(file(relative));
}
