// The picture sizes: each path is probed once, paths that end alike are told apart,
// and a picture that cannot be loaded stays nothing.

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "table/pictures.h"

namespace tavolora::table {
namespace {

// Sizes by path, counting the probes; a path not listed cannot be loaded.
class CountingProbe : public platform::ImageProbe {
public:
    std::optional<platform::PixelSize> picture_size(const std::filesystem::path& file) const override {
        ++probes[file.string()];
        const auto it = sizes.find(file.string());
        if (it == sizes.end()) return std::nullopt;
        return it->second;
    }
    std::map<std::string, platform::PixelSize> sizes;
    mutable std::map<std::string, int> probes;
};

class Metrics : public platform::WindowMetrics {
public:
    int twips_per_pixel_x() const override { return 15; }
    int twips_per_pixel_y() const override { return 12; }
    platform::PixelSize screen_size() const override { return {1920, 1080}; }
};

// Relative paths without separators, so that the host path is the path itself.
std::string face(int deck, int suit, int value) {
    return "mazzo" + std::to_string(deck) + "_" + std::to_string(suit) + "_" + std::to_string(value) + ".bmp";
}

TEST(PictureSizes, EveryPathKeepsItsOwnSizeAndIsProbedOnce) {
    CountingProbe probe;
    Metrics metrics;
    // Five decks of 40 faces: paths that share their tail, and more than the table
    // first holds, so that it grows while sizes are being asked for.
    for (int deck = 1; deck <= 5; ++deck) {
        for (int suit = 1; suit <= 4; ++suit) {
            for (int value = 1; value <= 10; ++value) {
                probe.sizes[face(deck, suit, value)] = {deck * 100 + suit, value};
            }
        }
    }
    PictureSizes sizes(probe, metrics);
    for (int round = 0; round < 2; ++round) {
        for (int deck = 1; deck <= 5; ++deck) {
            for (int suit = 1; suit <= 4; ++suit) {
                for (int value = 1; value <= 10; ++value) {
                    const auto size = sizes.twips(face(deck, suit, value));
                    ASSERT_TRUE(size.has_value()) << face(deck, suit, value);
                    EXPECT_EQ(*size, (platform::PixelSize{(deck * 100 + suit) * 15, value * 12}));
                }
            }
        }
    }
    EXPECT_EQ(probe.probes.size(), 200U);
    for (const auto& [path, count] : probe.probes) EXPECT_EQ(count, 1) << path;
}

TEST(PictureSizes, APictureThatCannotBeLoadedIsNothingAndLeavesTheControlsSize) {
    CountingProbe probe;
    Metrics metrics;
    probe.sizes["dorso.bmp"] = {72, 120};
    PictureSizes sizes(probe, metrics);
    EXPECT_FALSE(sizes.twips("manca.bmp").has_value());
    EXPECT_FALSE(sizes.twips("manca.bmp").has_value());
    EXPECT_EQ(probe.probes["manca.bmp"], 1);

    Control card;
    card.AutoSize = true;
    card.Width = 5;
    card.Height = 6;
    LoadPicture(card, "manca.bmp", sizes);
    EXPECT_EQ(card.Picture, "manca.bmp");
    EXPECT_EQ(card.Width, 5);
    EXPECT_EQ(card.Height, 6);
    LoadPicture(card, "dorso.bmp", sizes);
    EXPECT_EQ(card.Width, 72 * 15);
    EXPECT_EQ(card.Height, 120 * 12);
    // The control's own text may be handed back to it.
    LoadPicture(card, card.Picture, sizes);
    EXPECT_EQ(card.Picture, "dorso.bmp");
    LoadPicture(card, "", sizes);
    EXPECT_EQ(card.Picture, "");
    EXPECT_EQ(card.Width, 72 * 15);
}

}  // namespace
}  // namespace tavolora::table
