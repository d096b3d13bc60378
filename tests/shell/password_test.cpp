#include "shell/password.h"

#include "model/settings.h"

#include <gtest/gtest.h>

using namespace fixtora;

namespace {

void storePassword(const QString &raw)
{
    ASSERT_TRUE(StorePreference(kRegPassword, raw));
}

} // namespace

TEST(Password, SetOnlyWhenCleanedTextIsNeitherEmptyNorNone)
{
    storePassword("none");
    EXPECT_FALSE(PasswordIsSet());
    storePassword("");
    EXPECT_FALSE(PasswordIsSet());
    storePassword("-_!");        // cleans to nothing: no password, the program stays reachable
    EXPECT_FALSE(PasswordIsSet());
    storePassword("no-ne");      // cleans to "none"
    EXPECT_FALSE(PasswordIsSet());
    storePassword("secret");
    EXPECT_TRUE(PasswordIsSet());
}

TEST(Password, TypedAndStoredAreComparedCleaned)
{
    storePassword("my-pass");    // stored raw, as the dialog's check box does
    EXPECT_EQ(StoredPassword(), "mypass");
    EXPECT_TRUE(PasswordMatches("my-pass"));
    EXPECT_TRUE(PasswordMatches("mypass"));
    EXPECT_FALSE(PasswordMatches("my-pas"));

    storePassword("mypass");     // stored cleaned, as Close does
    EXPECT_TRUE(PasswordMatches("my-pass"));
    EXPECT_FALSE(PasswordMatches("MyPass"));
}
