#include "core/settings/user_details.h"

QString UserDetailsProblem(const UserDetails& details) {
    if (details.name.isEmpty())
        return QStringLiteral("Vyplňte prosím své jméno.");
    if (details.email.isEmpty())
        return QStringLiteral("Vyplňte prosím E-m@il.");
    if (details.passwordOn && details.password != details.confirmation)
        return QStringLiteral("Zkontrolujete zprávnot zadaného hesla.");
    return {};
}

QString StoredLockPassword(const UserDetails& details) {
    return details.passwordOn ? details.password : QString();
}

QString LicenceCaption(const QString& userName) {
    return QStringLiteral("Licencováno : ") + userName;
}
