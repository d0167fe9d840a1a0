#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "storage/bmp.h"
#include "storage/host_path.h"

namespace tavolora::storage {
namespace {

class HostPath : public ::testing::Test {
protected:
    std::filesystem::path root =
        std::filesystem::temp_directory_path() /
        ("tavolora-host-path-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    void SetUp() override {
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root / "Cards" / "Tavolora" / "1");
        std::ofstream(root / "Cards" / "Tavolora" / "1" / "1.bmp") << "x";
    }
    void TearDown() override { std::filesystem::remove_all(root); }
};

TEST_F(HostPath, MapsBackslashesAndFindsPartsRegardlessOfCase) {
    const std::string folder = root.string();
    EXPECT_EQ(host_path(folder + "\\Cards\\Tavolora\\1\\1.bmp"), root / "Cards" / "Tavolora" / "1" / "1.bmp");
    EXPECT_EQ(host_path(folder + "\\CARDS\\tavolora\\1\\1.BMP"), root / "Cards" / "Tavolora" / "1" / "1.bmp");
    // What does not exist keeps its spelling, so an error names what was asked for.
    EXPECT_EQ(host_path(folder + "\\cards\\Altro\\2\\3.bmp"), root / "Cards" / "Altro" / "2" / "3.bmp");
    EXPECT_EQ(bmp_file_size(host_path(folder + "\\Cards\\Tavolora\\1\\1.bmp")), std::nullopt);
}

}  // namespace
}  // namespace tavolora::storage
