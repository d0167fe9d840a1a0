// Many seeded Scopa matches, every play checked against the rules, which are
// written here apart from the engine's.

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <sstream>
#include <vector>

#include "tests/support/soak_support.h"

namespace tavolora::soak {
namespace {

using engine::attr::kOwner;
using engine::attr::kSuit;
using engine::attr::kValue;
using testing::HeadlessMatch;
using testing::MatchPlan;

// The primiera values of the values 1..10.
constexpr std::array<int, 10> kPrimiera = {16, 12, 13, 14, 15, 18, 21, 10, 10, 10};

struct Card {
    int suit = 0;
    int value = 0;
};

// The fewest cards of `table` that add up to `value`; 0 when no set of them does.
int fewest_cards_adding_up(const std::vector<Card>& table, int value) {
    int fewest = 0;
    const unsigned sets = 1U << table.size();
    for (unsigned set = 1; set < sets; ++set) {
        int sum = 0;
        int count = 0;
        for (std::size_t i = 0; i < table.size(); ++i) {
            if ((set >> i) & 1U) sum += table[i].value, ++count;
        }
        if (sum == value && (fewest == 0 || count < fewest)) fewest = count;
    }
    return fewest;
}

// The seat whose pile takes a seat's cards: with four players the pairs share one.
int pile_seat(int seat, int players) {
    if (players != 4) return seat;
    return seat == 2 ? 9 : seat == 3 ? 1 : seat;
}

class Checker {
public:
    Checker(HeadlessMatch& match, const MatchPlan& plan) : match_(match), plan_(plan) {
        match.on_wait([this](std::string_view wait) { at_wait(wait); });
    }

    void at_wait(std::string_view wait) {
        if (wait != "Avvia_Animazioni") return;
        const Program& p = match_.program();
        switch (p.anim.Fase_Animazione) {
            case table::phase::kNone:  // a card laid on the table
                check_capture_made();
                check_cards();
                check_laid_card();
                break;
            case table::phase::kTaken:
                if (!p.match.Partita_Finita) check_capture();
                break;
            case table::phase::kDeal:
                check_capture_made();
                start_hand();
                check_cards();
                break;
            default:
                check_cards();
                break;
        }
    }

    // Every card of the deck once.
    void check_cards() {
        ASSERT_EQ(testing::deck_fault(match_.program().match.Tabella_Carte, plan_.players), "") << where();
        ++checks;
    }

    // The card just laid: whether it must take something.
    void check_laid_card() {
        const Program& p = match_.program();
        const auto& cards = p.match.Tabella_Carte;
        const int place = p.match.Tabella_Giocatori(5, 1);
        ASSERT_NE(cards(20, place, kSuit), 0) << where();
        const int value = cards(20, place, kValue);
        must_take_ = fewest_cards_adding_up(table_without(place), value);
        ++plays;
    }

    // A card that could take something did.
    void check_capture_made() {
        ASSERT_EQ(must_take_, 0) << "a card that could take stayed on the table" << where();
    }

    // The capture flying to its pile: the played card last, the others the fewest
    // cards of the table adding up to its value; a sweep when the table is left
    // empty with cards still to play.
    void check_capture() {
        const Program& p = match_.program();
        const auto& cards = p.match.Tabella_Carte;
        const int n = cards(38, 41, 1);
        ASSERT_GE(n, 2) << where();
        const int place = p.match.Tabella_Giocatori(5, 1);
        ASSERT_EQ(cards(38, n, kOwner), place) << where();
        const int value = cards(20, place, kValue);
        int sum = 0;
        for (int i = 1; i < n; ++i) sum += cards(20, cards(38, i, kOwner), kValue);
        ASSERT_EQ(sum, value) << where();
        ASSERT_EQ(n - 1, must_take_) << "not the fewest cards" << where();
        must_take_ = 0;

        const int seat = p.match.Ordine_Giocatori(p.match.Indice_Turno);
        const bool table_left_empty = static_cast<int>(table_without(0).size()) == n;
        bool cards_to_play = cards(10, 1, 1) != 0;
        for (int lista : {1, 2, 3, 9}) {
            for (int j = 1; j <= 40; ++j) cards_to_play = cards_to_play || cards(lista, j, kSuit) != 0;
        }
        if (table_left_empty && cards_to_play) ++sweeps_[pile_seat(seat, plan_.players)];
        last_taker_ = pile_seat(seat, plan_.players);
        ++captures;
    }

    void start_hand() {
        const auto& cards = match_.program().match.Tabella_Carte;
        sweeps_.clear();
        last_taker_ = 0;
        for (int s = 1; s <= 9; ++s) totals_before_[s] = cards(37, s, 1);
    }

    bool played_out() const { return testing::played_out(match_.program().match.Tabella_Carte); }

    // The hand's points as the switches award them, and the sweeps, are what each
    // total gained; the table went to the last taker.
    void check_hand_end() {
        const Program& p = match_.program();
        const auto& cards = p.match.Tabella_Carte;
        if (last_taker_ != 0) {
            for (int place = 1; place <= 40; ++place) ASSERT_EQ(cards(20, place, kSuit), 0) << where();
        }
        std::map<int, int> expected = rule_points();
        for (const auto& [seat, count] : sweeps_) expected[seat] += count;
        int all = 0;
        for (int s = 1; s <= 9; ++s) {
            const int gained = cards(37, s, 1) - (plan_.mode == 1 ? 0 : totals_before_[s]);
            ASSERT_EQ(gained, expected[s]) << "seat " << s << where();
            all += gained;
        }
        if (plan_.mode == 1) {
            const auto& messages = match_.platform().messages();
            ASSERT_FALSE(messages.empty()) << where();
            if (all == 0) {
                EXPECT_EQ(messages.back().text, "Partita in parità") << where();
            } else {
                EXPECT_NE(p.match.Vincitore_Partita, 0) << where();
            }
        }
        ++hands;
    }

    // The points of the rule switches, pile by pile, by their own reading.
    std::map<int, int> rule_points() const {
        const auto& cards = match_.program().match.Tabella_Carte;
        const auto& r = plan_.rules;
        const int suit = r[19];
        std::map<int, int> points;
        std::map<int, std::array<int, 3>> figures;  // cards, cards of the suit, primiera
        for (int s : {1, 2, 3, 9}) {
            std::array<int, 4> best{};
            for (int p = 1; p <= 40 && cards(s + 10, p, kSuit) != 0; ++p) {
                const Card c{cards(s + 10, p, kSuit), cards(s + 10, p, kValue)};
                ++figures[s][0];
                if (c.suit == suit) {
                    ++figures[s][1];
                    if (r[static_cast<std::size_t>(c.value - 1)] == 1) ++points[s];
                }
                best[c.suit - 1] =
                    std::max(best[c.suit - 1], kPrimiera[static_cast<std::size_t>(c.value - 1)]);
            }
            figures[s][2] = best[0] + best[1] + best[2] + best[3];
        }
        // A point to the single greatest figure, none on a tie.
        const auto single_best = [&](int which) {
            int max = 0;
            int count = 0;
            int seat = 0;
            for (const auto& [s, f] : figures) {
                if (f[which] > max)
                    max = f[which], count = 1, seat = s;
                else if (f[which] == max && max > 0)
                    ++count;
            }
            if (count == 1) ++points[seat];
        };
        if (r[10] == 1) single_best(0);
        if (r[12] == 1) single_best(1);
        if (r[11] == 1) single_best(2);
        return points;
    }

    std::string where() const {
        std::ostringstream out;
        out << " (seed " << plan_.seed << ", " << plan_.players << " players, difficulty " << plan_.difficulty
            << ", mode " << plan_.mode << ", rules";
        for (int r : plan_.rules) out << ' ' << r;
        out << ")";
        return out.str();
    }

    int checks = 0;
    int plays = 0;
    int captures = 0;
    int hands = 0;

private:
    // The cards on the table but the one at `place`.
    std::vector<Card> table_without(int place) const {
        const auto& cards = match_.program().match.Tabella_Carte;
        std::vector<Card> table;
        for (int q = 1; q <= 40; ++q) {
            if (q != place && cards(20, q, kSuit) != 0)
                table.push_back({cards(20, q, kSuit), cards(20, q, kValue)});
        }
        return table;
    }

    HeadlessMatch& match_;
    MatchPlan plan_;
    int must_take_ = 0;
    int last_taker_ = 0;
    std::map<int, int> sweeps_;
    std::array<int, 10> totals_before_{};
};

// The rule switches of a round: each alone, all on, all off, then at random.
std::array<int, 20> rules_of_round(int round, std::uint64_t seed) {
    std::array<int, 20> rules{};
    rules[19] = static_cast<int>(seed % 4) + 1;
    const int kind = round % 16;
    if (kind < 13) {
        rules[static_cast<std::size_t>(kind)] = 1;
    } else if (kind == 13) {
        for (int r = 0; r < 13; ++r) rules[static_cast<std::size_t>(r)] = 1;
    } else if (kind == 15) {
        std::uint64_t bits = seed * 0x9E3779B97F4A7C15ULL;
        for (int r = 0; r < 13; ++r)
            rules[static_cast<std::size_t>(r)] = static_cast<int>((bits >> (r + 20)) & 1U);
    }
    return rules;
}

struct SoakTotals {
    int hands = 0;
    int plays = 0;
    int captures = 0;
    int checks = 0;
};

// Plays seeded matches, going round every difficulty, kind of match and rule
// switch, until at least `hands_wanted` hands have been played out.
SoakTotals soak(int players, int hands_wanted) {
    SoakTotals totals;
    hands_wanted *= testing::soak_scale();
    std::uint64_t seed = testing::soak_seed() + 2000 + 1000 * static_cast<std::uint64_t>(players);
    for (int round = 0; totals.hands < hands_wanted; ++round) {
        MatchPlan plan = testing::varied_plan(2, players, round, ++seed);
        plan.rules = rules_of_round(round, seed);
        plan.target_points = 2 + static_cast<int>(seed % 5);
        HeadlessMatch match(plan);
        Checker checker(match, plan);
        match.start();
        const int hands = testing::play_match(match, checker);
        if (hands == 0) return totals;
        // The last hand, unless the stop option ended the match inside it.
        if (checker.played_out() && checker.hands < hands) checker.check_hand_end();
        if (::testing::Test::HasFailure()) return totals;
        const auto& cards = match.program().match.Tabella_Carte;
        const int winner = match.program().match.Vincitore_Partita;
        if (plan.mode == 2) {
            EXPECT_GE(winner, 1) << checker.where();
            if (winner < 1) return totals;
            EXPECT_GT(cards(37, winner, 1) + (plan.stop_at_target ? cards(37, winner + 10, 1) : 0),
                      plan.target_points)
                << checker.where();
        }
        totals.hands += checker.hands;
        totals.plays += checker.plays;
        totals.captures += checker.captures;
        totals.checks += checker.checks;
    }
    return totals;
}

class ScopaSoak : public ::testing::TestWithParam<int> {};

// Over the three numbers of players, at least 2,000 hands played out.
TEST_P(ScopaSoak, EveryCardOnceEveryCaptureByTheRuleEveryPointAwarded) {
    const SoakTotals totals = soak(GetParam(), 680);
    std::cout << GetParam() << " players: " << totals.hands << " hands, " << totals.plays << " plays, "
              << totals.captures << " captures, " << totals.checks << " checks of the whole deck\n";
    EXPECT_GE(totals.hands, 680);
}

INSTANTIATE_TEST_SUITE_P(Players, ScopaSoak, ::testing::Values(2, 3, 4),
                         [](const auto& info) { return std::to_string(info.param) + "Players"; });

}  // namespace
}  // namespace tavolora::soak
