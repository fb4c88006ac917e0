#pragma once

#include "config/Configurations.h"
#include "logic/businessLogic/login/LoginBL.h"
#include "support/LoopbackHttpServer.h"
#include "support/TestHome.h"

#include <QApplication>
#include <QDialog>
#include <QJsonObject>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <memory>

// A program folder and an API server on loopback for the account dialogs; nobody logged in.
struct AccountFixture {
    AccountFixture()
    {
        Configurations::instance().setValue(QStringLiteral("/Server/ApiBaseUrl"), server.baseUrl() + QStringLiteral("/api/"));
        Configurations::instance().setValue(QStringLiteral("/Server/PolicyUrl"), QStringLiteral("http://policy.example/"));
        LoginBL::instance().reloadFromDisk();
    }
    ~AccountFixture()
    {
        LoginBL::instance().reloadFromDisk();
        // Dialogs that opened others end up as top-level windows; none outlives its test.
        QList<QPointer<QDialog>> dialogs;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *d = qobject_cast<QDialog *>(w))
                dialogs << d;
        for (const QPointer<QDialog> &d : dialogs)
            delete d.data();
    }

    static QJsonObject user(qint64 id, const QString &name)
    {
        return {{QStringLiteral("id"), double(id)}, {QStringLiteral("name"), name},
                {QStringLiteral("phone"), QStringLiteral("13800138000")}};
    }
    static void type(QWidget *dialog, const char *field, const QString &text)
    {
        auto *edit = dialog->findChild<QLineEdit *>(QLatin1String(field));
        QVERIFY(edit);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    template <typename T>
    static T *child(QWidget *dialog, const char *name)
    {
        return dialog->findChild<T *>(QLatin1String(name));
    }
    // The one visible top-level dialog of the class, else null.
    template <typename T>
    static T *shown()
    {
        T *found = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *d = qobject_cast<T *>(w); d && d->isVisible())
                found = d;
        return found;
    }

    TestHome home;
    LoopbackHttpServer server;
};
