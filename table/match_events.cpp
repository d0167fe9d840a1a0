// The main window's handlers of a match: the new-match handlers, the landing of a
// card, the human's card pictures, the Tresette signal buttons and the continue buttons.

#include <algorithm>
#include <string>

#include "core/numbers.h"
#include "program/program.h"
#include "storage/basic_text.h"
#include "table/master_events.h"

namespace tavolora::table {

namespace {
using engine::game::kBriscola;
using engine::game::kBriscolaVariant;
using engine::game::kCamicia;
using engine::game::kDeckOnly;
using engine::game::kScopa;
using engine::game::kTresette;

// Camicia's piles, also the values of its turn cell: the human's, the computer's.
constexpr int kCamiciaHuman = 2;
constexpr int kCamiciaComputer = 3;

// The signal buttons, by member: the word each gives.
constexpr int kBusso = 0;     // "Busso!": a Three or a Two of the suit is held
constexpr int kStriscio = 1;  // "Striscio!": more cards of the suit are held
constexpr int kVolo = 2;      // "Volo!": the last card of the suit

// The 151 kind deals five cards whatever the game's own hand.
constexpr int k151Hand = 5;
}  // namespace

void MasterEvents::register_match_input() {
    InputDispatcher& input = program_.input;
    const auto on = [&input](ControlId id, InputEvent event, HandlerKind kind, auto handler) {
        input.on(id, event, handler, kind);
    };
    on(ControlId::P, InputEvent::Click, HandlerKind::Play,
       [this](ControlKey key, const MouseArgs&) { P_Click(key.index); });
    on(ControlId::P, InputEvent::MouseDown, HandlerKind::Reentrant,
       [this](ControlKey key, const MouseArgs& args) { P_MouseDown(key.index, args.Button); });
    on(ControlId::P, InputEvent::MouseUp, HandlerKind::Reentrant,
       [this](ControlKey key, const MouseArgs& args) { P_MouseUp(key.index, args.Button); });
    on(ControlId::P, InputEvent::MouseMove, HandlerKind::Reentrant,
       [this](ControlKey key, const MouseArgs&) { P_MouseMove(key.index); });
    // The signal buttons answer the human's own lead, inside its click.
    on(ControlId::CMD_Parola_Tiro, InputEvent::Click, HandlerKind::Reentrant,
       [this](ControlKey key, const MouseArgs&) { CMD_Parola_Tiro_Click(key.index); });
    on(ControlId::CMD_M_Continua, InputEvent::Click, HandlerKind::Reentrant,
       [this](ControlKey, const MouseArgs&) { CMD_M_Continua_Click(); });
    on(ControlId::CMD_Continua, InputEvent::Click, HandlerKind::Play,
       [this](ControlKey, const MouseArgs&) { CMD_Continua_Click(); });
    // Leaving the match answers also inside the match's waits, which it unwinds.
    on(ControlId::CMD_M_Chiudi_Partita, InputEvent::Click, HandlerKind::Reentrant,
       [this](ControlKey, const MouseArgs&) { CMD_M_Chiudi_Partita_Click(); });
    using Handler = void (MasterEvents::*)();
    const std::pair<ControlId, Handler> new_match[] = {
        {ControlId::Q_N_Singola, &MasterEvents::Q_N_Singola_Click},
        {ControlId::Q_N_Punteggio, &MasterEvents::Q_N_Punteggio_Click},
        {ControlId::Q_N_Partite, &MasterEvents::Q_N_Partite_Click},
        {ControlId::Q_N_151, &MasterEvents::Q_N_151_Click},
    };
    for (const auto& [id, handler] : new_match) {
        on(id, InputEvent::Click, HandlerKind::Play,
           [this, handler = handler](ControlKey, const MouseArgs&) { (this->*handler)(); });
    }
}

// --- New-match handlers -----------------------------------------------------------

void MasterEvents::open_set_up(const NewMatch& kind) {
    engine::MatchState& m = program_.match;
    setup::SetupScreenState& screen = program_.setup.setup_screen;
    if (kind.free_flights) program_.animation.Libera_Animazioni();
    program_.master.PIC_Tavolo.Visible = false;
    m.Partite_Da_Vincere = 0;
    m.Punti_Da_Raggiungere = 0;
    // Reaching the set-up screen loads it when it is not loaded.
    program_.setup.match_setup.load();
    ChildScreen& set_up = program_.master.screens(Screen::F_040_Partita);
    program_.animation.Centra_Partita();
    if (kind.arrange_frames) program_.animation.Disponi_Opzioni_Partita();
    if (m.Codice_Gioco == kCamicia) {
        screen.FRM_Generali_Camicia.Visible = true;
    } else {
        screen.FRM_Generali_Briscola.Visible = true;
        screen.FRM_Numero_Punteggio.Visible = kind.points_frame;
        screen.FRM_Numero_Partite.Visible = kind.games_frame;
    }
    // Until the set-up screen comes, its being shown is this mark.
    set_up.Visible = true;
    if (kind.mode != 0) m.Modalita_Partita = kind.mode;
    if (kind.hand_size != 0) m.Carte_In_Mano = kind.hand_size;
}

void MasterEvents::Q_N_Singola_Click() {
    NewMatch kind{.free_flights = true, .mode = 1};
    const int game = program_.match.Codice_Gioco;
    switch (game) {
        case kBriscola:
        case kScopa:
        case kTresette:
        case kDeckOnly:
        case kBriscolaVariant:
            break;
        case kCamicia:
            kind.mode = 0;
            break;
        default:
            return;
    }
    kind.hand_size = games::new_match_hand(game);
    open_set_up(kind);
}

void MasterEvents::Q_N_Punteggio_Click() {
    engine::MatchState& m = program_.match;
    const int game = m.Codice_Gioco;
    if (game != kBriscola && game != kBriscolaVariant && game != kTresette && game != kScopa) return;
    open_set_up({.points_frame = true, .mode = 2, .hand_size = games::new_match_hand(game)});
    if (m.Codice_Gioco == kScopa) {
        for (int s = 1; s <= 9; ++s) {
            m.Tabella_Carte(engine::list::kMatch, s, 1) = 0;
            m.Tabella_Carte(engine::list::kMatch, s + 10, 1) = 0;
            m.Tabella_Carte(s + 10, engine::list::kScoreCell, 1) = 0;
            program_.engine.Svuota_Lista(s + 10);
        }
        m.Vincitore_Partita = 0;
    } else {
        for (int k = 1; k <= 9; ++k) m.Tabella_Carte(engine::list::kMatch, k, 1) = 0;
    }
}

void MasterEvents::Q_N_Partite_Click() {
    engine::MatchState& m = program_.match;
    const int game = m.Codice_Gioco;
    if (game != kBriscola && game != kBriscolaVariant) return;
    open_set_up({.games_frame = true, .mode = 3, .hand_size = games::new_match_hand(game)});
    m.Partite_Da_Vincere = storage::basic_val_number(program_.setup.setup_screen.TXT_Numero_Partite.Text);
}

void MasterEvents::open_new_match(games::Kind kind) {
    switch (kind) {
        case games::Kind::Singola:
            Q_N_Singola_Click();
            break;
        case games::Kind::Partite:
            Q_N_Partite_Click();
            break;
        case games::Kind::Punteggio:
            Q_N_Punteggio_Click();
            break;
        case games::Kind::Centocinquantuno:
            Q_N_151_Click();
            break;
        case games::Kind::None:
            break;
    }
}

void MasterEvents::Q_N_151_Click() {
    engine::MatchState& m = program_.match;
    if (m.Codice_Gioco != kBriscola) return;
    open_set_up({.arrange_frames = true, .points_frame = true, .mode = 4, .hand_size = k151Hand});
    for (int k = 1; k <= 20; ++k) m.Tabella_Carte(engine::list::kMatch, k, 1) = 0;
}

// --- The landing of a card ----------------------------------------------------------

void MasterEvents::Sususu() {
    AnimationState& a = program_.anim;
    const int game = program_.match.Codice_Gioco;
    const bool trick_or_capture =
        game == kBriscola || game == kScopa || game == kTresette || game == kBriscolaVariant;
    switch (a.Fase_Animazione) {
        case phase::kDeal:
            if (trick_or_capture) {
                if (Control* card = program_.master.P.find(a.Carta_Animata)) card->Visible = true;
            }
            break;
        case phase::kTaken:
            if (trick_or_capture) land_on_pile();
            break;
        case phase::kDrawn:
            if (!trick_or_capture) break;
            if (Control* card = program_.master.P.find(a.Carta_Animata)) card->Visible = true;
            if (game != kScopa && a.Carta_Animata < 41) program_.animation.Aggiorna_Carte_Mano();
            if (game == kTresette) reveal_front_card();
            break;
        case phase::kCamiciaDeal:
            if (game == kCamicia) scatter_on_pile();
            break;
        default:
            break;  // a card laid on the table: its picture is the engine's
    }
}

void MasterEvents::land_on_pile() {
    engine::MatchState& m = program_.match;
    AnimationState& a = program_.anim;
    MasterWindow& w = program_.master;
    // The pile this batch set out for: a layout inside the flights' wait (a resize)
    // has counted the other piles in Lista_Scelta since.
    program_.engine.Conta_Carte_Lista(a.landing_pile);
    const int seat = m.Lista_Scelta - 10;
    int block = 0;
    int anchor = 0;
    switch (seat) {
        case 9:
            block = 0, anchor = 13;
            break;
        case 1:
            block = 1, anchor = 15;
            break;
        case 2:
            block = 2, anchor = 17;
            break;
        case 3:
            block = 3, anchor = 19;
            break;
        default:
            return;
    }
    ++m.Contatori(1);
    m.Indice_2 = block;
    const int place = m.Numero_Carte_Lista + m.Contatori(1) - a.Carte_Tavola_Dopo_Presa;
    const int index = 300 + 40 * block + place;
    // A place outside the seat's block of pile pictures shows nothing: the play goes on.
    store16(m.Contatori(2), index);
    store16(m.Contatori(3), place);
    if (place < 1 || place > 40) return;
    w.P.Load(index);  // a picture left from an earlier hand is reused
    Control& card = w.P(index);
    LoadPicture(card, program_.animation.back_picture(Animation::pile_back(seat)), program_.pictures);
    // A pile that has reached the table's edge grows no further: the card lies on the
    // last one inside.
    const int steps = program_.animation.stack_steps(a.Coordinate_Tavolo(anchor), a.Coordinate_Tavolo(anchor + 1),
                                                     place, card.Width, card.Height);
    std::int16_t top = 0;
    std::int16_t left = 0;
    if (store16(top, a.Coordinate_Tavolo(anchor) + steps * a.Passo_Top(1))) card.Top = top;
    if (store16(left, a.Coordinate_Tavolo(anchor + 1) + steps * a.Passo_Left(1))) card.Left = left;
    card.ZOrder(0);
    card.Visible = true;
}

void MasterEvents::scatter_on_pile() {
    AnimationState& a = program_.anim;
    const auto& C = a.Coordinate_Tavolo;
    // Thrown together: each card up to 150 twips lower and 250 further right than its
    // place in a tidy stack.
    const double down = 150 * program_.cosmetic.next_unit() + 1;
    const double right = 250 * program_.cosmetic.next_unit() + 1;
    // Slots 1..20 carry the human's pile, 21..40 the computer's; the slot number, not
    // the flight's picture, says which card of which pile has landed.
    const int slot = a.Indice_Animazione;
    const bool human = slot < 21;
    const int n = human ? slot : slot - 20;
    Control* card = program_.master.P.find(human ? n : 40 + n);
    if (card == nullptr || n < 1 || n > 20) return;
    LoadPicture(*card, program_.animation.back_picture("0"), program_.pictures);
    const int top = human ? C(3) : C(5);
    const int left = human ? C(4) : C(6);
    const int steps = program_.animation.stack_steps(top, left, n, card->Width, card->Height);
    card->Top = static_cast<float>(top + steps * a.Passo_Top(1) + down);
    card->Left = static_cast<float>(left + steps * a.Passo_Left(1) + right);
    card->ZOrder(0);
    card->Visible = true;
}

void MasterEvents::reveal_front_card() {
    engine::MatchState& m = program_.match;
    const int landed = program_.anim.Carta_Animata;
    // Only the front seat's hand (81..120) of a two-player game.
    if (landed <= 80 || landed > 120 || m.Numero_Giocatori != 2) return;
    ControlArray& P = program_.master.P;
    const std::string back = program_.animation.back_picture("0");
    const int cards = std::clamp(m.Carte_In_Mano, 0, 40);
    for (int j = 1; j <= cards; ++j) {
        if (Control* picture = P.find(80 + j); picture != nullptr && picture->Visible) {
            LoadPicture(*picture, back, program_.pictures);
        }
    }
    // The card just drawn shows its face, the rest of the hand its back.
    if (Control* drawn = P.find(landed)) {
        drawn->Visible = true;
        const int position = landed - 80;
        LoadPicture(*drawn,
                    program_.animation.face_picture(m.Tabella_Carte(2, position, engine::attr::kSuit),
                                                    m.Tabella_Carte(2, position, engine::attr::kValue)),
                    program_.pictures);
    }
}

// --- The human's card pictures -------------------------------------------------------

void MasterEvents::P_Click(int index) {
    engine::MatchState& m = program_.match;
    AnimationState& a = program_.anim;
    MasterWindow& w = program_.master;
    if (a.Pulsante_Mouse == 2) return;
    if (w.PIC_Parola_Tiro.Visible) return;
    const int game = m.Codice_Gioco;
    switch (game) {
        case kBriscola:
        case kBriscolaVariant:
        case kScopa:
            break;
        case kCamicia:
            camicia_play(index);
            return;
        case kTresette:
            if (!tresette_may_play(index)) return;
            break;
        default:
            return;
    }
    if (!playable(index)) return;

    program_.animation.Blocca_Comandi();
    program_.animation.Libera_Animazioni();
    program_.engine.Conta_Carte_Tavolo();
    m.Tabella_Giocatori(9, 4) = static_cast<std::int16_t>(index);
    // The card goes to the first free table place: the end of the table, or in Scopa
    // the first hole a capture left.
    program_.animation.play_card({.from_list = engine::seat::kHuman,
                                  .position = index,
                                  .picture = &w.P(index),
                                  .to_list = engine::list::kTable,
                                  .place = m.Carte_In_Tavola + 1,
                                  .player_row = engine::seat::kHuman,
                                  .scopa = game == kScopa});

    program_.engine.Gioca_Carta();
    // The card's own flight has landed once the flights started are all down.
    program_.waits.wait_until("P_Click", [&a] { return a.Animazioni_Concluse == a.Animazioni_Avviate; });
    if (game == kScopa) program_.engine.Esegui_Presa_Scopa();
    program_.engine.Passa_Turno();
}

void MasterEvents::camicia_play(int index) {
    engine::MatchState& m = program_.match;
    AnimationState& a = program_.anim;
    MasterWindow& w = program_.master;
    engine::Engine& engine = program_.engine;
    auto& cards = m.Tabella_Carte;

    program_.animation.Libera_Animazioni();
    if (cards(engine::list::kTurnCells, 1, 1) != kCamiciaHuman) return;
    engine.Conta_Carte_Lista_2();
    const int t = m.Carte_Mazzo_2;
    // Only the top card of the human's pile turns. The click is tested before the
    // pile and the menus are locked: a refused click leaves them as they were, since
    // nothing after it would unlock them.
    if (t < 1 || t > 40 || index != t) return;
    engine.Conta_Carte_Tavolo();
    const int place = m.Carte_In_Tavola + 1;
    // The central pile holds at most the 39 cards that are not the human's top card.
    if (place < 1 || place > 40) return;

    program_.animation.Disabilita_Menu();
    for (int k = t; k >= 1; --k) {
        if (Control* card = w.P.find(k)) card->Enabled = false;
    }
    // The top card becomes the central pile's top card.
    program_.animation.play_card({.from_list = kCamiciaHuman,
                                  .position = t,
                                  .picture = w.P.find(t),
                                  .to_list = engine::list::kCamiciaTable,
                                  .place = place});

    engine.Gioca_Carta();
    program_.waits.wait_until("P_Click", [&a] { return a.Animazioni_Concluse == a.Animazioni_Avviate; });
    engine.Disegna_Carta();
    engine.Dopo_Giocata_Camicia();
    if (!m.Partita_Finita) engine.Verifica_Fine_Partita();

    camicia_computer_turns();
    // A decided match leaves the unlocking to the end of the match.
    if (m.Partita_Finita) return;
    program_.animation.Abilita_Menu();
    if (Control* top = w.P.find(m.Carte_Mazzo_2); top != nullptr && m.Carte_Mazzo_2 >= 1) top->Enabled = true;
}

void MasterEvents::camicia_computer_turns() {
    const engine::MatchState& m = program_.match;
    // Camicia's table as far as a turn can change it: whose turn, the three piles'
    // sizes, whether the match is decided.
    struct Piles {
        int turn = 0;
        int human = 0;
        int computer = 0;
        int centre = 0;
        bool decided = false;
        bool operator==(const Piles&) const = default;
    };
    const auto piles = [&m] {
        const auto count = [&m](int lista) {
            int n = 0;
            while (n < 40 && m.Tabella_Carte(lista, n + 1, engine::attr::kSuit) != 0) ++n;
            return n;
        };
        return Piles{m.Tabella_Carte(engine::list::kTurnCells, 1, 1), count(kCamiciaHuman),
                     count(kCamiciaComputer), count(engine::list::kCamiciaTable), m.Partita_Finita};
    };

    // The computer turns card after card until the human is to turn again. A computer
    // turn that changes nothing (no card turned, the turn still the computer's, the
    // match not decided) would change nothing the next time either: the loop ends
    // there rather than spin. The computer never turns more cards in a row than the
    // 40 there are, so the count bounds the loop whatever a turn does.
    for (int turns = 1; turns <= 40; ++turns) {
        if (m.Partita_Finita) return;
        const Piles before = piles();
        program_.players.Gioca_Turno_Computer();
        if (m.Tabella_Carte(engine::list::kTurnCells, 1, 1) == kCamiciaHuman || piles() == before) return;
    }
}

bool MasterEvents::playable(int index) const {
    if (index >= 41 || index < 1 || program_.anim.Comandi_Bloccati) return false;
    // Only a card in the hand can be played.
    return program_.match.Tabella_Carte(engine::seat::kHuman, index, engine::attr::kSuit) != 0;
}

bool MasterEvents::tresette_may_play(int index) {
    engine::MatchState& m = program_.match;
    program_.animation.Copri_Carte_Avversario();
    program_.engine.Conta_Carte_Tavolo();
    if (m.Carte_In_Tavola > 0) {
        // Not a hand card: the play refuses it.
        if (index < 1 || index >= 41) return true;
        return engine::may_play_tresette(m, engine::seat::kHuman, index);
    }
    // The leader of a four-player game tells the partner about the suit led, before
    // the card goes: only for a card that will be played.
    if (m.Numero_Giocatori == 4 && playable(index)) tresette_lead_signal(index);
    return true;
}

void MasterEvents::tresette_lead_signal(int index) {
    engine::MatchState& m = program_.match;
    AnimationState& a = program_.anim;
    MasterWindow& w = program_.master;
    auto& hand = m.Tabella_Carte;
    constexpr int kHuman = engine::seat::kHuman;

    m.Tabella_Giocatori(kHuman, 4) = static_cast<std::int16_t>(index);
    for (int attribute = 1; attribute <= 3; ++attribute) {
        m.Tabella_Giocatori(kHuman, attribute) = hand(kHuman, index, attribute);
    }
    Control& busso = w.CMD_Parola_Tiro(kBusso);
    Control& striscio = w.CMD_Parola_Tiro(kStriscio);
    Control& volo = w.CMD_Parola_Tiro(kVolo);
    busso.Enabled = striscio.Enabled = volo.Enabled = false;

    // The cards of the suit led (the card itself among them), and whether its Three
    // or its Two is one of them.
    const int suit = hand(kHuman, index, engine::attr::kSuit);
    for (int c = 1; c <= 5; ++c) m.Contatori(c) = 0;
    for (int j = 1; j <= 40; ++j) {
        if (hand(kHuman, j, engine::attr::kSuit) != suit) continue;
        ++m.Contatori(1);
        const int value = hand(kHuman, j, engine::attr::kValue);
        if (value == 3 || value == 2) m.Contatori(4) = 1;
    }
    const int held = m.Contatori(1);
    if (held == 1) {
        volo.Enabled = true;  // the last card of the suit
    } else {
        striscio.Enabled = true;  // more of the suit to come
        if (m.Contatori(4) == 1) busso.Enabled = true;
    }

    a.Continua = false;
    if (busso.Enabled && striscio.Enabled) {
        // The player chooses between the two words; the card goes after the choice.
        busso.Visible = striscio.Visible = volo.Visible = true;
        program_.animation.Mostra_Parola_Tiro();
        // Only a signal button both hides the chooser and asks to go on: a continue
        // request from elsewhere does not end the choice.
        program_.waits.wait_until("Parola_Tiro",
                                  [&a, &w] { return a.Continua && !w.PIC_Parola_Tiro.Visible; });
        a.Continua = false;
    } else {
        CMD_Parola_Tiro_Click(volo.Enabled ? kVolo : kStriscio);
    }

    // The word stands just above the middle card of the human's hand.
    Control& word = w.LBL_Parola_Tresette;
    word.container = w.IMG_Sfondo_Tavolo.Visible ? &w.IMG_Sfondo_Tavolo : &w.PIC_Tavolo;
    if (const Control* middle = w.P.find(m.Carte_In_Mano / 2); middle != nullptr && m.Carte_In_Mano >= 2) {
        word.Top = middle->Top - word.Height;
        word.Left = middle->Left;
    }
    word.ZOrder(0);
}

void MasterEvents::P_MouseDown(int index, int button) {
    AnimationState& a = program_.anim;
    a.Pulsante_Mouse = static_cast<std::int16_t>(button);
    if (button == 2) {
        if (Control* card = program_.master.P.find(index)) card->ZOrder(0);
    } else {
        program_.animation.Aggiorna_Carte_Mano();
    }
}

void MasterEvents::P_MouseUp(int /*index*/, int button) {
    if (button == 2) program_.animation.Aggiorna_Carte_Mano();
}


// --- The continue buttons -----------------------------------------------------------

void MasterEvents::CMD_Parola_Tiro_Click(int index) {
    MasterWindow& w = program_.master;
    w.PIC_Parola_Tiro.Visible = false;
    program_.anim.Continua = true;
    switch (index) {
        case kBusso:
            w.LBL_Parola_Tresette.Caption = "Busso!";
            break;
        case kStriscio:
            w.LBL_Parola_Tresette.Caption = "Striscio!";
            break;
        case kVolo:
            w.LBL_Parola_Tresette.Caption = "Volo!";
            break;
        default:
            break;
    }
    w.LBL_Parola_Tresette.Visible = true;
}

void MasterEvents::CMD_M_Continua_Click() {
    program_.anim.Continua = true;
}

void MasterEvents::CMD_Continua_Click() {
    engine::MatchState& m = program_.match;
    MasterWindow& w = program_.master;
    w.Lista_Evento_Speciale.Clear();
    w.PIC_Fine_Partita.Visible = false;
    program_.engine.Inizializza_Tavolo();
    program_.engine.Aggiorna_Punteggi();
    store16(m.Numero_Mano, m.Numero_Mano + 1);
    // The button offers the next hand again before that hand starts: a match that the
    // new hand decides (a declaration counted during its deal) sets "Fine partita"
    // inside the hand starter, and that caption must stand.
    w.CMD_Continua.Caption = "Continua la partita...";

    const auto hide_table = [&w] { w.PIC_Tavolo.Visible = false; };
    switch (m.Codice_Gioco) {
        case kBriscola:
            if (m.Modalita_Partita == 4) {
                for (int p = 10; p <= 15; ++p) m.Tabella_Carte(engine::list::kMatch, p, 1) = 0;
            }
            if (m.Partita_Terminata) {
                if (m.Modalita_Partita >= 1 && m.Modalita_Partita <= 4) hide_table();
            } else if (m.Modalita_Partita >= 2 && m.Modalita_Partita <= 4) {
                program_.engine.Inizia_Mano_Briscola();
            }
            break;
        case kScopa:
            if (m.Partita_Terminata) {
                if (m.Modalita_Partita == 1 || m.Modalita_Partita == 2) hide_table();
            } else if (m.Modalita_Partita == 2) {
                program_.engine.Inizia_Mano_Scopa();
            }
            break;
        case kTresette:
            if (m.Partita_Terminata) {
                if (m.Modalita_Partita == 1 || m.Modalita_Partita == 2) hide_table();
            } else if (m.Modalita_Partita == 2) {
                // The declarations of the hand just played are forgotten before the deal.
                for (int p = 11; p <= 20; ++p) {
                    for (int attribute = 1; attribute <= 3; ++attribute) {
                        m.Tabella_Carte(engine::list::kMatch, p, attribute) = 0;
                    }
                }
                program_.engine.Inizia_Mano_Tresette();
            }
            break;
        default:
            break;
    }
}

}  // namespace tavolora::table
