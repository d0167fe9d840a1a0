// "Gioca!": the start of a match from the set-up screen's controls.

#include <string>
#include <utility>

#include "core/numbers.h"
#include "program/program.h"
#include "setup/game_setup.h"
#include "setup/match_settings_routines.h"
#include "storage/basic_text.h"
#include "storage/code_page.h"

namespace tavolora::setup {

namespace {
// A name in its slot of 20 characters: cut, or padded with blanks.
std::string fixed20(std::string_view name) {
    return storage::FixedText<20>(name).text();
}
}  // namespace

void GameSetup::CMD_Gioca_Click(const SetupControls& screen) {
    engine::MatchState& m = program_.match;
    table::MasterWindow& w = program_.master;
    engine::Engine& engine = program_.engine;

    engine.Inizializza_Tavolo();
    w.PIC_Fine_Partita.Visible = false;
    w.PIC_Parola_Tiro.Visible = false;
    w.PIC_Riepilogo_Accusi.Visible = false;
    // The panels of the last match go with it; they open again where they were.
    w.PIC_51_Monitor.Visible = false;
    w.PIC_52_Monitor.Visible = false;
    program_.master_events.start_viewer_afresh();
    w.Lista_Evento_Speciale.Clear();
    m.Numero_Mano = 0;
    program_.anim.Continua = true;
    program_.animation.Disabilita_Menu();
    w.screens(table::Screen::F_040_Partita).Visible = false;
    w.screens(table::Screen::F_011_Menu).Visible = false;
    // Nothing of the screens stands over the new match's table.
    program_.master_events.close_screens_for_match();
    engine.Pausa(10);
    m.Partita_Finita = false;
    m.Partita_Terminata = false;
    for (int p = engine::list::kFirstPile; p <= engine::list::kLastPile; ++p) {
        for (int a = 1; a <= 3; ++a) m.Tabella_Carte(p, engine::list::kScoreCell, a) = 0;
    }
    program_.storage.Imposta_Percorso_Opzioni();
    program_.storage.Carica_Opzioni_Utente();
    program_.storage.Carica_Regole_Partita();

    const games::Game* game = games::find(m.Codice_Gioco);
    if (game == nullptr) return;
    if (game->start.hand_starter) {
        start_trick_game(screen, *game);
    } else {
        start_camicia(screen);
    }
}

bool GameSetup::deck_usable() {
    table::Animation& animation = program_.animation;
    const storage::Tipo_Opzioni& o = program_.settings.Opzioni;
    const auto loads = [this](const std::string& path) { return program_.pictures.twips(path).has_value(); };
    std::string missing;
    // The deck's names come from the options file, which may be damaged: the message
    // shows them only as far as they can be read.
    if (!loads(animation.back_picture("0")) || !loads(animation.back_picture("00"))) {
        missing = "manca il dorso \"" + storage::printable(o.Mazzo_Dorso.trimmed()) + "\"";
    }
    static constexpr const char* kSuits[] = {"Bastoni", "Coppe", "Denari", "Spade"};
    for (int suit = 1; suit <= 4 && missing.empty(); ++suit) {
        for (int value = 1; value <= 10 && missing.empty(); ++value) {
            if (!loads(animation.face_picture(suit, value))) {
                missing = "nel mazzo \"" + storage::printable(o.Mazzo_Carte.trimmed()) + "\" manca il " +
                          std::to_string(value) + " di " + kSuits[suit - 1];
            }
        }
    }
    if (missing.empty()) return true;

    // Back to the main menu, with the menus working; the settings are saved.
    table::MasterWindow& w = program_.master;
    program_.animation.Abilita_Menu();
    w.PIC_Tavolo.Visible = false;
    program_.setup.match_setup.unload();
    table::ChildScreen& menu = w.screens(table::Screen::F_011_Menu);
    menu.loaded = true;
    menu.Visible = true;
    program_.show_message("Attenzione!", "La partita non può cominciare: " + missing +
                                             ".\nScegli un altro mazzo nelle opzioni.");
    return false;
}

void GameSetup::read_players(const SetupControls& screen) {
    engine::MatchState& m = program_.match;
    const storage::MatchSettingsScreen& c = screen.settings;
    if (c.OPT_Numero_Giocatori && *c.OPT_Numero_Giocatori >= 2 && *c.OPT_Numero_Giocatori <= 4) {
        m.Numero_Giocatori = *c.OPT_Numero_Giocatori;
    }
}

void GameSetup::read_first_player(const SetupControls& screen) {
    engine::MatchState& m = program_.match;
    const storage::MatchSettingsScreen& c = screen.settings;
    m.Contatori(6) = 1;
    if (c.OPT_Gioca_Per_Primo && *c.OPT_Gioca_Per_Primo >= 0 && *c.OPT_Gioca_Per_Primo <= 3) {
        m.Primo_Giocatore = *c.OPT_Gioca_Per_Primo;
    }
    if (c.OPT_Verso_Delle_Carte_0) m.Contatori(6) = 0;
}

void GameSetup::read_seats(const SetupControls& screen) {
    engine::MatchState& m = program_.match;
    table::MasterWindow& w = program_.master;
    const storage::MatchSettingsScreen& c = screen.settings;

    // The seats in play get their names, the others "-". The score panel and the
    // captured-cards viewer follow in every game: their seats are greyed or made live
    // for this match, whatever match of whatever game the run played before.
    const std::string none = fixed20("-");
    m.Nomi_Giocatori(1) = none;
    m.Nomi_Giocatori(2) = fixed20(c.TXT_Nome_Giocatore(2));
    m.Nomi_Giocatori(3) = none;
    w.LBL_Parziale_Nome(9).Caption = program_.settings.player_name().text();
    w.LBL_Parziale_Nome(2).Caption = c.TXT_Nome_Giocatore(2);
    w.Visualizza_Prese(9).Caption = program_.settings.player_name().trimmed_right();
    w.Visualizza_Prese(2).Caption = c.TXT_Nome_Giocatore(2);
    for (int k : {1, 3}) {
        w.LBL_Parziale_Nome(k).Caption = "-";
        w.Visualizza_Prese(k).Enabled = false;
        w.LBL_Parziale_Punti(k).Caption = "-";
        w.LBL_Parziale_Punti(k).Enabled = false;
        w.LBL_Totale_Punti(k).Caption = "-";
        w.LBL_Totale_Punti(k).Enabled = false;
    }
    m.Fattore_Forza = 1;
    m.Incremento_Forza = 3;
    const auto seat_in_play = [&](int k) {
        w.LBL_Parziale_Nome(k).Caption = c.TXT_Nome_Giocatore(k);
        w.Visualizza_Prese(k).Caption = c.TXT_Nome_Giocatore(k);
        w.Visualizza_Prese(k).Enabled = true;
        w.LBL_Parziale_Punti(k).Enabled = true;
        w.LBL_Totale_Punti(k).Enabled = true;
        m.Nomi_Giocatori(k) = fixed20(c.TXT_Nome_Giocatore(k));
    };
    if (m.Numero_Giocatori >= 3) seat_in_play(1);
    if (m.Numero_Giocatori == 4) seat_in_play(3);
}

void GameSetup::read_targets(const SetupControls& screen) {
    engine::MatchState& m = program_.match;
    program_.engine.Aggiorna_Punteggi();
    m.Partite_Da_Vincere = storage::basic_val_number(screen.TXT_Numero_Partite);
    m.Punti_Da_Raggiungere = storage::basic_val_number(screen.TXT_Numero_Punteggio);
    m.Ferma_Punteggio = screen.settings.CHK_Ferma_Punteggio;
}

void GameSetup::start_trick_game(const SetupControls& screen, const games::Game& game) {
    engine::MatchState& m = program_.match;
    table::MasterWindow& w = program_.master;
    const games::MatchStart& start = game.start;

    if (start.lock_trick_buttons) {
        w.CMD_M_Tiri.Enabled = false;
        w.CMD_M_Continua.Enabled = false;
    }
    program_.animation.Imposta_Menu_Gioco();
    if (!start.summary_caption.empty()) w.PIC_Riepilogo_Accusi.Caption = std::string(start.summary_caption);
    if (const MatchSettingsRoutines* routines = match_settings_routines(game.code)) {
        (program_.storage.*routines->save)(screen.settings);
    }
    m.Punti_Da_Raggiungere = 30000;
    m.Partite_Da_Vincere = 300;
    read_players(screen);
    // The hand by the number of players, as soon as it is known: nothing up to the
    // hand starter reads the hand or the table's first cards.
    if (m.Numero_Giocatori >= 2 && m.Numero_Giocatori <= 4) {
        const auto players = static_cast<std::size_t>(m.Numero_Giocatori - 2);
        if (start.hand[players] >= 0) m.Carte_In_Mano = start.hand[players];
        if (start.table_cards[players] >= 0) {
            m.Carte_Tavola_Iniziali = static_cast<std::int16_t>(start.table_cards[players]);
        }
    }
    read_first_player(screen);
    read_seats(screen);
    m.Punti_Da_Raggiungere = 30000;
    if (start.clear_scores_again) {
        for (int p = engine::list::kFirstPile; p <= engine::list::kLastPile; ++p) {
            for (int a = 1; a <= 3; ++a) m.Tabella_Carte(p, engine::list::kScoreCell, a) = 0;
        }
    }
    read_targets(screen);
    // The settings keep the points as chosen; the target is in the scores' unit.
    m.Punti_Da_Raggiungere *= start.target_factor;

    if (!deck_usable()) return;
    first_hand();
}

void GameSetup::first_hand() {
    engine::MatchState& m = program_.match;
    table::MasterWindow& w = program_.master;
    switch (m.Codice_Gioco) {
        case engine::game::kBriscola:
            program_.engine.Inizia_Mano_Briscola();
            w.screens.Unload(table::Screen::F_040_Partita);
            break;
        case engine::game::kScopa:
            program_.engine.Inizia_Mano_Scopa();
            w.Visualizza_Prese(9).Caption = program_.settings.player_name().trimmed();
            for (int s = 1; s <= 3; ++s) w.Visualizza_Prese(s).Caption = table::Trim(m.Nomi_Giocatori(s));
            w.screens.Unload(table::Screen::F_040_Partita);
            break;
        case engine::game::kTresette:
            program_.engine.Inizia_Mano_Tresette();
            w.screens.Unload(table::Screen::F_040_Partita);
            program_.engine.Aggiorna_Punteggi();
            break;
        default:
            break;
    }
}

void GameSetup::start_camicia(const SetupControls& screen) {
    engine::MatchState& m = program_.match;
    table::MasterWindow& w = program_.master;
    table::AnimationState& a = program_.anim;
    table::Animation& animation = program_.animation;
    engine::Engine& engine = program_.engine;

    animation.Imposta_Menu_Gioco();
    if (screen.OPT_Camicia && *screen.OPT_Camicia >= 0 && *screen.OPT_Camicia <= 3) {
        m.Modalita_Partita = *screen.OPT_Camicia;
    }
    // A count that does not fit leaves the previous one.
    store16(m.Numero_Carte_Camicia,
            static_cast<long long>(round_half_even(storage::basic_val_number(screen.TXT_Camicia_Numero))));
    program_.storage.Salva_Impostazioni_Camicia();
    if (!deck_usable()) return;

    w.PIC_Tavolo.Visible = false;
    a.Preparazione_In_Corso = true;
    engine.Inizializza_Tavolo();
    animation.Carica_Controlli_Carte();
    engine.Mescola_Mazzo();
    engine.Assegna_Valori_Carte();
    a.Fase_Animazione = table::phase::kCamiciaDeal;
    animation.Assegna_Carte_Giocatori();
    a.Preparazione_In_Corso = false;
    animation.Disponi_Tavolo();
    w.PIC_Tavolo.Visible = true;
    animation.Distribuisci_Carte();
    a.Fase_Animazione = table::phase::kNone;

    // The two piles face down, each card a step further along and above the last.
    const std::string back = animation.back_picture("0");
    for (int i = 1; i <= 20; ++i) {
        for (const auto& [index, anchor] : {std::pair{i, 3}, std::pair{40 + i, 5}}) {
            table::Control* card = w.P.find(index);
            if (card == nullptr) continue;
            table::LoadPicture(*card, back, program_.pictures);
            const int steps = animation.stack_steps(a.Coordinate_Tavolo(anchor), a.Coordinate_Tavolo(anchor + 1), i,
                                                    card->Width, card->Height);
            card->Top = a.Coordinate_Tavolo(anchor) + static_cast<float>(steps) * a.Passo_Top(1);
            card->Left = a.Coordinate_Tavolo(anchor + 1) + static_cast<float>(steps) * a.Passo_Left(1);
            card->ZOrder(0);
            card->Visible = true;
        }
    }
    // The human turns first.
    m.Tabella_Carte(engine::list::kTurnCells, 1, 1) = 2;
    m.Tabella_Carte(engine::list::kTurnCells, 3, 1) = 1;
    animation.Abilita_Menu();
    engine.Disegna_Carta();
}

}  // namespace tavolora::setup
