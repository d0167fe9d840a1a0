#pragma once

// A whole match without a window: a program folder with a deck and a user, the
// match chosen as the main menu and the set-up screen choose it, the human's seat
// played by a script through the same dispatcher a mouse click goes through, and
// the continue button pressed when the table waits for it.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "tests/support/headless_program.h"

namespace tavolora::testing {

// The 54-byte header of a 24-bit BMP of the given size: what the program reads of a
// picture without a window system.
std::string bmp_header(int width, int height);

// Writes the header of a 72 x 120 BMP for every card face and back of a deck
// named "Mazzo" under `folder`\Cards: enough for the layout, which measures them.
void write_test_deck(const TempFolder& folder);
// The same deck with cards of `width` x `height` pixels, its flying back "00" on
// its side (`height` x `width`), as the program's own decks have it; named `deck`.
void write_test_deck(const TempFolder& folder, int width, int height, std::string_view deck = "Mazzo");

struct MatchPlan {
    int game = 1;  // game code
    int players = 2;
    int difficulty = 1;  // as stored in the options file
    int mode = 1;        // 1 single hand, 2 points, 3 games, 4 the 151 variant
    int target_points = 120;
    int target_games = 2;
    bool stop_at_target = false;
    int first_player = 0;  // 0 the human, 1..3 a computer seat
    bool clockwise = true;
    // Flight ticks, the computer's thinking and the table display time (0: wait for
    // the continue button), as the options file stores them.
    int flight_steps = 2;
    int thinking = 0;
    int display = 1;
    std::uint64_t seed = 1;
    // Scopa's rule switches as the options file stores them: 1..10 the chosen suit's
    // valued cards, 11 most cards, 12 primiera, 13 most of the suit, 20 the suit.
    std::array<int, 20> rules = {0, 0, 0, 0, 0, 0, 1, 0, 0, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 3};
    // Camicia's kind of match (0 normal, 1 timed, 2 to a number of cards, 3 to a
    // number of takes) and its number of cards.
    int camicia_kind = 0;
    int camicia_cards = 30;
    // The size of the deck's card pictures, in pixels; 0 for the small test deck
    // whose backs are all upright.
    int card_width = 0;
    int card_height = 0;
    // False for a folder as a fresh install has it: no user, and so a new user's
    // options in memory (the settings above then do not apply).
    bool with_user = true;
};

class HeadlessMatch {
public:
    explicit HeadlessMatch(const MatchPlan& plan);

    // The kind of match and "Gioca!": returns when the human is first to play.
    void start();
    // Plays one card of the human's hand, chosen by `choose` among the enabled ones
    // (a random one when not given). Returns false when the human has no card to play.
    bool play_human_card();
    // The end-of-hand panel's continue button: the next hand, or the table closed.
    void continue_after_hand();
    // Plays hands until the match is over; returns the number of hands played.
    int play_to_end(int hand_limit = 1000);

    bool hand_over() const;
    bool match_over() const { return program().match.Partita_Terminata; }

    Program& program() { return h_.program; }
    const Program& program() const { return h_.program; }
    platform::headless::HeadlessPlatform& platform() { return h_.platform; }
    const TempFolder& folder() const { return folder_; }

    // Called as each wait of the program begins (every flight batch, every pause).
    void on_wait(std::function<void(std::string_view)> observer) { observer_ = std::move(observer); }

private:
    const MatchPlan plan_;
    TempFolder folder_;
    HeadlessProgram h_;
    std::function<void(std::string_view)> observer_;
    std::uint64_t choices_;
};

}  // namespace tavolora::testing
