#pragma once

#include "logic/businessLogic/login/LoginBL.h"
#include "support/ReceivedMail.h"
#include "support/SmtpTestServer.h"
#include "support/TestHome.h"

// A program folder with nobody logged in, and the loopback TLS mail server that the program's
// mail goes to.
struct MailFixture {
    MailFixture()
    {
        LoginBL::instance().reloadFromDisk();
        ReceivedMail::configure(server);
    }
    ~MailFixture() { ReceivedMail::reset(); }

private:
    // Destroyed last: the user is read again once the folder is gone.
    struct ReloadUserAtEnd {
        ~ReloadUserAtEnd() { LoginBL::instance().reloadFromDisk(); }
    } m_reloadUserAtEnd;

public:
    TestHome home;
    SmtpTestServer server;
};
