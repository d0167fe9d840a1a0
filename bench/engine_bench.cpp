// The engine's figures that matter to a player: the longest computer decision,
// against a 20 ms frame, and whole hands per second.

#include <benchmark/benchmark.h>

#include "bench/play_hands.h"
#include "tests/support/headless_match.h"

namespace {

using tavolora::Program;
using tavolora::bench::play_hands;
using tavolora::testing::HeadlessMatch;
using tavolora::testing::MatchPlan;

// The longest Briscola decision: four players, five cards (the 151 variant), the
// seat playing last after three cards, at the hardest difficulty.
void BM_LongestBriscolaDecision(benchmark::State& state) {
    tavolora::testing::HeadlessProgram h;
    Program& p = h.program;
    auto& m = p.match;
    m.Codice_Gioco = 1;
    m.Numero_Giocatori = 4;
    m.Carte_In_Mano = 5;
    p.engine.Mescola_Mazzo();
    p.engine.Assegna_Valori_Carte();
    const auto put = [&m](int lista, int position, int suit, int value, int owner) {
        m.Tabella_Carte(lista, position, 1) = static_cast<std::int16_t>(suit);
        m.Tabella_Carte(lista, position, 2) = static_cast<std::int16_t>(value);
        m.Tabella_Carte(lista, position, 3) = static_cast<std::int16_t>(owner);
    };
    put(20, 1, 1, 3, 9);
    put(20, 2, 2, 1, 1);
    put(20, 3, 1, 10, 2);
    for (int k = 1; k <= 5; ++k) put(3, k, 1 + k % 4, k + 3, 3);
    m.Giocatore_Corrente = 3;
    p.settings.Difficolta = 3;
    for (auto _ : state) {
        p.players.Valuta_Carte_Computer();
        p.players.Scegli_Carta_Max_35();
        benchmark::DoNotOptimize(m.Tabella_Giocatori(3, 4));
    }
}
BENCHMARK(BM_LongestBriscolaDecision)->Unit(benchmark::kMicrosecond);

// A points match that never ends, at the hardest difficulty, every timing 8.
MatchPlan endless_match(int game, int players) {
    MatchPlan plan;
    plan.game = game;
    plan.players = players;
    plan.difficulty = 3;
    plan.mode = 2;
    plan.target_points = 1000000;  // past any 16-bit total
    plan.flight_steps = 8;
    plan.thinking = 8;
    plan.display = 8;
    return plan;
}

void BM_BriscolaHands(benchmark::State& state) {
    play_hands(state, endless_match(1, static_cast<int>(state.range(0))));
}
BENCHMARK(BM_BriscolaHands)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);

// Scopa's table at its fullest: thirteen cards (8,191 combinations), and a hand of
// ten cards, four players, none of which matches a sum.
void scopa_full_table(Program& p) {
    auto& m = p.match;
    m.Codice_Gioco = 2;
    m.Numero_Giocatori = 4;
    m.Carte_In_Mano = 10;
    m.Fattore_Forza = 1.5;
    m.Incremento_Forza = 3;
    p.settings.Regole_Partita(20) = 3;
    p.engine.Assegna_Valori_Carte();
    const int table_values[13] = {1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4};
    for (int k = 0; k < 13; ++k) {
        m.Tabella_Carte(20, k + 1, 1) = static_cast<std::int16_t>(k % 4 + 1);
        m.Tabella_Carte(20, k + 1, 2) = static_cast<std::int16_t>(table_values[k]);
    }
    for (int seat : {1, 2, 3, 9}) {
        for (int k = 1; k <= 10; ++k) {
            m.Tabella_Carte(seat, k, 1) = static_cast<std::int16_t>(k % 4 + 1);
            m.Tabella_Carte(seat, k, 2) = static_cast<std::int16_t>(k);
        }
    }
    const std::int16_t order[4] = {9, 3, 2, 1};
    for (int i = 0; i < 4; ++i) m.Ordine_Giocatori(i + 1) = order[i];
    m.Indice_Turno = 2;
    m.Giocatore_Corrente = 3;
    p.settings.Difficolta = 3;
}

// The capture sums of a full table, as every Scopa turn starts.
void BM_ScopaCaptureSums13Cards(benchmark::State& state) {
    tavolora::testing::HeadlessProgram h;
    Program& p = h.program;
    scopa_full_table(p);
    for (auto _ : state) {
        p.waits.at_boundary([&p] { p.engine.Calcolo_Combinazioni(); });
        benchmark::DoNotOptimize(p.match.combinazioni.LTOT_Somme.back());
    }
}
BENCHMARK(BM_ScopaCaptureSums13Cards)->Unit(benchmark::kMicrosecond);

// The longest Scopa decision: the sums of a full table, then every chooser of the
// hardest difficulty over a hand of ten cards.
void BM_LongestScopaDecision(benchmark::State& state) {
    tavolora::testing::HeadlessProgram h;
    Program& p = h.program;
    scopa_full_table(p);
    for (auto _ : state) {
        p.waits.at_boundary([&p] { p.engine.Calcolo_Combinazioni(); });
        p.match.Tabella_Giocatori(3, 4) = 0;
        p.players.Scegli_Presa_Migliore();
        p.players.Scegli_Carta_Scopa_Sicura();
        p.players.Cerca_Scopa();
        if (p.match.Tabella_Giocatori(3, 4) == 0) p.players.Scegli_Carta_Casuale();
        benchmark::DoNotOptimize(p.match.Tabella_Giocatori(3, 4));
    }
}
BENCHMARK(BM_LongestScopaDecision)->Unit(benchmark::kMicrosecond);

// Tresette's decision at the hardest difficulty over a dealt hand: the figures and
// the count of the cards out renewed, the hand restricted to the legal cards, the
// tree, the hand restored. `following` puts two cards on the table first.
void tresette_decision(benchmark::State& state, int players, bool following) {
    tavolora::testing::HeadlessProgram h;
    Program& p = h.program;
    auto& m = p.match;
    m.Codice_Gioco = 4;
    m.Numero_Giocatori = players;
    m.Carte_In_Mano = players == 3 ? 13 : 10;
    p.engine.Imposta_Ordine_Giocatori();
    p.engine.Mescola_Mazzo();
    p.animation.Assegna_Carte_Giocatori();
    const int seat = m.Ordine_Giocatori(players);
    if (following) {
        // The two seats before it have played the first card of their hands.
        for (int t = 1; t <= 2; ++t) {
            const int before = m.Ordine_Giocatori(players - 3 + t > 0 ? players - 3 + t : t);
            for (int a = 1; a <= 3; ++a) {
                m.Tabella_Carte(20, t, a) = m.Tabella_Carte(before, 1, a);
                m.Tabella_Carte(before, 1, a) = 0;
            }
        }
    }
    m.Indice_Turno = static_cast<std::int16_t>(players);
    m.Giocatore_Corrente = static_cast<std::int16_t>(seat);
    p.settings.Difficolta = 3;
    for (auto _ : state) {
        p.engine.Assegna_Valori_Carte();
        p.players.Aggiorna_Forza_Carte();
        m.Tabella_Giocatori(seat, 4) = 0;
        p.players.Limita_Carte_Giocabili();
        p.players.Scegli_Carta_Tresette();
        p.players.Ripristina_Mano();
        benchmark::DoNotOptimize(m.Tabella_Giocatori(seat, 4));
    }
}

void BM_TresetteDecisionLeading(benchmark::State& state) {
    tresette_decision(state, static_cast<int>(state.range(0)), false);
}
BENCHMARK(BM_TresetteDecisionLeading)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMicrosecond);

void BM_TresetteDecisionFollowing(benchmark::State& state) {
    tresette_decision(state, static_cast<int>(state.range(0)), true);
}
BENCHMARK(BM_TresetteDecisionFollowing)->Arg(3)->Arg(4)->Unit(benchmark::kMicrosecond);

void BM_TresetteHands(benchmark::State& state) {
    play_hands(state, endless_match(4, static_cast<int>(state.range(0))));
}
BENCHMARK(BM_TresetteHands)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);

// Camicia: whole deals, one after another, in cards turned per second (the making
// of each new match not counted).
void BM_CamiciaCards(benchmark::State& state) {
    std::int64_t turned = 0;
    std::uint64_t seed = 1;
    for (auto _ : state) {
        state.PauseTiming();
        MatchPlan plan;
        plan.game = 3;
        plan.seed = seed++;
        plan.flight_steps = 8;
        HeadlessMatch match(plan);
        match.on_wait([&match, &turned](std::string_view wait) {
            if (wait == "Avvia_Animazioni" && match.program().match.Tabella_Carte(4, 1, 1) != 0) ++turned;
        });
        state.ResumeTiming();
        match.start();
        while (!match.match_over() && match.play_human_card()) {
        }
    }
    state.SetItemsProcessed(turned);
}
BENCHMARK(BM_CamiciaCards)->Unit(benchmark::kMillisecond);

// Whole Scopa hands with every rule on.
void BM_ScopaHands(benchmark::State& state) {
    MatchPlan plan = endless_match(2, static_cast<int>(state.range(0)));
    plan.rules = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 3};
    play_hands(state, plan);
}
BENCHMARK(BM_ScopaHands)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
