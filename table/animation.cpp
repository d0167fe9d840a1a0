// The flight driver, the timed pauses and the placement of the main menu.

#include "table/animation.h"

#include <algorithm>

#include "core/numbers.h"
#include "program/program.h"

namespace tavolora::table {

void Animation::fill_flight_slot(int index, int picture, std::string_view image, std::int16_t start_top,
                                 std::int16_t start_left, std::int16_t target_top, std::int16_t target_left,
                                 int steps) {
    Tipo_Animazione& slot = program_.anim.Animazioni_Carte(index);
    const int ticks = std::max(steps, 1);
    const auto step = [ticks](int from, int to) { return whole_twips(static_cast<double>(to - from) / ticks); };
    slot.Stato(1) = 'N';
    slot.Carta(1) = static_cast<std::int16_t>(picture);
    slot.Immagine.assign(image);  // in place: the slot keeps its room from the last flight
    slot.Coordinate(1) = start_top;
    slot.Coordinate(2) = start_left;
    slot.Coordinate(5) = target_top;
    slot.Coordinate(6) = target_left;
    slot.Coordinate(9) = step(start_top, target_top);
    slot.Coordinate(10) = step(start_left, target_left);
    slot.Passi = static_cast<std::int16_t>(std::min(ticks, 32767));
}

void Animation::Libera_Animazioni() {
    // Two plain passes, the slots and then their copies: this runs before and after
    // every flight batch.
    for (Tipo_Animazione& slot : program_.anim.Animazioni_Carte) slot.Stato(1) = 'Z';
    program_.master.P_A.for_each_loaded(1, kFlightSlots, [](Control& copy) { copy.Visible = false; });
}

void Animation::Avvia_Animazioni() {
    AnimationState& a = program_.anim;
    MasterWindow& w = program_.master;

    // Every filled slot flies. The fillers keep a batch in slots 1..n without a gap,
    // so these are the slots 1..n; a gap could never leave a flight unstarted. One
    // pass loads and starts each slot's copy and timer in slot order: a higher slot
    // ends above a lower one, and nothing of one slot depends on the next.
    a.Animazioni_Avviate = 0;
    int highest = 0;
    int i = 1;
    for (Tipo_Animazione& slot : a.Animazioni_Carte) {
        const int index = i++;
        if (slot.Stato(1) == 'Z') continue;
        w.P_A.Load(index);  // a copy that still exists is reused
        w.T_Anim.Load(index);
        ++a.Animazioni_Avviate;
        highest = index;
        Control& copy = w.P_A(index);
        copy.ZOrder(0);
        copy.Top = slot.Coordinate(1);
        copy.Left = slot.Coordinate(2);
        LoadPicture(copy, TrimView(slot.Immagine), program_.pictures);
        copy.Visible = true;
        // A flight has at least one step, even from a damaged options file.
        if (slot.Passi < 1) slot.Passi = 1;
        w.T_Anim(index).Interval = kFlightTickMilliseconds;
    }
    a.Animazioni_Concluse = 0;
    program_.master_events.start_flight_ticker(highest);

    program_.match.Indice_1 = 1;
    a.Animazioni_Finite = false;
    if (a.Animazioni_Concluse != a.Animazioni_Avviate) {
        a.Animazioni_Finite = true;
        program_.waits.wait_until("Avvia_Animazioni",
                                  [&a] { return a.Animazioni_Concluse == a.Animazioni_Avviate; });
    }
    if (a.Animazioni_Finite) Libera_Animazioni();
}

void Animation::pause_units(long long units, const char* what) {
    // A unit is 30 ms; the product is taken in full (no 16-bit overflow).
    program_.waits.pause(units * 30 * platform::kMillisecond, what);
}

void Animation::Attendi_Pausa_Movimento_5() {
    pause_units(program_.settings.Tempi_Animazione(5), "Attendi_Pausa_Movimento_5");
}

void Animation::Attendi_Pausa_Movimento_4() {
    pause_units(program_.settings.Tempi_Animazione(4), "Attendi_Pausa_Movimento_4");
}

}  // namespace tavolora::table

namespace tavolora::table {

const std::string& Animation::face_picture(int suit, int value) const {
    const std::string& folder = program_.settings.Percorso_Mazzo_Carte;
    const auto build = [&folder, suit, value] {
        return Trim(folder) + "\\" + std::to_string(suit) + "\\" + std::to_string(value) + ".bmp";
    };
    if (suit < 1 || suit > 4 || value < 1 || value > 10) return paths_.other = build();
    if (paths_.faces_folder != folder) {
        paths_.faces_folder = folder;
        for (std::string& face : paths_.faces) face.clear();
    }
    std::string& face = paths_.faces[static_cast<std::size_t>((suit - 1) * 10 + value - 1)];
    if (face.empty()) face = build();
    return face;
}

const std::string& Animation::back_picture(std::string_view name) const {
    const std::string& folder = program_.settings.Percorso_Mazzo_Dorso;
    const auto build = [&folder, name] {
        return Trim(folder) + "\\" + "1" + "\\" + std::string(name) + ".bmp";
    };
    std::string* cached = name == "0" ? &paths_.still_back : name == "00" ? &paths_.flying_back : nullptr;
    if (cached == nullptr) return paths_.other = build();
    if (paths_.backs_folder != folder) {
        paths_.backs_folder = folder;
        paths_.still_back.clear();
        paths_.flying_back.clear();
    }
    if (cached->empty()) *cached = build();
    return *cached;
}

}  // namespace tavolora::table
