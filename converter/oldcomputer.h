#pragma once

#include <QString>

// One networked computer of the old layout (section Computer.N).
struct OldComputer
{
    QString name;
    QString address;
    QString ip;
    QString id;
    QString status;
    // Plain text, unless passwordIsCipherText says the stored value did not decipher.
    QString password;
    int number = 0;
    // Such a password is carried over as found instead of being lost.
    bool passwordIsCipherText = false;
};
