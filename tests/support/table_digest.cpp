// A digest of the table at every wait of many seeded matches, one line per match:
// the card table, and every control's place, size, state, picture, caption, tag,
// list and stacking, with the wait's name and the virtual time. Two builds that
// print the same lines play the same matches and show the same table at every
// step; a change meant to leave the play alone is checked by comparing them:
//
//     tavolora_table_digest 100 > before.txt   (one build)
//     tavolora_table_digest 100 > after.txt    (the other)
//     diff before.txt after.txt
//
// The argument is the number of matches per game and number of players (Camicia:
// half as many per kind of match).

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tests/support/headless_match.h"
#include "tests/support/soak_support.h"

namespace {

using tavolora::Program;
using tavolora::testing::HeadlessMatch;
using tavolora::testing::MatchPlan;

// FNV-1a, 64 bits: any change of any byte shows.
struct Digest {
    std::uint64_t h = 1469598103934665603ULL;
    void bytes(const void* data, std::size_t n) {
        const auto* b = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < n; ++i) {
            h ^= b[i];
            h *= 1099511628211ULL;
        }
    }
    template <class T>
    void value(const T& v) {
        bytes(&v, sizeof v);
    }
    void text(std::string_view s) {
        value(s.size());
        bytes(s.data(), s.size());
    }
};

std::string digest_of(const MatchPlan& plan, int most_plays) {
    HeadlessMatch match(plan);
    // The pictures' paths start with the match's own temporary folder: left out.
    const std::string folder = match.folder().string();
    Digest d;
    long waits = 0;
    match.on_wait([&](std::string_view wait) {
        const Program& p = match.program();
        ++waits;
        d.text(wait);
        d.value(match.platform().now());
        d.value(p.match.Tabella_Carte);
        p.master.for_each([&](const tavolora::table::Control& c) {
            d.value(c.key.id);
            d.value(c.key.index);
            d.value(c.exists);
            if (!c.exists) return;
            d.value(c.Top);
            d.value(c.Left);
            d.value(c.Width);
            d.value(c.Height);
            d.value(c.Visible);
            d.value(c.Enabled);
            d.value(c.z);
            std::string_view picture = c.Picture;
            if (picture.substr(0, folder.size()) == folder) picture.remove_prefix(folder.size());
            d.text(picture);
            d.text(c.Caption);
            d.text(c.Tag);
            d.value(c.Interval);
            d.value(c.items.size());
            for (const std::string& item : c.items) d.text(item);
        });
    });
    match.start();
    int hands = 1;
    int plays = 0;
    while (!match.match_over() && hands < 300 && plays < most_plays) {
        if (match.hand_over()) {
            match.continue_after_hand();
            if (!match.match_over()) ++hands;
            continue;
        }
        if (!match.play_human_card()) break;
        ++plays;
    }
    const Program& p = match.program();
    d.value(p.match.Tabella_Carte);
    d.value(p.match.Vincitore_Partita);
    for (const auto& message : match.platform().messages()) {
        d.text(message.title);
        d.text(message.text);
    }
    char line[200];
    std::snprintf(line, sizeof line, "game %d, %d players, seed %llu, %d steps: %d hands, %d plays, %ld waits, %016llx\n",
                  plan.game, plan.players, static_cast<unsigned long long>(plan.seed), plan.flight_steps, hands,
                  plays, waits, static_cast<unsigned long long>(d.h));
    return line;
}

}  // namespace

int main(int argc, char** argv) {
    const int per = argc > 1 ? std::atoi(argv[1]) : 100;
    // The trick games and Scopa: the soak tests' varied matches, with one, two or
    // three flight steps and now and then the 151 variant or a points match.
    for (int game : {1, 2, 4}) {
        for (int players : {2, 3, 4}) {
            for (int round = 0; round < per; ++round) {
                const std::uint64_t seed = 50000 + 1000 * game + 100 * players + round;
                MatchPlan plan = tavolora::testing::varied_plan(game, players, round, seed);
                plan.flight_steps = 1 + static_cast<int>(seed % 3);
                if (round % 10 == 9) plan.mode = game == 1 ? 4 : 2;
                std::fputs(digest_of(plan, 100000).c_str(), stdout);
            }
        }
    }
    // Camicia, every kind of match, cut after 600 cards turned.
    for (int kind = 0; kind < 4; ++kind) {
        for (int round = 0; round < per / 2; ++round) {
            MatchPlan plan;
            plan.game = 3;
            plan.seed = 70000 + static_cast<std::uint64_t>(kind) * 1000 + static_cast<std::uint64_t>(round);
            plan.camicia_kind = kind;
            plan.camicia_cards = 21 + static_cast<int>(plan.seed % 19);
            plan.flight_steps = 1 + round % 2;
            std::fputs(digest_of(plan, 600).c_str(), stdout);
        }
    }
    return 0;
}
