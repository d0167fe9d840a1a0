#pragma once

// The four games and what the screens and the settings need to know of each, in one
// table: the name, the main menu's colour, the kinds of match in the order the
// set-up screen steps through them and the new-match handler of each, which panel of
// players the set-up screen shows and which player counts it offers, and the range
// of its points slider, and which panels the options screen offers. Code reads this
// table instead of switching on the game.

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
     {true, false, true}},
    {kScopa,
     "Scopa",
     0x00A000,
     {"Singola", "Punteggio", "", "", ""},
     {Kind::Singola, Kind::Punteggio, Kind::None, Kind::None, Kind::None},
     false,
     {true, false, true},
     4,
     {50, 1, 5},
     {true, true, true}},
    {kCamicia,
     "Camicia",
     0xC000C0,
     {"Singola", "", "", "", ""},
     {Kind::Singola, Kind::None, Kind::None, Kind::None, Kind::None},
     true,
     {false, false, false},
     0,
     {1200, 60, 120},
     {false, false, false}},
    {kTresette,
     "Tresette",
     0x0080C0,
     {"Singola", "Punteggio", "", "", ""},
     {Kind::Singola, Kind::Punteggio, Kind::None, Kind::None, Kind::None},
     false,
     {true, true, true},
     0,
     {220, 11, 11},
     {true, false, true}},
}};

// The game of a code, or nullptr for a code that names none.
constexpr const Game* find(int code) {
    return code >= 1 && code <= kCount ? &kGames[static_cast<std::size_t>(code - 1)] : nullptr;
}

// The handler of the kind of match at a position (1 to 5) of a game; None outside.
constexpr Kind kind_at(int code, int position) {
    const Game* game = find(code);
    if (game == nullptr || position < 1 || position > 5) return Kind::None;
    return game->handlers[static_cast<std::size_t>(position - 1)];
}

}  // namespace tavolora::games
