#pragma once

// The main window's operations and event handlers: the menu handlers, the resize,
// the flight ticks and the landing step, and the menu bar's visibility.

#include <optional>

#include "core/games.h"
#include "platform/ports.h"
#include "table/animation_state.h"

namespace tavolora {
class Program;
}

namespace tavolora::table {

class MasterEvents {
public:
    explicit MasterEvents(Program& program);
    MasterEvents(const MasterEvents&) = delete;
    MasterEvents& operator=(const MasterEvents&) = delete;

    // The users folder: the program's folder & "\Users\".
    void Genera_Costanti();

    // Menu handlers, also called by the main menu's icons.
    void Q_C_Click();
    void Q_E_Click();
    void Q_G_Click();
    void Q_O_Click();
    void Q_U_Click();
    void Q_Gi_Click();

    // New-match handlers: the kind of match, and the set-up screen opened for it.
    void Q_N_Singola_Click();
    void Q_N_Punteggio_Click();
    void Q_N_Partite_Click();
    void Q_N_151_Click();
    // The new-match handler of a kind of match (nothing for None).
    void open_new_match(games::Kind kind);

    // The human's card pictures.
    void P_Click(int index);
    void P_MouseDown(int index, int button);
    void P_MouseUp(int index, int button);
    void P_MouseMove(int index);

    // The Tresette signal buttons: 0 "Busso!", 1 "Striscio!", 2 "Volo!". The word
    // shows on the table and the human's pending lead goes on.
    void CMD_Parola_Tiro_Click(int index);

    // The continue buttons.
    void CMD_M_Continua_Click();
    void CMD_Continua_Click();
    void CMD_PIC_Fine_Partita_Visualizza_Punteggi_Click();

    // The look-overs: the code in Codice_Visualizzazione started (0 the player's
    // continue request, 1 the throws, 2 the scores panel, 3 the captured-cards panel,
    // 4 the trump card), and a look at the throws or the trump card ended.
    void New_FormMouseDown();
    void New_FormMouseUp();
    // The strip's first button: by game, the table lined up again, the match left,
    // the declarations summary; its scores and captured-cards buttons.
    void CMD_M_Briscola_Click();
    void CMD_M_Punteggio_Click();
    void CMD_M_Carte_Click();

    // The captured-cards viewer: a seat's pile chosen, and its cards at the scroll
    // bar's place.
    void Visualizza_Prese_Click(int index);
    void HSR_Prese_Change();
    // A new match's viewer: no pile chosen yet and the scroll bar at its start, so
    // that its first opening shows the human's pile of this match.
    void start_viewer_afresh();

    // The strip closed to its reopen button (1), or opened from it (0); the end
    // panel's captured-cards button.
    void CMD_M_ApriChiudi_Click(int index);
    void ThemeButton2_Click();

    // "Esci dalla partita": the match is left at once, from wherever it stands.
    void CMD_M_Chiudi_Partita_Click();

    // The window system tells the new outer and client sizes, in twips; the table
    // surface keeps the client's width and the resize handler runs.
    void window_resized(float outer_width, float outer_height, float client_width, float client_height);
    void MDIForm_Resize();

    // One tick of flight `index`; the tick that ends it runs the landing step.
    void T_Anim_Timer(int index);
    // Places the card of a landed flight for the current flight phase.
    void Sususu();
    // Starts the 20 ms ticker that moves every flying card, if it is not running.
    // `highest_slot` is the highest flight slot the batch started: no slot above the
    // highest started since the ticker began can be flying.
    void start_flight_ticker(int highest_slot = kFlightSlots);
    void stop_flight_ticker();

    // Hides every title of the menu bar, so the bar disappears.
    void Nascondi_Menu();
    // Closes every screen but the main menu and hides the table and the menu bar.
    void Chiudi_Tutte_Le_Form();
    // Closes the screens that would stand over the table of a match about to start:
    // every screen the routine above closes but the set-up screen, which "Gioca!"
    // closes itself. The table stays and the user screen does not come back.
    void close_screens_for_match();

    // What the start-up does to the main window until the main menu and the user
    // screen come: the title, the menu bar hidden, the main menu's place.
    void start_up();

private:
    void flight_tick();
    // What leaving a match leaves behind, once its waits have unwound: no flight, no
    // request or lock, no overlay or panel; the table hidden, the menus enabled and
    // the main menu shown.
    void leave_match();
    // A look-over of the throws or the trump card still on the table is put back.
    void end_look_over();
    void register_input();
    void register_match_input();
    void register_look_overs();
    void register_floating_panels();
    // The throws: each table card shown where its seat's hand had it.
    void show_throws();
    // The trump card shown beside the deck.
    void show_trump();
    // The landing of a card taken to a pile: its picture on the pile's stack.
    void land_on_pile();
    // Camicia's starting piles: the card of the slot just landed, face down near its
    // place in its pile's stack.
    void scatter_on_pile();
    // Camicia: the human turns the top card of their pile, then the computer's turns
    // follow inside the same click.
    void camicia_play(int index);
    // The computer's Camicia turns, until the human is to turn or the match is decided.
    void camicia_computer_turns();
    // Two-player Tresette: the front seat's card just drawn shows its face, the
    // others of that hand their backs.
    void reveal_front_card();
    // Whether a click on P(index) may play: a card of the human's hand, input unlocked.
    bool playable(int index) const;
    // What Tresette adds to a click: the front seat's cards covered, the duty to
    // follow suit, the leader's signal. False when the click is refused.
    bool tresette_may_play(int index);
    // The four-player leader's word about the suit of the card at hand position
    // `index`: given at once, or chosen on the signal chooser before the card goes.
    void tresette_lead_signal(int index);
    // What the four new-match handlers share: the kind's frames shown on the set-up
    // screen, the targets cleared, the kind and the hand size recorded.
    struct NewMatch {
        bool free_flights = false;
        bool arrange_frames = false;
        bool points_frame = false;
        bool games_frame = false;
        int mode = 0;       // 0 leaves the kind as it was
        int hand_size = 0;  // 0 leaves it as it was
    };
    void open_set_up(const NewMatch& kind);

    Program& program_;
    std::optional<platform::TimerId> ticker_;
    // The highest flight slot started while the ticker runs: each tick looks no
    // further (a batch is most often two to six cards of the 40 slots).
    int flight_reach_ = 0;
};

// The main window's title.
inline constexpr const char* kProgramName = "Tavolora";
inline constexpr const char* kProgramVersion = "1.4";
inline constexpr const char* kProgramEdition = "Brevanto";

}  // namespace tavolora::table
