#pragma once

// Table layout and card animation: the flight driver, the timed pauses and the
// placement of the screens in the main window.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tavolora {
class Program;
}

namespace tavolora::table {

struct Control;

// A card leaving a hand or a Camicia pile for the table: where it is in the card
// table, the picture it leaves from and where it goes.
struct CardPlay {
    int from_list = 0;            // the seat's hand (9, 1 to 3) or a Camicia pile (2, 3)
    int position = 0;             // its position there, also the flight's Carta(1)
    Control* picture = nullptr;   // the picture it leaves from; none: no start, nothing hidden
    int to_list = 0;              // the table (20) or Camicia's central pile (4)
    int place = 0;                // its place there: the cards counted on it, plus one
    int player_row = 0;           // the row of Tabella_Giocatori that keeps a copy, 0 none
    // Scopa: the table picture of the place shows the face before the flight, and
    // Tabella_Giocatori(5, 1) keeps the place for the capture.
    bool scopa = false;
};

class Animation {
public:
    explicit Animation(Program& program) : program_(program) {}
    Animation(const Animation&) = delete;
    Animation& operator=(const Animation&) = delete;

    // Fills flight slot `index` by the step rule every filler follows: `steps` ticks
    // (at least one), each moving the copy by (target - start) / steps twips, to the
    // nearest whole twip with halves to even.
    void fill_flight_slot(int index, int picture, std::string_view image, std::int16_t start_top,
                          std::int16_t start_left, std::int16_t target_top, std::int16_t target_left,
                          int steps);

    // The one play of a card that every seat makes: the card moves in the card table
    // to its place, its picture hides and flight slot 1 is filled from it (the face,
    // the picture's position to the whole twip as the start, the position as Carta);
    // the target and the steps are the placement's, in Gioca_Carta.
    void play_card(const CardPlay& play);

    // Frees the 40 flight slots and hides their flying copies.
    void Libera_Animazioni();
    // Starts a flight for every filled slot and returns when all have landed.
    void Avvia_Animazioni();

    // Holds the full table for the display time, Tempi_Animazione(5) x 30 ms.
    void Attendi_Pausa_Movimento_5();
    // A computer seat's decision time, Tempi_Animazione(4) x 30 ms.
    void Attendi_Pausa_Movimento_4();

    // --- The card pictures of a game: the blocks of P the game needs.
    void Carica_Controlli_Carte();

    // --- The deal: in the card table, then its flights.
    void Assegna_Carte_Giocatori();
    void Togli_Carta_Tre_Giocatori();
    void Distribuisci_Carte();

    // --- Table layout.
    // Lays the table out for the window's size; nothing while a hand is prepared.
    void Disponi_Tavolo();
    // The face-up card under the deck (Briscola's trump card).
    void Posiziona_Carta_Mazzo();
    // The cards on the table in one row at its centre.
    void Allinea_Carte_Tavolo();
    // The table's height from the window's.
    void Adatta_Altezza_Tavolo();
    // How many stack steps (Passo_Top(1), Passo_Left(1)) from its point (top, left)
    // card `place` of a pile lies, its picture `width` x `height` twips: `place`,
    // unless the picture there would cross the table's edge; then the last place
    // whose picture lies inside, so that a long pile stops growing outward and its
    // further cards lie on its last card. A pile whose point is already past the
    // edge the steps lead to lies at that point.
    int stack_steps(double top, double left, int place, double width, double height) const;
    // The back a seat's pile shows, "0" or "00": the front seat's and the human's
    // piles lie across the table like the deck, the side seats' piles stand upright.
    static const char* pile_back(int seat);

    // --- The background and the overlays.
    void Disegna_Sfondo_Tavolo();
    void Mostra_Fine_Partita();
    void Mostra_Parola_Tiro();

    // --- The draw from the deck after a trick (Scopa: the new hands).
    void Pesca_Carte_Mazzo();

    // --- The hands on screen.
    void Mostra_Carte_Mano();
    void Aggiorna_Carte_Mano();
    void Copri_Carte_Avversario();

    // --- The taken cards flown to the taker's pile.
    void Raccogli_Presa();

    // --- Input locking and the on-table button strip.
    void Disabilita_Menu();
    void Abilita_Menu();
    void Blocca_Comandi();
    void Sblocca_Comandi();
    void Imposta_Menu_Gioco();
    void Nascondi_Menu_Gioco();

    // --- The card laid on the table: its place and its flight.
    void Trova_Posto_Sul_Tavolo();

    // --- The screens' places in the main window.
    // Gives the main menu its size and centres it vertically at the window's left.
    void Centra_Menu();
    // The match set-up screen, centred to the right of the main menu.
    void Centra_Partita();
    // The set-up screen's four option frames, hidden at their places.
    void Disponi_Opzioni_Partita();

    // --- Picture files. The text returned stays as it is until the folder changes,
    // except for a card outside the deck or a back other than "0" and "00", whose
    // path lasts only until the next such call.
    // A card's face: the deck folder, trimmed, & "\" & suit & "\" & value & ".bmp".
    const std::string& face_picture(int suit, int value) const;
    // A card's back: the back folder, trimmed, & "\1\" & name & ".bmp"; "0" for a
    // card lying still, "00" for a flying card, the deck and the side hands.
    const std::string& back_picture(std::string_view name) const;

    // A position read back from a picture, to the nearest whole twip (halves to
    // even) and kept within 16 bits: the targets and starts of the flights.
    static std::int16_t whole_twips(double twips);
    // The block of P that holds a seat's hand and, from 300 on, its pile: 0 for the
    // human, the seat code for the computer seats 1 to 3, -1 for any other code.
    static int picture_block(int seat);

private:
    void pause_units(long long units, const char* what);
    // The trick games' deal flights: one face-down card from the deck to every hand
    // picture, the turn order read backwards.
    void fill_deal_flights();
    // Camicia's deal flights: 40 backs from the deck, 20 to each player's pile.
    void fill_camicia_deal_flights();
    // The trick games' draw: one card a seat, the last trick's winner first.
    void draw_one_card_each();
    // Scopa's redeal: a new hand for every seat from the cards left in the deck.
    void deal_new_hands();
    // The deck's top card into a seat's hand position; its deck picture is hidden.
    void take_top_card(int seat, int position);
    // The trick goes to the winner's pile.
    void take_trick();
    // Scopa's capture (list 38) goes to the capturer's pile; a sweep is recorded.
    void take_capture();
    // The card laid in a trick game: near the centre, leaning towards its seat.
    void lay_near_centre();
    // The card laid in Scopa: at the table place the player chose, in the widest free
    // gap between the cards lying there (one card's right edge to the next one's
    // left edge) and the free area's limits; where no gap holds a card, at the place
    // that hides least of any card lying there.
    void lay_in_widest_gap();
    // The card turned in Camicia: somewhere on the central pile.
    void lay_on_centre_pile();

    // The picture paths of the deck and the back in use, built once per folder: every
    // flight batch and every hand shown asks for them card by card. An empty entry is
    // not built yet; a change of folder starts the cache anew.
    struct PicturePaths {
        std::string faces_folder;
        std::array<std::string, 40> faces;  // suit 1..4, value 1..10
        std::string backs_folder;
        std::string still_back;   // "0"
        std::string flying_back;  // "00"
        std::string other;        // the last path outside the ones above
    };

    // The texts Scopa's placement writes into its work lists, by the number's bits:
    // every card laid writes the edges of all the cards lying there again, and the
    // shortest form of a fractional number is dear to find. Bounded by starting
    // again when full.
    class NumberTexts {
    public:
        const std::string& of(double value);

    private:
        std::unordered_map<std::uint64_t, std::string> known_;
    };

    // The work vectors of Scopa's placement, kept from one card laid to the next so
    // that laying a card allocates nothing once a few have been laid.
    struct PlacementWork {
        std::vector<const Control*> lying;
        std::vector<double> values;
        std::vector<double> sorted_values;
        std::vector<double> starts;
        std::vector<double> gap_values;
        std::vector<double> per_twip;
        std::vector<double> places;
    };

    Program& program_;
    mutable PicturePaths paths_;
    NumberTexts number_texts_;
    PlacementWork placement_;
};

}  // namespace tavolora::table
