// The names a user may have, and the users the program finds in its folder: only a
// name the new-user screen would take is a user, so that no two users share an
// options file and a delete removes one user's files only.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "storage/folders.h"
#include "storage/names.h"
#include "storage/users.h"
#include "tests/support/temp_folder.h"

namespace tavolora::storage {
namespace {

using testing::TempFolder;

TEST(UserNameCheck, BlanksAroundANameAreLeftOutAndWindowsDevicesAreRefusedInEveryForm) {
    const struct {
        const char* name;
        NameProblem problem;
    } names[] = {
        {" ", NameProblem::Empty},
        {"              ", NameProblem::Empty},
        {" .Anna", NameProblem::LeadingOrTrailingDot},
        {"Anna. ", NameProblem::LeadingOrTrailingDot},
        {" CON ", NameProblem::ReservedDeviceName},
        {"CON .txt", NameProblem::ReservedDeviceName},
        {"nul   .a.b", NameProblem::ReservedDeviceName},
        {"CONIN$", NameProblem::ReservedDeviceName},
        {"conout$.x", NameProblem::ReservedDeviceName},
        {"Clock$", NameProblem::ReservedDeviceName},
        {"COM\u00B9", NameProblem::ReservedDeviceName},
        {"com\u00B2.txt", NameProblem::ReservedDeviceName},
        {"COM\u00B3 .x", NameProblem::ReservedDeviceName},
        {"LPT\u00B9", NameProblem::ReservedDeviceName},
        {"Lpt\u00B2", NameProblem::ReservedDeviceName},
        {"lpt\u00B3", NameProblem::ReservedDeviceName},
        {"Quindicicaratte ", NameProblem::TooLong},
    };
    for (const auto& [name, problem] : names) EXPECT_EQ(check_user_name(name), problem) << '"' << name << '"';
    // Near misses are ordinary names: no device, or a superscript that is no port.
    for (const char* good : {"  Anna  ", "Quattordici ab ", "CONIN", "CON$", "Clock", "COM\u00B9x", "COM\u00B9 a",
                             "LPT\u00BC", "COM10", "Con te.x", "NUL_1"}) {
        EXPECT_EQ(check_user_name(good), NameProblem::None) << '"' << good << '"';
    }
}

TEST(UserList, OnlyStemsTheNewUserScreenWouldTakeAreUsers) {
    TempFolder folder;
    for (const char* stem : {"Anna", "Quattordici ab", "Quattordici abc", "Quattordici abd", " Bruno", "Carla ",
                             "   ", "", "CON ", "COM\u00B9", "CONIN$", "Clock$", "a..b", "x:y", "Dario."}) {
        folder.write(std::string("Users/") + stem + ".usr", std::string(20, ' '));
    }
    EXPECT_EQ(user_names(folder.string()), (std::vector<std::string>{"Anna", "Quattordici ab"}));
}

TEST(UserList, ADeleteOfANameTheProgramCouldNotHaveMadeTouchesNothing) {
    TempFolder folder;
    // A 15-character user would share the options of the 14-character one.
    for (const char* file : {"Quattordici ab.usr", "Quattordici ab_1.opt", "Quattordici abc.usr",
                             "Quattordici abc_1.opt", " Anna.usr", "Anna_1.opt"}) {
        folder.write(std::string("Users/") + file, "x");
    }
    for (const char* name : {"Quattordici abc", " Anna", "Anna ", "CON .x"}) {
        EXPECT_FALSE(remove_user(folder.string(), name)) << name;
    }
    for (const char* file : {"Quattordici ab.usr", "Quattordici ab_1.opt", "Quattordici abc.usr",
                             "Quattordici abc_1.opt", " Anna.usr", "Anna_1.opt"}) {
        EXPECT_TRUE(std::filesystem::exists(folder.path() / "Users" / file)) << file;
    }
    EXPECT_TRUE(remove_user(folder.string(), "Quattordici ab"));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Users" / "Quattordici ab_1.opt"));
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "Users" / "Quattordici abc_1.opt"));
}

}  // namespace
}  // namespace tavolora::storage
