#pragma once

#include <QString>

// The SMTP account of the old layout.
struct OldSmtpConfig
{
    QString server;
    QString user;
    // Plain text, unless passIsCipherText says the stored value did not decipher.
    QString pass;
    QString sender_address;
    bool passIsCipherText = false;
};
