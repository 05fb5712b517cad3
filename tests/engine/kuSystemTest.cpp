#include "kuSystem.h"

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace {

// Puts HOME back as it was when the test ends.
class homeVariable {
public:
    homeVariable() {
        if (const char* value = std::getenv("HOME"))
            saved = value;
    }
    ~homeVariable() {
        if (saved)
            setenv("HOME", saved->c_str(), 1);
        else
            unsetenv("HOME");
    }

private:
    std::optional<std::string> saved;
};

} // namespace

TEST(KuSystemTest, ARelativeOrMissingHomeGivesWayToTheAccountsHome) {
    const passwd* user = getpwuid(getuid());
    ASSERT_NE(user, nullptr);
    const std::string accountHome = user->pw_dir;
    ASSERT_FALSE(accountHome.empty());
    const homeVariable restore;
    const struct {
        std::optional<std::string> home;
        std::string chosen;
    } cases[] = {
        {"/h", "/h"},      {"ann", accountHome},        {"./", accountHome},
        {"", accountHome}, {std::nullopt, accountHome},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.home.value_or("(unset)"));
        if (c.home)
            setenv("HOME", c.home->c_str(), 1);
        else
            unsetenv("HOME");
        EXPECT_EQ(kuSystem::homeFolder(), c.chosen);
    }
}
