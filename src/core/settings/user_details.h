#pragma once

#include <QString>

// What the user confirms on the user page of the settings dialog.
struct UserDetails {
    QString name;
    QString email;
    bool passwordOn = false;
    QString password;
    QString confirmation;
};

// Why the details cannot be stored yet, or "" when they can. The name comes
// first, then the e-mail; with the password switched on, both password boxes
// must match exactly (letter case counts; two empty boxes match).
[[nodiscard]] QString UserDetailsProblem(const UserDetails& details);

// The lock password the confirmed details store: the password box with the
// password switched on, "" (no lock password) with it off, whatever the box
// still holds then.
[[nodiscard]] QString StoredLockPassword(const UserDetails& details);

// The licence line that shows the user's name on the start screen and in the
// about box.
[[nodiscard]] QString LicenceCaption(const QString& userName);
