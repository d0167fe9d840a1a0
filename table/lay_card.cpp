// The card laid on the table: where its table picture lies, and its flight there
// from the hand or pile it left. Cards land at slightly random places, drawn from
// the cosmetic stream so that the play's own numbers are not disturbed; in Scopa
// the card goes into the widest free gap between the cards lying there, so that
// every card that can be taken stays in sight, in Camicia anywhere on the central
// pile.

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "core/numbers.h"
#include "program/program.h"
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

// What a list entry written by format_plain_number from `written` reads back as:
// the value itself, since the shortest form reads back exactly; a zero (whose sign
// the text drops) and a value that is not finite are read from the text.
double read_back(double written, const std::string& text) {
    return std::isfinite(written) && written != 0 ? written : number(text);
}

// Writes the `k`-th entry of a work list in place (the list keeps the room of its
// earlier entries), the list having been written up to `k` - 1.
void put_item(Control& list, std::size_t k, const std::string& text) {
    if (k < list.items.size()) {
        list.items[k] = text;
    } else {
        list.items.push_back(text);
    }
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

// The Left from `from` to `to` at which a card of w x h laid at `top` hides the
// least of the card it hides most of, among the `lying` cards; none when the range
// is empty.
// `per_twip` and `places` are work vectors whose earlier contents do not matter.
std::optional<double> least_hiding_place(const std::vector<const Control*>& lying, double top, double w,
                                         double h, double from, double to, std::vector<double>& per_twip,
                                         std::vector<double>& places) {
    if (w <= 0 || h <= 0 || from > to) return std::nullopt;

    // The share of a lying card hidden by the new card at `left` grows as the new card
    // moves in from either side and is greatest right over it: for each card, the
    // part of its height the new card covers, as a share of the card, per twip across.
    per_twip.clear();
    for (const Control* other : lying) {
        const double down = std::min<double>(other->Top, top) + h - std::max<double>(other->Top, top);
        per_twip.push_back(std::max(0.0, down) / (w * h));
    }
    const auto worst = [&](double left) {
        double most = 0;
        for (std::size_t i = 0; i < lying.size(); ++i) {
            const double across =
                std::min<double>(lying[i]->Left, left) + w - std::max<double>(lying[i]->Left, left);
            most = std::max(most, std::max(0.0, across) * per_twip[i]);
        }
        return most;
    };

    // The least of the greatest share lies at an end of the row, where a card's share
    // starts, peaks or ends, or where one card's falling share meets another's rising
    // one.
    places.assign({from, to});
    for (std::size_t i = 0; i < lying.size(); ++i) {
        const double left = lying[i]->Left;
        places.insert(places.end(), {left - w, left, left + w});
        for (std::size_t j = 0; j < lying.size(); ++j) {
            const double sum = per_twip[i] + per_twip[j];
            if (i == j || sum <= 0) continue;
            places.push_back((per_twip[i] * (left + w) - per_twip[j] * (w - lying[j]->Left)) / sum);
        }
    }
    std::sort(places.begin(), places.end());
    std::optional<double> best;
    double least = 0;
    for (double left : places) {
        if (left < from || left > to) continue;
        // The leftmost of equally good places.
        const double share = worst(left);
        if (!best || share < least) {
            best = left;
            least = share;
        }
    }
    return best;
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
    const double top = C(21) + dy;
    // A card may be laid with its Left anywhere from the free area's left limit to its
    // right one, so the row it can cover ends a card's width past the right limit.
    const double row_start = a.Limiti_Tavolo(2);
    const double row_end = a.Limiti_Tavolo(4) + width;

    // The left edges of the cards lying on the table (the card being laid is not one
    // of them yet). The lists hold the edges as text; each is read back once, into
    // `values` beside it, since the sort and the gaps work on the numbers read.
    Control& edges = w.Lista_Left;
    PlacementWork& work = placement_;
    std::vector<const Control*>& lying = work.lying;
    std::vector<double>& values = work.values;
    lying.clear();
    values.clear();
    for (int place = 1; place <= 40; ++place) {
        const Control* other = w.P.find(200 + place);
        if (other == nullptr || other == card || !other->Visible) continue;
        const std::string& text = number_texts_.of(other->Left);
        put_item(edges, lying.size(), text);
        lying.push_back(other);
        values.push_back(read_back(other->Left, text));
    }
    edges.items.resize(lying.size());

    // Sorted by taking the least edge again and again: only a value strictly below
    // the best so far replaces it, so equal edges keep their order; a taken entry
    // becomes the mark, which no edge reaches.
    Control& sorted = w.Lista_Left_Ordinata;
    std::vector<double>& sorted_values = work.sorted_values;
    sorted_values.clear();
    const std::string mark = format_plain_number(kTakenEdge);
    const double mark_value = number(mark);
    const std::size_t count = edges.items.size();
    for (std::size_t pass = 0; pass < count; ++pass) {
        m.Valore_Minimo = kTakenEdge;
        std::size_t least = count;
        for (std::size_t i = 0; i < count; ++i) {
            if (values[i] < m.Valore_Minimo) {
                m.Valore_Minimo = values[i];
                least = i;
            }
        }
        if (least == count) break;  // only marks are left
        put_item(sorted, sorted_values.size(), edges.items[least]);
        sorted_values.push_back(values[least]);
        edges.items[least] = mark;
        values[least] = mark_value;
    }
    sorted.items.resize(sorted_values.size());
    m.Valore_Minimo = kTakenEdge;

    // The free gaps, left to right: from the free area's left limit, or from the
    // right edge of the cards before (the furthest of them, since cards may overlap),
    // to the next card's left edge, and after the last card to the row's end. A gap
    // that a card reaches into is 0 or less.
    Control& gaps = w.Lista_Distanze;
    std::vector<double>& starts = work.starts;
    std::vector<double>& gap_values = work.gap_values;
    starts.clear();
    gap_values.clear();
    double reach = row_start;
    const auto add_gap = [&](double next_left) {
        starts.push_back(reach);
        const double gap = std::min(next_left, row_end) - reach;
        const std::string& text = number_texts_.of(gap);
        put_item(gaps, gap_values.size(), text);
        gap_values.push_back(read_back(gap, text));
    };
    for (const double left : sorted_values) {
        add_gap(left);
        reach = std::max(reach, left + width);
    }
    add_gap(row_end);
    gaps.items.resize(gap_values.size());

    // The widest gap, the first of several as wide; a gap of 0 or less is never taken.
    m.Valore_Massimo = 0;
    std::size_t widest = 0;
    for (std::size_t k = 0; k < gap_values.size(); ++k) {
        const double gap = gap_values[k];
        if (gap > m.Valore_Massimo) {
            m.Valore_Massimo = gap;
            widest = k;
        }
    }

    card->Top = static_cast<float>(top);
    if (m.Valore_Massimo >= width) {
        // Just right of the gap's lower edge, and wholly inside it.
        const double gap_end = starts[widest] + m.Valore_Massimo;
        card->Left = static_cast<float>(std::min(starts[widest] + dx, gap_end - width));
        return;
    }
    card->Left = static_cast<float>(
        least_hiding_place(lying, top, width, a.Altezza_Carta, row_start, a.Limiti_Tavolo(4), work.per_twip,
                           work.places)
            .value_or(row_start + dx));
}

const std::string& Animation::NumberTexts::of(double value) {
    // A few hands' worth of places; then the table starts again.
    constexpr std::size_t kMostKept = 1024;
    const auto bits = std::bit_cast<std::uint64_t>(value);
    if (const auto it = known_.find(bits); it != known_.end()) return it->second;
    if (known_.size() >= kMostKept) known_.clear();
    return known_.emplace(bits, format_plain_number(value)).first->second;
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
