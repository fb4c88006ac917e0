#pragma once

#include <QString>
#include <QUrl>

class QNetworkAccessManager;

// The network access shared by every request of the GUI thread and the user-visible texts
// of failed requests.
namespace HttpHelper {
// Created on first use as a child of the application object, so it ends with it.
QNetworkAccessManager *networkManager();

QString notConfiguredMessage(const QString &iniKey);
QString invalidAddressMessage(const QString &url);
QString timeoutMessage(int ms);
QString networkErrorMessage(const QString &detail);
QString httpErrorMessage(int httpStatus);
QString replyTooLargeMessage();
QString redirectRefusedMessage(const QUrl &target);

// Same scheme, host and port (default ports filled in).
bool sameOrigin(const QUrl &a, const QUrl &b);

// The address without query and user information: what may be written to the log.
QString loggableUrl(const QUrl &url);
// Joins a base address and a request name with exactly one "/" between them.
QString joinUrl(const QString &base, const QString &name);
} // namespace HttpHelper
