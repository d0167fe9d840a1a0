#pragma once

// A program with a deck of real card pictures in its own folder, a game chosen and
// its card pictures created: the start of the table tests.

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>

#include "table/table_positions.h"
#include "tests/support/headless_program.h"

namespace tavolora::testing {

// A 24-bit BMP picture of width x height pixels, all of one grey.
inline std::string bmp_picture(int width, int height) {
    const auto pixels = static_cast<std::uint32_t>((width * 3 + 3) / 4 * 4 * height);
    std::string bytes(54, '\0');
    bytes.append(pixels, '\x80');
    const std::uint32_t fields[][2] = {{2, 54 + pixels},
                                       {10, 54},
                                       {14, 40},
                                       {18, static_cast<std::uint32_t>(width)},
                                       {22, static_cast<std::uint32_t>(height)},
                                       {26, 1 | 24 << 16},
                                       {34, pixels}};
    for (const auto& [at, value] : fields) {
        for (unsigned i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    bytes[0] = 'B';
    bytes[1] = 'M';
    return bytes;
}

// The only deck, so the options choose it: the measured face (suit 1, value 1) and
// the two backs, 72 x 120 pixels, 1080 x 1800 twips.
inline std::string with_deck(const TempFolder& folder) {
    for (const char* picture : {"1/1.bmp", "1/0.bmp", "1/00.bmp"}) {
        folder.write(std::string("Cards/Tavolora/") + picture, bmp_picture(72, 120));
    }
    return folder.string();
}

class TableTest : public ::testing::Test {
protected:
    TempFolder folder;
    HeadlessProgram h{with_deck(folder)};
    Program& program = h.program;
    engine::MatchState& m = program.match;
    table::AnimationState& a = program.anim;
    table::MasterWindow& w = program.master;
    table::Animation& animation = program.animation;
    static constexpr float kCardWidth = 1080;

    // The figures of these tests are those of a window 11520 twips high over all,
    // its table 500 less.
    TableTest() { w.form.Height = 11520; }

    // A match of `game` with the seats of `order`: the table steps, the user's
    // options (the folders, every timing 8) and the card pictures.
    void choose(int game, std::initializer_list<int> order, int hand = 3) {
        m.Codice_Gioco = static_cast<std::int16_t>(game);
        m.Numero_Giocatori = static_cast<int>(order.size());
        m.Carte_In_Mano = hand;
        int p = 0;
        for (int seat : order) m.Ordine_Giocatori(++p) = static_cast<std::int16_t>(seat);
        table::Imposta_Posizioni_Tavolo(program.anim, program.match.Codice_Gioco);
        program.storage.Carica_Opzioni_Utente();
        animation.Carica_Controlli_Carte();
    }

    // Deck position p holds suit (p - 1) / 10 + 1, value (p - 1) % 10 + 1.
    void fill_deck() {
        for (int p = 1; p <= 40; ++p) {
            m.Tabella_Carte(21, p, 1) = static_cast<std::int16_t>((p - 1) / 10 + 1);
            m.Tabella_Carte(21, p, 2) = static_cast<std::int16_t>((p - 1) % 10 + 1);
        }
    }

    std::int16_t& deck_count() { return m.Tabella_Carte(10, 1, 1); }
    std::int16_t C(int entry) const { return a.Coordinate_Tavolo(entry); }
    // As the window system calls in, so that flights land in virtual time.
    template <class Routine>
    void run(Routine routine) {
        program.waits.at_boundary([&] { routine(); });
    }
    std::string face(int suit, int value) const { return face_path(folder.string(), suit, value); }
    std::string back(const std::string& name) const {
        return folder.string() + "\\Cards\\Tavolora\\1\\" + name + ".bmp";
    }
};

}  // namespace tavolora::testing
