// What the human looks over without leaving the table: the throws (who put down
// each card on the table), the trump card, the scores panel and the captured-cards
// panel with its viewer; the strip's buttons that start them; and the table's own
// click, which is the player's continue request.

#include <algorithm>

#include "core/numbers.h"
#include "program/program.h"
#include "table/master_events.h"

namespace tavolora::table {

namespace {
namespace game = engine::game;

// The look-over codes: the table surface, the throws, the scores panel, the
// captured-cards panel, the trump card.
constexpr int kTable = 0;
constexpr int kThrows = 1;
constexpr int kScores = 2;
constexpr int kCaptured = 3;
constexpr int kTrump = 4;
// The pointer over a card of the human's hand, and over any other card picture.
constexpr int kOverHand = 19;
constexpr int kOverCard = 20;

// The look-over copy of table card i lies beyond the deck's pictures.
constexpr int kThrowCopies = 280;
// The picture beside the deck that shows the trump card.
constexpr int kTrumpPicture = 241;

// The viewer's four card slots take the card's shape within this box.
constexpr double kSlotWidth = 795;
constexpr double kSlotHeight = 1260;
constexpr int kSlots = 4;
}  // namespace

void MasterEvents::register_look_overs() {
    InputDispatcher& input = program_.input;
    const auto on = [&input](ControlId id, InputEvent event, auto handler) {
        input.on(id, event, handler, HandlerKind::Reentrant);
    };
    const auto look = [this](int code) {
        program_.anim.Codice_Visualizzazione = static_cast<std::int16_t>(code);
        New_FormMouseDown();
    };
    on(ControlId::CMD_M_Tiri, InputEvent::MouseEnter, [look](ControlKey, const MouseArgs&) { look(kThrows); });
    on(ControlId::CMD_M_Tiri, InputEvent::MouseLeave, [this](ControlKey, const MouseArgs&) { New_FormMouseUp(); });
    // The trump card is looked over in Briscola only.
    on(ControlId::CMD_M_Briscola, InputEvent::MouseEnter, [this, look](ControlKey, const MouseArgs&) {
        if (program_.match.Codice_Gioco == game::kBriscola) look(kTrump);
    });
    on(ControlId::CMD_M_Briscola, InputEvent::MouseLeave, [this](ControlKey, const MouseArgs&) {
        if (program_.match.Codice_Gioco == game::kBriscola) New_FormMouseUp();
    });
    on(ControlId::CMD_M_Briscola, InputEvent::Click, [this](ControlKey, const MouseArgs&) { CMD_M_Briscola_Click(); });
    on(ControlId::CMD_M_Punteggio, InputEvent::Click, [this](ControlKey, const MouseArgs&) { CMD_M_Punteggio_Click(); });
    on(ControlId::CMD_M_Carte, InputEvent::Click, [this](ControlKey, const MouseArgs&) { CMD_M_Carte_Click(); });
    on(ControlId::CMD_PIC_Fine_Partita_Visualizza_Punteggi, InputEvent::Click,
       [this](ControlKey, const MouseArgs&) { CMD_PIC_Fine_Partita_Visualizza_Punteggi_Click(); });

    // The table surface: a press on the background, or a click after a move over it.
    on(ControlId::IMG_Sfondo_Tavolo, InputEvent::MouseDown, [look](ControlKey, const MouseArgs&) { look(kTable); });
    on(ControlId::IMG_Sfondo_Tavolo, InputEvent::MouseUp, [this](ControlKey, const MouseArgs&) { New_FormMouseUp(); });
    on(ControlId::PIC_Tavolo, InputEvent::MouseMove,
       [this](ControlKey, const MouseArgs&) { program_.anim.Codice_Visualizzazione = kTable; });
    on(ControlId::PIC_Tavolo, InputEvent::Click, [this](ControlKey, const MouseArgs&) { New_FormMouseDown(); });

    // The captured-cards viewer.
    on(ControlId::Visualizza_Prese, InputEvent::Click,
       [this](ControlKey key, const MouseArgs&) { Visualizza_Prese_Click(key.index); });
    on(ControlId::HSR_Prese, InputEvent::Change, [this](ControlKey, const MouseArgs&) { HSR_Prese_Change(); });
}

// --- Starting and ending a look-over -------------------------------------------------

void MasterEvents::New_FormMouseDown() {
    AnimationState& a = program_.anim;
    MasterWindow& w = program_.master;
    if (w.PIC_Parola_Tiro.Visible) return;
    const int code = program_.match.Codice_Gioco;
    if (code != game::kBriscola && code != game::kScopa && code != game::kTresette && code != game::kBriscolaVariant)
        return;
    switch (a.Codice_Visualizzazione) {
        case kTable:
            a.Continua = true;
            break;
        case kThrows:
            // While a full trick waits to be taken, a continue request already made
            // closes the look.
            if (a.Comandi_Bloccati && a.Continua) return;
            show_throws();
            break;
        case kScores:
            w.show_floating(w.PIC_51_Monitor);
            w.PIC_51_Monitor.ZOrder(0);
            break;
        case kCaptured:
            // Until a seat is chosen in this match, the viewer opens on the human's
            // pile as it stands, never on what the last match left in it.
            if (!a.Prese_Scelte) Visualizza_Prese_Click(engine::seat::kHuman);
            w.show_floating(w.PIC_52_Monitor);
            w.PIC_52_Monitor.ZOrder(0);
            break;
        case kTrump:
            show_trump();
            break;
        default:
            break;
    }
}

void MasterEvents::show_throws() {
    engine::MatchState& m = program_.match;
    AnimationState& a = program_.anim;
    MasterWindow& w = program_.master;
    a.Visualizzazione_Attiva = true;
    a.Visualizzazione_Briscola = false;
    program_.engine.Conta_Carte_Tavolo();
    for (int i = 1; i <= std::min<int>(m.Carte_In_Tavola, 40); ++i) {
        // A copy made by an earlier look is used again.
        w.P.Load(kThrowCopies + i);
        Control* copy = w.P.find(kThrowCopies + i);
        Control* card = w.P.find(200 + i);
        if (copy == nullptr || card == nullptr) continue;
        LoadPicture(*copy, card->Picture, program_.pictures);
        // The copy lies where its seat's hand had the card.
        const int seat = m.Tabella_Carte(engine::list::kTable, i, engine::attr::kOwner);
        const int block = seat == engine::seat::kHuman ? 0 : seat >= 1 && seat <= 3 ? seat : -1;
        if (block >= 0) {
            if (const Control* place = w.P.find(40 * block + m.Tabella_Giocatori(seat, 4))) {
                copy->Top = place->Top;
                copy->Left = place->Left;
            }
        }
        card->Visible = false;
        copy->ZOrder(0);
        copy->Visible = true;
    }
}

void MasterEvents::show_trump() {
    engine::MatchState& m = program_.match;
    AnimationState& a = program_.anim;
    a.Visualizzazione_Attiva = true;
    a.Visualizzazione_Briscola = true;
    Control* trump = program_.master.P.find(kTrumpPicture);
    if (trump == nullptr) return;
    a.Briscola_Visibile = trump->Visible;
    // The first card of the shuffled deck's copy is the trump card.
    LoadPicture(*trump,
                program_.animation.face_picture(m.Tabella_Carte(engine::list::kDeck, 1, engine::attr::kSuit),
                                                m.Tabella_Carte(engine::list::kDeck, 1, engine::attr::kValue)),
                program_.pictures);
    trump->ZOrder(0);
    trump->Visible = true;
}

void MasterEvents::New_FormMouseUp() {
    AnimationState& a = program_.anim;
    MasterWindow& w = program_.master;
    if (!a.Visualizzazione_Attiva) return;
    for (int i = 1; i <= std::min<int>(program_.match.Carte_In_Tavola, 40); ++i) {
        if (Control* copy = w.P.find(kThrowCopies + i)) copy->Visible = false;
        if (Control* card = w.P.find(200 + i)) card->Visible = true;
    }
    if (a.Visualizzazione_Briscola) {
        if (Control* trump = w.P.find(kTrumpPicture)) {
            trump->ZOrder(1);
            if (a.Briscola_Visibile) {
                // Under the deck's pictures again, above the background.
                w.IMG_Sfondo_Tavolo.ZOrder(1);
            } else {
                trump->Visible = false;
            }
        }
    }
    a.Visualizzazione_Attiva = false;
}

void MasterEvents::end_look_over() { New_FormMouseUp(); }

// --- The strip's buttons ------------------------------------------------------------

void MasterEvents::CMD_M_Briscola_Click() {
    switch (program_.match.Codice_Gioco) {
        case game::kScopa:
            program_.animation.Allinea_Carte_Tavolo();
            break;
        case game::kCamicia:
            CMD_M_Chiudi_Partita_Click();
            break;
        case game::kTresette:
            program_.engine.Mostra_Riepilogo_Accusi();
            break;
        default:
            break;
    }
}

void MasterEvents::CMD_M_Punteggio_Click() {
    program_.anim.Codice_Visualizzazione = kScores;
    New_FormMouseDown();
}

void MasterEvents::CMD_M_Carte_Click() {
    program_.anim.Codice_Visualizzazione = kCaptured;
    New_FormMouseDown();
}

void MasterEvents::CMD_PIC_Fine_Partita_Visualizza_Punteggi_Click() { CMD_M_Punteggio_Click(); }

void MasterEvents::P_MouseMove(int index) {
    MasterWindow& w = program_.master;
    Control* card = w.P.find(index);
    if (index < 41) {
        program_.anim.Codice_Visualizzazione = kOverHand;
        if (card != nullptr) {
            card->MousePointer = pointer::kCustom;
            card->MouseIcon = w.P(0).MouseIcon;
        }
    } else {
        program_.anim.Codice_Visualizzazione = kOverCard;
        if (card != nullptr) card->MousePointer = pointer::kSizeNeSw;
    }
}

// --- The captured-cards viewer ------------------------------------------------------

void MasterEvents::Visualizza_Prese_Click(int index) {
    engine::MatchState& m = program_.match;
    AnimationState& a = program_.anim;
    MasterWindow& w = program_.master;

    // The slots take the shape of the deck's cards, measured afresh each time.
    const std::string measure = program_.animation.face_picture(1, 1);
    if (const auto size = program_.pictures.twips(measure); size && size->width > 0 && size->height > 0) {
        const double width = size->width;
        const double height = size->height;
        const bool wide = width / kSlotWidth > height / kSlotHeight;
        for (int k = 0; k < kSlots; ++k) {
            Control& slot = w.IMG_Prese(k);
            slot.Stretch = true;
            slot.Width = static_cast<float>(wide ? kSlotWidth : width * kSlotHeight / height);
            slot.Height = static_cast<float>(wide ? height * kSlotWidth / width : kSlotHeight);
        }
    }
    for (int k = 0; k < kSlots; ++k) w.IMG_Prese(k).Picture.clear();

    a.Prese_Scelte = true;
    a.Lista_Prese = static_cast<std::int16_t>(index + 10);
    const int cards = program_.engine.Conta_Carte_Iniziali(index + 10);
    switch (m.Codice_Gioco) {
        case game::kBriscola:
        case game::kTresette:
            // Tricks, in the trick games; a missing player count keeps the figures.
            if (m.Numero_Giocatori > 0) {
                a.Numero_Prese = static_cast<double>(cards) / m.Numero_Giocatori;
                a.Numero_Carte_Prese = static_cast<std::int16_t>(cards);
            }
            break;
        case game::kScopa:
            a.Numero_Prese = cards;
            a.Numero_Carte_Prese = static_cast<std::int16_t>(cards);
            break;
        default:
            break;
    }
    w.LBL_RiepilogoPrese_Numero.Caption = format_plain_number(a.Numero_Prese);
    if (a.Numero_Prese == 0) {
        w.HSR_Prese.Enabled = false;
        return;
    }
    w.HSR_Prese.Enabled = true;
    w.HSR_Prese.Max = a.Numero_Carte_Prese > kSlots ? a.Numero_Carte_Prese - kSlots : 0;
    // A scroll bar brings its value down to a smaller maximum.
    w.HSR_Prese.Value = std::clamp(w.HSR_Prese.Value, w.HSR_Prese.Min, w.HSR_Prese.Max);
    w.FRM_CartePrese.Visible = true;
    HSR_Prese_Change();
}

void MasterEvents::start_viewer_afresh() {
    AnimationState& a = program_.anim;
    MasterWindow& w = program_.master;
    a.Prese_Scelte = false;
    w.HSR_Prese.Value = 0;
    w.HSR_Prese.Max = 0;
    w.HSR_Prese.Enabled = false;
}

void MasterEvents::HSR_Prese_Change() {
    const engine::MatchState& m = program_.match;
    const AnimationState& a = program_.anim;
    MasterWindow& w = program_.master;
    for (int k = 0; k < kSlots; ++k) w.IMG_Prese(k).Picture.clear();
    // Scroll value v shows the pile's cards v + 1 to v + 4.
    const int value = w.HSR_Prese.Value;
    const int first = value + 1;
    const int last = value == 0 ? (a.Numero_Carte_Prese <= kSlots ? a.Numero_Carte_Prese - 1 : kSlots - 1) : kSlots - 1;
    if (!a.Prese_Scelte || a.Lista_Prese < 1 || a.Lista_Prese > 38) return;
    for (int k = 0; k <= last && k + first <= 40; ++k) {
        const int suit = m.Tabella_Carte(a.Lista_Prese, k + first, engine::attr::kSuit);
        const int value_of_card = m.Tabella_Carte(a.Lista_Prese, k + first, engine::attr::kValue);
        Control& slot = w.IMG_Prese(k);
        // A picture that cannot be loaded leaves its slot empty.
        slot.Picture = program_.animation.face_picture(suit, value_of_card);
        if (!program_.pictures.twips(slot.Picture)) slot.Picture.clear();
    }
}

}  // namespace tavolora::table
