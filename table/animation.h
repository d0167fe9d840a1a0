#pragma once

// Table layout and card animation: the flight driver, the timed pauses and the
// placement of the screens in the main window.

#include <cstdint>
#include <string>

namespace tavolora {
class Program;
}

namespace tavolora::table {

class Animation {
public:
    explicit Animation(Program& program) : program_(program) {}
    Animation(const Animation&) = delete;
    Animation& operator=(const Animation&) = delete;

    // Fills flight slot `index` by the step rule every filler follows: `steps` ticks
    // (at least one), each moving the copy by (target - start) / steps twips, to the
    // nearest whole twip with halves to even.
    void fill_flight_slot(int index, int picture, std::string image, std::int16_t start_top,
                          std::int16_t start_left, std::int16_t target_top,
                          std::int16_t target_left, int steps);

    // Frees the 40 flight slots and hides their flying copies.
    void Libera_Animazioni();
    // Starts a flight for every filled slot and returns when all have landed.
    void Avvia_Animazioni();

    // Holds the full table for the display time, Tempi_Animazione(5) x 30 ms.
    void Attendi_Pausa_Movimento_5();
    // A computer seat's decision time, Tempi_Animazione(4) x 30 ms.
    void Attendi_Pausa_Movimento_4();

    // Lays the table out for the window's size; nothing while a hand is prepared.
    void Disponi_Tavolo();
    // The table's height from the window's.
    void Adatta_Altezza_Tavolo();

    // Gives the main menu its size and centres it vertically at the window's left.
    void Centra_Menu();

private:
    void pause_units(long long units, const char* what);

    Program& program_;
};

}  // namespace tavolora::table
