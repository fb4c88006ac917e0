#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

class SmtpTestServer;

// A mail as the test SMTP server received it, decoded: subject, text and attachments.
struct ReceivedMail {
    QString subject;
    QString body;
    QStringList attachmentNames;          // in the order of the message
    QMap<QString, QByteArray> attachments; // by name

    static ReceivedMail parse(const QByteArray &data);
    // Points the program's mail settings at the server and trusts its test certificate.
    static void configure(SmtpTestServer &server);
    // Undoes configure's trust and limits.
    static void reset();
};
