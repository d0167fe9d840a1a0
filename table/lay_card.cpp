// The card laid on the table: where its table picture lies, and its flight there
// from the hand or pile it left. Cards land at slightly random places, drawn from
// the cosmetic stream so that the play's own numbers are not disturbed; in Scopa
// the card goes into the widest free gap between the cards lying there, in Camicia
// anywhere on the central pile.

#include <charconv>
#include <string>

#include "core/numbers.h"
#include "core/program.h"
#include "table/animation.h"

namespace tavolora::table {

namespace {
namespace game = engine::game;

constexpr int kMostAttempts = 20;
// The mark of an edge already sorted: above every place on the table.
constexpr double kTakenEdge = 100000;

// A number of the work lists, written by format_plain_number (whatever the locale).
double number(const std::string& text) {
    double value = kTakenEdge;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// The table picture of the card just laid, the last of the table list.
Control* laid_picture(Program& program) {
    const int place = program.match.Carte_In_Tavola;
    if (place < 1 || place > 40) return nullptr;
    return program.master.P.find(200 + place);
}

// Outside the free area of the table; a position on a limit is inside.
bool outside_free_area(const AnimationState& a, const Control& card) {
    const auto& limit = a.Limiti_Tavolo;
    return card.Top > limit(3) || card.Top < limit(1) || card.Left < limit(2) || card.Left > limit(4);
}
}  // namespace

void Animation::Trova_Posto_Sul_Tavolo() {
    AnimationState& a = program_.anim;
    a.Tentativi_Posto = 0;

    // Each attempt draws new numbers; after the last the position stands even
    // outside the free area.
    Control* card = nullptr;
    do {
        switch (program_.match.Codice_Gioco) {
            case game::kBriscola:
            case game::kTresette:
            case game::kBriscolaVariant:
                lay_near_centre();
                break;
            case game::kScopa:
                lay_in_widest_gap();
                break;
            case game::kCamicia:
                lay_on_centre_pile();
                break;
            default:
                break;
        }
        // Without its table picture the card is not laid and nothing flies.
        card = laid_picture(program_);
        if (card == nullptr) return;
        ++a.Tentativi_Posto;
    } while (outside_free_area(a, *card) && a.Tentativi_Posto < kMostAttempts);

    // Slot 1 was filled by the card's player with its picture and start.
    Tipo_Animazione& slot = a.Animazioni_Carte(1);
    fill_flight_slot(1, slot.Carta(1), slot.Immagine, slot.Coordinate(1), slot.Coordinate(2),
                     whole_twips(card->Top), whole_twips(card->Left), program_.settings.Tempi_Animazione(2));
    slot.Carta(2) = static_cast<std::int16_t>(200 + program_.match.Carte_In_Tavola);
    Avvia_Animazioni();
}

void Animation::lay_in_widest_gap() {
    engine::MatchState& m = program_.match;
    AnimationState& a = program_.anim;
    MasterWindow& w = program_.master;
    const auto& C = a.Coordinate_Tavolo;

    // The player has chosen the table place; up to 13 cards lie there in play, but
    // any place 1..40 is laid.
    m.Carte_In_Tavola = m.Tabella_Giocatori(5, 1);
    Control* card = laid_picture(program_);
    if (card == nullptr) return;

    const double width = a.Spaziatura_Carte;
    const double r1 = program_.cosmetic.next_unit();
    const double r2 = program_.cosmetic.next_unit();
    const double dy = r1 * (m.Carte_In_Mano * width / 4) + 1;
    const double dx = r2 * (width / 4) + 1;

    // The right edges of the cards lying on the table, then the free area's left and
    // right limits.
    Control& edges = w.Lista_Left;
    edges.Clear();
    for (int place = 1; place <= 40; ++place) {
        const Control* lying = w.P.find(200 + place);
        if (lying != nullptr && lying->Visible) edges.AddItem(format_plain_number(lying->Left + width));
    }
    edges.AddItem(format_plain_number(a.Limiti_Tavolo(2)));
    edges.AddItem(format_plain_number(a.Limiti_Tavolo(4)));

    // Sorted by taking the least edge again and again: only a value strictly below
    // the best so far replaces it, so equal edges keep their order; a taken entry
    // becomes the mark, which no edge reaches.
    Control& sorted = w.Lista_Left_Ordinata;
    sorted.Clear();
    const std::size_t count = edges.items.size();
    for (std::size_t pass = 0; pass < count; ++pass) {
        m.Valore_Minimo = kTakenEdge;
        std::size_t least = count;
        for (std::size_t i = 0; i < count; ++i) {
            const double edge = number(edges.items[i]);
            if (edge < m.Valore_Minimo) {
                m.Valore_Minimo = edge;
                least = i;
            }
        }
        if (least == count) break;  // only marks are left
        sorted.AddItem(edges.items[least]);
        edges.items[least] = format_plain_number(kTakenEdge);
    }
    m.Valore_Minimo = kTakenEdge;

    // The gaps between neighbouring edges; the first of the widest wins, and a gap
    // of 0 is never taken (all edges equal: the card follows the first).
    Control& gaps = w.Lista_Distanze;
    gaps.Clear();
    for (std::size_t k = 0; k + 1 < sorted.items.size(); ++k) {
        gaps.AddItem(format_plain_number(number(sorted.items[k + 1]) - number(sorted.items[k])));
    }
    m.Valore_Massimo = 0;
    std::size_t widest = 0;
    for (std::size_t k = 0; k < gaps.items.size(); ++k) {
        const double gap = number(gaps.items[k]);
        if (gap > m.Valore_Massimo) {
            m.Valore_Massimo = gap;
            widest = k;
        }
    }

    // Just right of the gap's lower edge, whether or not it fits there.
    const double lower = sorted.items.empty() ? a.Limiti_Tavolo(2) : number(sorted.items[widest]);
    card->Top = static_cast<float>(C(21) + dy);
    card->Left = static_cast<float>(lower + dx);
}

void Animation::lay_on_centre_pile() {
    const AnimationState& a = program_.anim;
    Control* card = laid_picture(program_);
    if (card == nullptr) return;
    // Anywhere up to 400 twips below and 600 to the right of the centre pile point, so
    // the pile looks thrown together.
    const double dy = program_.cosmetic.next_unit() * 400 + 1;
    const double dx = program_.cosmetic.next_unit() * 600 + 1;
    card->Top = static_cast<float>(a.Coordinate_Tavolo(21) + dy);
    card->Left = static_cast<float>(a.Coordinate_Tavolo(22) + dx);
}

void Animation::lay_near_centre() {
    const engine::MatchState& m = program_.match;
    AnimationState& a = program_.anim;
    const auto& C = a.Coordinate_Tavolo;
    Control* card = laid_picture(program_);
    if (card == nullptr) return;

    const double w = a.Spaziatura_Carte;
    const int seat = m.Ordine_Giocatori.in_range(m.Indice_Turno) ? m.Ordine_Giocatori(m.Indice_Turno) : 0;
    do {
        const double r1 = program_.cosmetic.next_unit();
        const double r2 = program_.cosmetic.next_unit();
        // Below the centre by up to a third of the hand's width, a little to the right.
        double dy = r1 * (w * (m.Carte_In_Mano - 1) / 3) + 1;
        double dx = r2 * (w / 4) + 1;
        // Leaning towards the seat that played it.
        switch (seat) {
            case 1:
                dx += w / 2;
                break;
            case 2:
                dy -= w / 3;
                break;
            case 3:
                dx -= w / 2;
                break;
            default:
                break;
        }
        // A card that would reach the front seat's or the human's hand row stays
        // close to the centre.
        if (C(21) + dy < C(7) || C(21) + dy + a.Altezza_Carta > C(3)) {
            dy /= 10;
            dx /= 10;
        }
        card->Top = static_cast<float>(C(21) + dy);
        card->Left = static_cast<float>(C(22) + dx);
        ++a.Tentativi_Posto;
    } while (outside_free_area(a, *card) && a.Tentativi_Posto < kMostAttempts);
}

}  // namespace tavolora::table
