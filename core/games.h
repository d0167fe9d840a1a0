#pragma once

// The four games and what the screens and the settings need to know of each, in one
// table: the name, the main menu's colour, the kinds of match in the order the
// set-up screen steps through them and the new-match handler of each, which panel of
// players the set-up screen shows and which player counts it offers, and the range
// of its points slider, which panels the options screen offers, the hand a new
// match deals and what "Gioca!" sets apart for it. Code reads this table instead of
// switching on the game.

#include <array>
#include <cstdint>
#include <string_view>

namespace tavolora::games {

// Game codes.
inline constexpr int kBriscola = 1;
inline constexpr int kScopa = 2;
inline constexpr int kCamicia = 3;
inline constexpr int kTresette = 4;
inline constexpr int kCount = 4;
// The codes no game button sets, which the new-match handlers still treat: 5 lays
// seven rows of one face, 6 is Briscola with five cards.
inline constexpr int kDeckOnly = 5;
inline constexpr int kBriscolaVariant = 6;

// Which new-match handler a kind of match opens the set-up screen with.
enum class Kind { None, Singola, Partite, Punteggio, Centocinquantuno };

struct PointsSlider {
    int max = 0;
    int tick = 0;
    int large_step = 0;
};

// What the options screen offers for a game: the difficulty panel (a game where the
// computer has no choice to make has none), Scopa's rules panel, and the animation
// panel's box "wait for the mouse click" (a game without tricks has nothing to wait
// for).
struct OptionPanels {
    bool difficulty = true;
    bool rules = false;
    bool wait_for_click = true;
};

// What "Gioca!" sets apart for a game before its first hand. Camicia has no hand
// starter: the click deals and lays out its two piles itself, and reads none of this.
struct MatchStart {
    bool hand_starter = true;
    bool lock_trick_buttons = false;   // "Tiri" and "Continua" start disabled
    std::string_view summary_caption;  // the captured-cards summary's title; "" leaves it
    // Carte_In_Mano and Scopa's Carte_Tavola_Iniziali with 2, 3 and 4 players; a
    // negative entry leaves the value, so Briscola keeps the new-match handler's hand.
    std::array<int, 3> hand{-1, -1, -1};
    std::array<int, 3> table_cards{-1, -1, -1};
    // Scopa clears the piles' score cells a second time, after the seats.
    bool clear_scores_again = false;
    // The point target's unit: Tresette keeps its scores in thirds of a point.
    int target_factor = 1;
};

struct Game {
    int code = 0;
    std::string_view name;
    std::uint32_t colour = 0;  // the main menu's background (&HBBGGRR)
    // The kinds of match by their position 1 to 5 (index 0 to 4): the name the set-up
    // screen shows ("" for an empty position) and the handler it calls.
    std::array<std::string_view, 5> kinds{};
    std::array<Kind, 5> handlers{};
    bool camicia_panel = false;           // the set-up screen's Camicia panel, not the players'
    std::array<bool, 3> players{};        // 2, 3 and 4 players offered
    int players_at_load = 0;              // the count selected as the set-up screen loads, 0 none
    PointsSlider points;                  // the points slider's maximum, ticks and large step
    OptionPanels options;                 // the options screen's panels
    // The hand the new-match handlers deal, 0 to leave it to "Gioca!" (by the number
    // of players) or to a game without hands; the 151 kind deals five in any case.
    int new_match_hand = 0;
    MatchStart start;                     // what "Gioca!" sets apart for the game
};

inline constexpr std::array<Game, kCount> kGames{{
    {kBriscola,
     "Briscola",
     0xFF0000,
     {"Singola", "Partite", "Punteggio", "151", ""},
     {Kind::Singola, Kind::Partite, Kind::Punteggio, Kind::Centocinquantuno, Kind::None},
     false,
     {true, true, true},
     0,
     {1200, 60, 120},
     {true, false, true},
     3,
     {true, true, "", {-1, -1, -1}, {-1, -1, -1}, false, 1}},
    {kScopa,
     "Scopa",
     0x00A000,
     {"Singola", "Punteggio", "", "", ""},
     {Kind::Singola, Kind::Punteggio, Kind::None, Kind::None, Kind::None},
     false,
     {true, false, true},
     4,
     {50, 1, 5},
     {true, true, true},
     0,
     {true, true, "Riepilogo delle scope", {3, 3, 10}, {4, 4, 0}, true, 1}},
    {kCamicia,
     "Camicia",
     0xC000C0,
     {"Singola", "", "", "", ""},
     {Kind::Singola, Kind::None, Kind::None, Kind::None, Kind::None},
     true,
     {false, false, false},
     0,
     {1200, 60, 120},
     {false, false, false},
     0,
     {false, false, "", {-1, -1, -1}, {-1, -1, -1}, false, 1}},
    {kTresette,
     "Tresette",
     0x0080C0,
     {"Singola", "Punteggio", "", "", ""},
     {Kind::Singola, Kind::Punteggio, Kind::None, Kind::None, Kind::None},
     false,
     {true, true, true},
     0,
     {220, 11, 11},
     {true, false, true},
     0,
     {true, false, "Riepilogo degli accusi", {10, 13, 10}, {-1, -1, -1}, false, 3}},
}};

// The game of a code, or nullptr for a code that names none.
constexpr const Game* find(int code) {
    return code >= 1 && code <= kCount ? &kGames[static_cast<std::size_t>(code - 1)] : nullptr;
}

// The hand the new-match handlers deal for a code, the two codes without a game
// button included (seven cards for 5, five for 6); 0 leaves the hand as it is.
constexpr int new_match_hand(int code) {
    if (const Game* game = find(code)) return game->new_match_hand;
    constexpr std::array<std::array<int, 2>, 2> kOtherCodes{{{kDeckOnly, 7}, {kBriscolaVariant, 5}}};
    for (const auto& [other, hand] : kOtherCodes) {
        if (other == code) return hand;
    }
    return 0;
}

// The handler of the kind of match at a position (1 to 5) of a game; None outside.
constexpr Kind kind_at(int code, int position) {
    const Game* game = find(code);
    if (game == nullptr || position < 1 || position > 5) return Kind::None;
    return game->handlers[static_cast<std::size_t>(position - 1)];
}

}  // namespace tavolora::games
