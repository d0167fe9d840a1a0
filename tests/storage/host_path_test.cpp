// The paths the program writes with "\" on the host: the path as written where it
// exists, the case-blind search where it does not, and the reads that try the one
// before the other.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "storage/host_path.h"
#include "storage/record_file.h"
#include "tests/support/temp_folder.h"

namespace tavolora::storage {
namespace {

namespace fs = std::filesystem;

class HostPathReads : public ::testing::Test {
protected:
    void SetUp() override { folder.write("Users/Anna_1.opt", "options"); }

    testing::TempFolder folder;
    std::string root = folder.string();
};

TEST_F(HostPathReads, AnExistingPathAsWrittenIsTheOneTheSearchFinds) {
    // Doubled, leading and trailing separators of either kind come out as the
    // part-by-part search builds them.
    for (const std::string& written :
         {root + "\\Users\\Anna_1.opt", root + "\\\\Users\\/Anna_1.opt", root + "\\Users\\", root + "/Users"}) {
        SCOPED_TRACE(written);
        EXPECT_EQ(literal_host_path(written), host_path(written));
    }
    EXPECT_EQ(literal_host_path("\\"), fs::path("/"));
    EXPECT_EQ(literal_host_path("Users\\\\Anna_1.opt\\"), fs::path("Users/Anna_1.opt"));
    EXPECT_EQ(literal_host_path(""), fs::path());
    // A name whose case differs on the disk is the search's to find.
    EXPECT_EQ(literal_host_path(root + "\\USERS\\anna_1.OPT"), fs::path(root) / "USERS" / "anna_1.OPT");
    EXPECT_EQ(host_path(root + "\\USERS\\anna_1.OPT"), fs::path(root) / "Users" / "Anna_1.opt");
}

TEST_F(HostPathReads, TheSearchRunsOnlyWhenThePathAsWrittenFails) {
    std::vector<fs::path> tried;
    const auto read = [&tried](const fs::path& file) {
        tried.push_back(file);
        return read_file(file);
    };

    EXPECT_EQ(with_host_path(root + "\\Users\\Anna_1.opt", read), "options");
    EXPECT_EQ(tried, (std::vector<fs::path>{fs::path(root) / "Users" / "Anna_1.opt"}));

    tried.clear();
    EXPECT_EQ(with_host_path(root + "\\users\\ANNA_1.opt", read), "options");
    EXPECT_EQ(tried, (std::vector<fs::path>{fs::path(root) / "users" / "ANNA_1.opt",
                                            fs::path(root) / "Users" / "Anna_1.opt"}));

    tried.clear();
    EXPECT_EQ(with_host_path(root + "\\Users\\Bruno_1.opt", read), std::nullopt);
    EXPECT_EQ(tried.size(), 2U);
}

TEST_F(HostPathReads, OnlyARegularFileIsRead) {
    folder.write("Users/empty.opt", "");
    EXPECT_EQ(read_file(folder.path() / "Users" / "empty.opt"), "");
    // A file larger than any single read of the library's buffers comes whole.
    const std::string big(70000, 'x');
    folder.write("Users/big.opt", big);
    EXPECT_EQ(read_file(folder.path() / "Users" / "big.opt"), big);

    EXPECT_EQ(read_file(folder.path() / "Users"), std::nullopt);
    EXPECT_EQ(read_file(folder.path() / "Users" / "missing.opt"), std::nullopt);
    // A named pipe in a file's place is refused at once, never waited on.
    const fs::path pipe = folder.path() / "Users" / "pipe.opt";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(read_file(pipe), std::nullopt);
}

}  // namespace
}  // namespace tavolora::storage
