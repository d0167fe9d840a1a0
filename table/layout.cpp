// The table layout: the card measured from its picture, the table's height, the
// layout points, and the deck, the hands, the piles and the cards on the table
// placed on them. The other routines that fly or place a card read their points
// from here.

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "core/numbers.h"
#include "program/program.h"
#include "table/master_events.h"
#include "table/animation.h"

namespace tavolora::table {

namespace {

using engine::MatchState;
namespace game = engine::game;

// A layout value into a 16-bit cell, to the nearest whole twip with halves to even.
// A value that is not a number (a division by zero) or does not fit 16 bits leaves
// the cell as it was: the layout goes on past the failed statement.
void put(std::int16_t& cell, double value) {
    if (!std::isfinite(value) || std::fabs(value) > 1e9) return;
    store16(cell, static_cast<long long>(round_half_even(value)));
}

// The hand size as a loop bound over the 40 positions of a hand.
int hand_size(const MatchState& m) {
    return std::clamp(m.Carte_In_Mano, 0, 40);
}

class Layout {
public:
    explicit Layout(Program& program)
        : p_(program), a_(program.anim), m_(program.match), P_(program.master.P), C_(a_.Coordinate_Tavolo) {}

    // The face of value 1 of suit 1 gives the card's size; then the table's height.
    void measure_card(Control& probe) {
        LoadPicture(probe, p_.animation.face_picture(1, 1), p_.pictures);
        a_.Larghezza_Carta = probe.Width;
        a_.Altezza_Carta_Twips = probe.Height;
        a_.Spaziatura_Carte = a_.Larghezza_Carta;
        put(a_.Altezza_Carta, a_.Altezza_Carta_Twips);
        p_.animation.Adatta_Altezza_Tavolo();
    }

    // The deck: one back picture for every card the deck still holds, each a stack
    // step further from the bottom card.
    void lay_deck() {
        put(C_(1), (table_height() - 1.5 * w()) / 2);
        C_(2) = 100;
        const int cards = std::min<int>(m_.Tabella_Carte(engine::list::kTurnCells, 1, 1), 40);
        const std::string back = p_.animation.back_picture("00");
        for (int i = 1; i <= cards; ++i) {
            Control* card = P_.find(240 + i);
            if (card == nullptr) continue;
            LoadPicture(*card, back, p_.pictures);
            card->ZOrder(0);
            card->Top = static_cast<float>(C_(1) + (i - 1) * a_.Passo_Top(1));
            card->Left = static_cast<float>(C_(2) + (i - 1) * a_.Passo_Left(1));
            card->Visible = true;
        }
    }

    // Every layout point, each from the points already computed, in this order.
    void compute_points() {
        const MasterWindow& window = p_.master;
        const double W = window.PIC_Tavolo.Width;
        put(C_(27), 3200 + w());
        put(C_(25), table_height());
        put(C_(26), W - C_(27));
        put(C_(3), C_(25) - 1.2 * h());
        put(C_(33), C_(3));
        put(C_(4), C_(27) + h());
        put(C_(34), C_(26) + C_(27) - 1.5 * h());
        put(C_(13), C_(3) + h() - 1.1 * w());
        put(C_(14), C_(34) + 0.1 * h());
        put(C_(7), 0.2 * h());
        put(C_(37), C_(7));
        put(C_(8), C_(4));
        put(C_(38), C_(34));
        put(C_(17), C_(7) + 0.1 * w());
        put(C_(18), C_(8) - 1.1 * h());
        put(C_(5), C_(7) + h());
        put(C_(35), C_(3));
        put(C_(6), C_(34));
        put(C_(36), C_(6));
        put(C_(15), C_(7) - 0.1 * h());
        put(C_(16), C_(6) + h() - 1.1 * w());
        put(C_(9), C_(7) + h());
        put(C_(39), C_(3));
        put(C_(10), C_(4) - h());
        put(C_(40), C_(10));
        put(C_(19), C_(39) + 0.1 * h());
        put(C_(20), C_(10) + 0.1 * w());
        put(C_(23), window.form.Height / 2.0 - 200);
        put(C_(24), (C_(6) - C_(9)) / 2.0 + C_(9) + h());
        put(C_(21), C_(23) - h() / 2.0);
        put(C_(22), C_(24) - w() / 2.0);
    }

    // The hands and piles of the seats in play: the human's row and pile first, then
    // the computer seats in turn order.
    void lay_hands_and_piles() {
        lay_row(0, C_(3), C_(4), C_(34));
        lay_pile(19, 300, C_(13), C_(14));
        const int players = std::clamp(m_.Numero_Giocatori, 0, 9);
        for (int j = 1; j <= players; ++j) {
            switch (m_.Ordine_Giocatori(j)) {
                case 1:  // column on the right
                    lay_column(40, C_(5), C_(35), C_(6));
                    lay_pile(11, 340, C_(15), C_(16));
                    break;
                case 2:  // row in front
                    lay_row(80, C_(7), C_(8), C_(38));
                    lay_pile(12, 380, C_(17), C_(18));
                    break;
                case 3:  // column on the left
                    lay_column(120, C_(9), C_(39), C_(10));
                    lay_pile(13, 420, C_(19), C_(20));
                    break;
                default:  // the human, placed above
                    break;
            }
        }
    }

    // Game code 5: seven rows of the measured face, row r holding r cards.
    void lay_deck_only_game() {
        p_.master.PIC_Tavolo.Visible = true;
        m_.Carte_In_Mano = 3;
        const std::string face = p_.animation.face_picture(1, 1);
        const double H = table_height();
        int q = 0;
        for (int r = 1; r <= 7; ++r) {
            for (int i = 1; i <= r; ++i) {
                Control* card = P_.find(++q);
                if (card == nullptr) continue;
                LoadPicture(*card, face, p_.pictures);
                card->Top = static_cast<float>(0.2 * h() + (r - 1) * (H - h()) / 7);
                card->Left = static_cast<float>(C_(24) - ((r / 2.0 - i) + 1) * w());
                card->ZOrder(0);
                card->Visible = true;
            }
        }
    }

    // Camicia: the card measured with the human's pile picture P(1), the centre pile
    // at the window's centre, the human's pile below it and the computer's above, each
    // a fanned stack from its point. The card size of the other games (Altezza_Carta,
    // Spaziatura_Carte) is left as it was.
    void lay_camicia() {
        if (Control* probe = P_.find(1)) {
            // The picture is only measured: the card the pile shows there stays, or a
            // new layout would show the face measured on the human's bottom card (and
            // on its top card once only one is left).
            const std::string shown = probe->Picture;
            LoadPicture(*probe, p_.animation.face_picture(1, 1), p_.pictures);
            a_.Larghezza_Carta = probe->Width;
            a_.Altezza_Carta_Twips = probe->Height;
            probe->Picture = shown;
        }
        p_.animation.Adatta_Altezza_Tavolo();

        const FormGeometry& form = p_.master.form;
        const double height = a_.Altezza_Carta_Twips;
        put(C_(23), form.Height / 2.0 - 200);
        put(C_(24), form.Width / 2.0 - 160);
        put(C_(21), C_(23) - height / 2);
        put(C_(22), C_(24) - a_.Larghezza_Carta / 2);
        put(C_(3), C_(23) + (0.5 + 0.6) * height);
        C_(4) = C_(22);
        put(C_(5), C_(23) - (1.5 + 0.6) * height);
        C_(6) = C_(22);

        p_.engine.Conta_Carte_Lista_2();
        lay_camicia_pile(0, m_.Carte_Mazzo_2, C_(3), C_(4));
        p_.engine.Conta_Carte_Lista_3();
        lay_camicia_pile(40, m_.Carte_Mazzo_3, C_(5), C_(6));
    }

    // The free area in which cards are laid on the table, for every game.
    void set_free_area() {
        auto& limit = a_.Limiti_Tavolo;
        put(limit(1), C_(37) + h());
        put(limit(2), C_(40) + h());
        put(limit(3), C_(33) - h());
        put(limit(4), C_(36) - w());
        switch (m_.Codice_Gioco) {
            case game::kBriscola:
                p_.animation.Posiziona_Carta_Mazzo();
                break;
            case game::kScopa:
                // The cards on a Scopa table spread out to the right seat's column.
                limit(4) = C_(36);
                break;
            case game::kTresette: {
                // No card is laid under the signal word, wherever on the table it shows.
                const Control& word = p_.master.LBL_Parola_Tresette;
                put(limit(1), C_(37) + h() + word.Height);
                put(limit(2), C_(40) + h() + word.Width);
                put(limit(3), C_(33) - h() - word.Height);
                put(limit(4), C_(36) - w() - word.Width);
                break;
            }
            default:
                break;
        }
    }

private:
    double w() const { return a_.Spaziatura_Carte; }
    int h() const { return a_.Altezza_Carta; }
    double gap() const { return a_.Passo_Left(2); }
    double table_height() const { return p_.master.PIC_Tavolo.Height; }

    // A hand row from `from` to `to`: overlapping evenly when the cards do not fit
    // with their gaps, else centred with a gap between neighbours. The step is kept
    // in Larghezza_Carta; with one card the division fails and it keeps the width.
    void lay_row(int block_start, int top, int from, int to) {
        const int k = hand_size(m_);
        if (k != 1) a_.Larghezza_Carta = ((to - from) - w()) / (k - 1);
        const double step = a_.Larghezza_Carta;
        const bool overlap = step < w() + gap();
        if (!overlap) a_.Trascinamento_X = ((to - from) - w() * k) / 2;
        for (int i = 1; i <= k; ++i) {
            Control* card = P_.find(block_start + i);
            if (card == nullptr) continue;
            card->Top = static_cast<float>(top);
            card->Left = static_cast<float>(overlap ? from + (i - 1) * step
                                                    : from + (i - 1) * (w() + gap()) + a_.Trascinamento_X -
                                                          gap() - gap() * (k - 3) / 2);
            card->ZOrder(0);
        }
    }

    // A side seat's column from `from` down to `to`, with the card width as its unit
    // like the rows; the step is kept in Altezza_Carta_Twips, the margin in
    // Trascinamento_Y.
    void lay_column(int block_start, int from, int to, int left) {
        const int k = hand_size(m_);
        if (k != 1) a_.Altezza_Carta_Twips = ((to - from) - w()) / (k - 1);
        const double step = a_.Altezza_Carta_Twips;
        const bool overlap = step < w() + gap();
        if (!overlap) {
            put(a_.Trascinamento_Y, (to - from) - w() * k);
            put(a_.Trascinamento_Y, a_.Trascinamento_Y / 2.0);
        }
        for (int i = 1; i <= k; ++i) {
            Control* card = P_.find(block_start + i);
            if (card == nullptr) continue;
            card->Top = static_cast<float>(overlap ? from + (i - 1) * step
                                                   : from + (i - 1) * (w() + gap()) + a_.Trascinamento_Y -
                                                         gap() - gap() * (k - 3) / 2);
            card->Left = static_cast<float>(left);
            card->ZOrder(0);
        }
    }

    // A Camicia pile of `cards` pictures from block_start + 1, card i lying i stack
    // steps from the pile point.
    void lay_camicia_pile(int block_start, int cards, int top, int left) {
        for (int i = 1; i <= std::clamp(cards, 0, 40); ++i) {
            if (Control* card = P_.find(block_start + i)) lay_stack_card(*card, top, left, i);
        }
    }

    // A captured pile: its first card already one step off the pile point.
    void lay_pile(int lista, int block_start, int top, int left) {
        const int cards = p_.engine.Conta_Carte_Iniziali(lista);
        for (int i = 1; i <= cards; ++i) {
            if (Control* card = P_.find(block_start + i)) lay_stack_card(*card, top, left, i);
        }
    }

    // Card `place` of a pile, as many steps from the pile point as the table holds.
    void lay_stack_card(Control& card, int top, int left, int place) {
        const int steps = p_.animation.stack_steps(top, left, place, card.Width, card.Height);
        card.Top = static_cast<float>(top + steps * a_.Passo_Top(1));
        card.Left = static_cast<float>(left + steps * a_.Passo_Left(1));
    }

    Program& p_;
    AnimationState& a_;
    MatchState& m_;
    ControlArray& P_;
    FixedArray<std::int16_t, 1, 40>& C_;
};

}  // namespace

std::int16_t Animation::whole_twips(double twips) {
    if (!std::isfinite(twips)) return 0;
    return static_cast<std::int16_t>(std::clamp(round_half_even(twips), -32768.0, 32767.0));
}

void Animation::Disponi_Tavolo() {
    if (program_.anim.Preparazione_In_Corso) return;
    Disegna_Sfondo_Tavolo();

    Layout layout(program_);
    switch (program_.match.Codice_Gioco) {
        case game::kDeckOnly:
            layout.measure_card(program_.master.P(0));
            layout.lay_deck();
            layout.compute_points();
            layout.lay_deck_only_game();
            break;
        case game::kBriscola:
        case game::kScopa:
        case game::kTresette:
        case game::kBriscolaVariant:
            layout.measure_card(program_.master.P(0));
            layout.lay_deck();
            layout.compute_points();
            layout.lay_hands_and_piles();
            Allinea_Carte_Tavolo();
            break;
        case game::kCamicia:
            layout.lay_camicia();
            break;
        default:
            break;
    }
    layout.set_free_area();
}

void Animation::Allinea_Carte_Tavolo() {
    MatchState& m = program_.match;
    AnimationState& a = program_.anim;
    const auto occupied = [&m](int place) { return m.Tabella_Carte(engine::list::kTable, place, 1) != 0; };

    int cards = 0;
    for (int place = 1; place <= 40; ++place) cards += occupied(place) ? 1 : 0;
    m.Numero_Carte_Lista = cards;

    const double w = a.Spaziatura_Carte;
    const double half_hand = m.Carte_In_Mano / 2.0;
    const double centre = a.Coordinate_Tavolo(24);
    const double table_width = program_.master.PIC_Tavolo.Width;
    // Card t of the row, with `gap` twips between neighbours.
    const auto left_of = [&](int t, double gap) {
        return centre - ((cards / 2.0 - t) + 1) * w - (half_hand - t) * gap;
    };

    // The row grows to the right of the table's centre faster than to its left: a
    // long one (a Scopa table of nine cards or more on the start window) would run
    // past the table's right edge, so its gaps close, the cards overlapping if they
    // must, until its last card ends on that edge. A row that still does not fit (a
    // narrow window) is spread evenly over the whole table.
    double gap = a.Passo_Left(2);
    if (cards > half_hand && left_of(cards, gap) + w > table_width) {
        gap = (table_width - centre - cards / 2.0 * w) / (cards - half_hand);
    }
    const bool spread = cards >= 1 && (left_of(1, gap) < 0 || left_of(cards, gap) + w > table_width);
    const double step = cards > 1 ? (table_width - w) / (cards - 1) : 0;
    int t = 0;
    for (int place = 1; place <= 40; ++place) {
        if (!occupied(place)) continue;
        ++t;
        Control* card = program_.master.P.find(200 + place);
        if (card == nullptr) continue;
        card->Top = a.Coordinate_Tavolo(21);
        card->Left = static_cast<float>(spread ? (cards > 1 ? (t - 1) * step : (table_width - w) / 2)
                                               : left_of(t, gap));
        card->ZOrder(0);
    }
}

void Animation::Posiziona_Carta_Mazzo() {
    const AnimationState& a = program_.anim;
    Control* trump = program_.master.P.find(241);
    if (trump == nullptr) return;
    // The trump is the deck's last card: once it is drawn it shows in the hand that
    // drew it, and a layout after that (a resize) must not lay it under a deck that
    // is gone.
    if (program_.match.Tabella_Carte(engine::list::kTurnCells, 1, 1) < 1) {
        trump->Visible = false;
        return;
    }
    trump->Left = static_cast<float>(a.Coordinate_Tavolo(2) + (a.Altezza_Carta - a.Spaziatura_Carte) / 2);
    trump->Top = static_cast<float>(a.Coordinate_Tavolo(1) + a.Spaziatura_Carte / 2);
    const auto& cards = program_.match.Tabella_Carte;
    LoadPicture(*trump,
                face_picture(cards(engine::list::kDeck, 1, engine::attr::kSuit),
                             cards(engine::list::kDeck, 1, engine::attr::kValue)),
                program_.pictures);
    // It keeps its place in the stacking order, under the deck pictures 242 onward.
    trump->Visible = true;
}

int Animation::stack_steps(double top, double left, int place, double width, double height) const {
    const AnimationState& a = program_.anim;
    const Control& table = program_.master.PIC_Tavolo;
    double most = place;
    // The steps the picture can take along one axis before its far side crosses the
    // table's edge on the side the pile grows to.
    const auto hold = [&most](double room, int step) {
        if (step != 0) most = std::min(most, std::floor(room / std::abs(step)));
    };
    const int down = a.Passo_Top(1);
    const int across = a.Passo_Left(1);
    hold(down < 0 ? top : table.Height - height - top, down);
    hold(across < 0 ? left : table.Width - width - left, across);
    if (place < 0 || !std::isfinite(most)) return place;
    return static_cast<int>(std::clamp(most, 0.0, static_cast<double>(place)));
}

const char* Animation::pile_back(int seat) {
    return seat == 1 || seat == 3 ? "0" : "00";
}

void Animation::Adatta_Altezza_Tavolo() {
    const float height = program_.master.form.Height - kCaptionAndBorders;
    // A window too short for a table leaves the height as it was.
    if (height >= 0) program_.master.PIC_Tavolo.Height = height;
}

}  // namespace tavolora::table
