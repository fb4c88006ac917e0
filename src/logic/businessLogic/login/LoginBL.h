#pragma once

#include "logic/businessLogic/login/ILoginBL.h"

#include <functional>
#include <memory>

class UserVO;

// Login against the maker's API. The user of a successful login or registration is cached
// in config/user below the program folder (written atomically, readable by the user alone),
// so the login survives a restart until logout.
class LoginBL : public ILoginBL
{
    Q_OBJECT
public:
    static LoginBL &instance();
    ~LoginBL() override;

    bool isLogin() override;
    UserVO *getUser() override;
    void logout() override;

    void sendVerifyCode(bool forRegister, const QString &account, Callback callback = {},
                        QObject *context = nullptr) override;
    void login(const QString &account, const QString &password, const QString &code, Callback callback = {},
               QObject *context = nullptr) override;
    void registerUser(const QString &account, const QString &password, const QString &code,
                      Callback callback = {}, QObject *context = nullptr) override;
    void resetPassword(const QString &account, const QString &password, const QString &code,
                       Callback callback = {}, QObject *context = nullptr) override;

    // Mainland mobile numbers and mail addresses, each matched as a whole.
    static bool isMobileNumber(const QString &account);
    static bool isEmailAddress(const QString &account);

    static QString userFilePath();
    // Forgets the user in memory, so the next getUser reads the cache file as at start-up.
    void reloadFromDisk();

private:
    LoginBL();
    bool storeUser(const UserVO &user);
    // A user reply of a login or registration: dropped when a newer attempt or a logout came
    // first, refused without a valid id, else the user is stored and told.
    void acceptUser(quint64 generation, const UserVO &user, const QString &message, const Callback &callback,
                    const std::function<void(const QString &)> &failed);
    void loggedIn(const UserVO &user, const QString &message, const Callback &callback);

    std::unique_ptr<UserVO> m_user;
    // Bumped by every login, registration and logout: a reply for an older one is dropped.
    quint64 m_generation = 0;
};
