#pragma once

#include <QObject>
#include <QString>
#include <functional>

class UserVO;

// The login business logic: account requests, the logged-in user and its cache.
// Account callbacks get (message, code); code 0 means success. They run on the GUI thread
// when the reply arrives, and only while the given context object (if any) still exists.
class ILoginBL : public QObject
{
    Q_OBJECT
public:
    using Callback = std::function<void(const QString &message, int code)>;

    ~ILoginBL() override;

    virtual bool isLogin() = 0;
    // The logged-in user: the one in memory, else the one in the cache file, else null.
    virtual UserVO *getUser() = 0;
    virtual void logout() = 0;

    virtual void sendVerifyCode(bool forRegister, const QString &account, Callback callback = {},
                                QObject *context = nullptr) = 0;
    virtual void login(const QString &account, const QString &password, const QString &code,
                       Callback callback = {}, QObject *context = nullptr) = 0;
    virtual void registerUser(const QString &account, const QString &password, const QString &code,
                              Callback callback = {}, QObject *context = nullptr) = 0;
    virtual void resetPassword(const QString &account, const QString &password, const QString &code,
                               Callback callback = {}, QObject *context = nullptr) = 0;

signals:
    // After a successful login or registration, once the caller's callback has returned.
    void userLogin(UserVO *user);
    void userLogout();

protected:
    explicit ILoginBL(QObject *parent = nullptr);
};
