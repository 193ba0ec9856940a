#include <gtest/gtest.h>

#include <map>

#include "app/login.h"

namespace tabrel {
namespace {

// The settings store as a map; `writable` false stands for a key that cannot be opened.
struct MapStore : SettingsStore {
    std::map<std::string, std::string, std::less<>> values;
    bool writable = true;

    std::optional<std::string> value(std::string_view name) const override {
        auto it = values.find(name);
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
    bool set_value(std::string_view name, std::string_view text) override {
        if (writable) values[std::string(name)] = text;
        return writable;
    }
    bool remove(std::string_view name) override {
        if (!writable) return false;
        if (auto it = values.find(name); it != values.end()) values.erase(it);
        return true;
    }
};

// Values computed apart from this code, from the algorithm in login.h.
TEST(GGLoginHash, MatchesIndependentlyComputedValues) {
    EXPECT_EQ(GGLoginHash("a", kLoginSeed), "4157131241");
    EXPECT_EQ(GGLoginHash("tajne", kLoginSeed), "3646396143");
    EXPECT_EQ(GGLoginHash("Has\xB3o123", kLoginSeed), "1278417090");  // cp1250 "ł"
    EXPECT_EQ(GGLoginHash("Tabrel 2024!", kLoginSeed), "2510410154");
    EXPECT_EQ(GGLoginHash("", kLoginSeed), "7498");
    // The seed takes part throughout.
    EXPECT_EQ(GGLoginHash("a", 0), "2055046922");
    EXPECT_EQ(GGLoginHash("tajne", 0), "3287076352");
    EXPECT_EQ(GGLoginHash("", 0), "0");
}

TEST(Login, NoStoredValueAsksNothing) {
    MapStore store;
    EXPECT_EQ(stored_password_hash(store), "");
    store.values["pwd"] = "";
    EXPECT_EQ(stored_password_hash(store), "");
}

TEST(Login, TheComparisonIsExactOnTheDecimalText) {
    EXPECT_TRUE(password_matches("tajne", "3646396143"));
    EXPECT_FALSE(password_matches("Tajne", "3646396143"));
    EXPECT_FALSE(password_matches("tajne", " 3646396143"));
    EXPECT_FALSE(password_matches("tajne", "03646396143"));
    EXPECT_FALSE(password_matches("tajne", ""));
}

TEST(Login, ChangeModeStoresTheHashAndAnEmptyPasswordRemovesIt) {
    MapStore store;
    store.values["tab_other_visible"] = "true";
    EXPECT_TRUE(change_password(store, "tajne"));
    EXPECT_EQ(store.values["pwd"], "3646396143");
    EXPECT_TRUE(password_matches("tajne", stored_password_hash(store)));

    EXPECT_TRUE(change_password(store, ""));
    EXPECT_FALSE(store.values.count("pwd"));
    EXPECT_EQ(stored_password_hash(store), "");
    EXPECT_EQ(store.values.size(), 1u);       // other values stay
    EXPECT_TRUE(change_password(store, ""));  // nothing to remove is no failure
}

TEST(Login, AStoreThatCannotBeWrittenKeepsTheOldPassword) {
    MapStore store;
    store.values["pwd"] = "3646396143";
    store.writable = false;
    EXPECT_FALSE(change_password(store, "inne"));
    EXPECT_FALSE(change_password(store, ""));
    EXPECT_EQ(store.values["pwd"], "3646396143");
}

}  // namespace
}  // namespace tabrel
