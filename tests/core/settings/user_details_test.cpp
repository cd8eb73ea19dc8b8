#include "core/settings/user_details.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(UserDetails, FirstMissingOrMismatchedEntryIsReported) {
    const QString noName = u"Vyplňte prosím své jméno."_s;
    const QString noEmail = u"Vyplňte prosím E-m@il."_s;
    const QString badPassword = u"Zkontrolujete zprávnot zadaného hesla."_s;
    struct Case {
        UserDetails details;
        QString problem;
    };
    const Case kCases[] = {
        {{u"Eva"_s, u"eva@pc.cz"_s, false, {}, {}}, {}},
        {{{}, {}, true, u"a"_s, u"b"_s}, noName},
        {{u"Eva"_s, {}, true, u"a"_s, u"b"_s}, noEmail},
        {{u" "_s, u" "_s, false, {}, {}}, {}},
        {{u"Eva"_s, u"eva@pc.cz"_s, true, u"Heslo"_s, u"heslo"_s}, badPassword},
        {{u"Eva"_s, u"eva@pc.cz"_s, true, u"Heslo"_s, u"Heslo "_s}, badPassword},
        {{u"Eva"_s, u"eva@pc.cz"_s, true, u"Heslo"_s, u"Heslo"_s}, {}},
        {{u"Eva"_s, u"eva@pc.cz"_s, true, {}, {}}, {}},
        // Switched off, the boxes are not compared at all.
        {{u"Eva"_s, u"eva@pc.cz"_s, false, u"abc"_s, u"xyz"_s}, {}},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(UserDetailsProblem(c.details), c.problem)
            << c.details.name.toStdString() << " / " << c.details.password.toStdString();
    }
}

// An unconfirmed password never becomes the lock password: with the check
// box off the lock is switched off.
TEST(UserDetails, LockPasswordIsStoredOnlyWhenSwitchedOn) {
    const struct {
        bool on;
        QString password, stored;
    } cases[] = {
        {true, u"Tajne"_s, u"Tajne"_s},
        {true, {}, {}},
        {false, u"abc"_s, {}},
        {false, {}, {}},
    };
    for (const auto& c : cases) {
        const UserDetails details{u"Eva"_s, u"eva@pc.cz"_s, c.on, c.password, u"jiné"_s};
        EXPECT_EQ(StoredLockPassword(details), c.stored) << c.password.toStdString();
    }
}

TEST(UserDetails, LicenceCaptionPrefixesTheName) {
    EXPECT_EQ(LicenceCaption(u"Jana Nováková"_s), u"Licencováno : Jana Nováková"_s);
    EXPECT_EQ(LicenceCaption({}), u"Licencováno : "_s);
}

} // namespace
