#pragma once

#include <QString>

// Opens a web address with the user's browser.
void openURL(const QString& address);

// Opens a new message in the user's mail client. Subject and body are percent-encoded, so a
// "&" or "=" in them stays text instead of starting another field of the message.
void sendMail(const QString& address, const QString& subject, const QString& body);
