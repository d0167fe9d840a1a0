#include "tests/support/scenarios.h"

#include <memory>
#include <sstream>

#include "platform/random.h"

namespace tavolora::testing {

void act_when_wait_begins(Program& program, std::string wait, std::function<void()> act) {
    auto pending = std::make_shared<bool>(true);
    program.waits.set_wait_observer(
        [pending, wait = std::move(wait), act = std::move(act)](std::string_view name) {
            if (*pending && name == wait) {
                *pending = false;
                act();
            }
        });
}

void run_nested_waits(Program& program, QueuedUser& user, bool close_instead, Journal& journal) {
    using platform::kMillisecond;
    table::MasterWindow& w = program.master;
    w.PIC_Tavolo.Visible = true;
    w.CMD_M_Continua.Enabled = false;
    program.settings.Tempi_Animazione(5) = 8;
    program.input.on(table::ControlId::CMD_M_Continua, table::InputEvent::Click,
                     [&](table::ControlKey, const table::MouseArgs&) {
                         journal.push_back("CMD_M_Continua_Click");
                         program.anim.Continua = true;
                     });
    act_when_wait_begins(program, "Avvia_Animazioni", [&] {
        if (close_instead) {
            user.post_close();
        } else {
            user.post_click({table::ControlId::CMD_M_Continua});
        }
    });

    // Inside the continue wait, at 60 ms: three cards fly for 8 ticks.
    const auto fly = [&] {
        journal.push_back("voli: inizio");
        program.animation.Libera_Animazioni();
        for (int k = 1; k <= 3; ++k) {
            program.animation.fill_flight_slot(k, k, "", 100, static_cast<std::int16_t>(1000 * k), 5000, 6000,
                                               8);
        }
        program.animation.Avvia_Animazioni();
        journal.push_back("voli: fine, atterrati " + std::to_string(program.anim.Animazioni_Concluse));
    };
    // Inside the pause, at 30 ms: the wait for the continue button.
    const auto wait_for_continue = [&] {
        journal.push_back("attesa continua: inizio");
        program.anim.Continua = false;
        w.CMD_M_Continua.Enabled = true;
        program.waits.start_timer(30 * kMillisecond, false, fly);
        program.waits.wait_until("Continua", [&] { return program.anim.Continua; });
        w.CMD_M_Continua.Enabled = false;
        journal.push_back("attesa continua: fine");
    };

    program.waits.at_boundary([&] {
        journal.push_back("pausa: inizio");
        program.waits.start_timer(30 * kMillisecond, false, wait_for_continue);
        program.animation.Attendi_Pausa_Movimento_5();
        journal.push_back("pausa: fine");
    });
}

Journal expected_nested_waits() {
    return {"pausa: inizio",           "attesa continua: inizio", "voli: inizio", "CMD_M_Continua_Click",
            "voli: fine, atterrati 3", "attesa continua: fine",   "pausa: fine"};
}

std::string face_path(const std::string& folder, int suit, int value) {
    return folder + "\\Cards\\Tavolora\\" + std::to_string(suit) + "\\" + std::to_string(value) + ".bmp";
}

Journal run_seeded_flights(Program& program, std::uint64_t seed, int batches) {
    platform::Rng rng(seed);
    const auto below = [&rng](int n) { return static_cast<int>(rng.next_u64() % static_cast<unsigned>(n)); };
    const std::string folder = program.ports.folder.program_folder();
    program.master.PIC_Tavolo.Visible = true;

    Journal journal;
    program.waits.at_boundary([&] {
        for (int b = 0; b < batches; ++b) {
            program.animation.Libera_Animazioni();
            const int cards = 1 + below(40);
            const int steps = 1 + below(6);
            for (int k = 1; k <= cards; ++k) {
                const auto coordinate = [&below](int limit) {
                    return static_cast<std::int16_t>(below(limit));
                };
                program.animation.fill_flight_slot(
                    k, 1 + below(40), face_path(folder, 1 + below(4), 1 + below(10)), coordinate(9000),
                    coordinate(14000), coordinate(9000), coordinate(14000), steps);
            }
            program.anim.Fase_Animazione = table::phase::kNone;
            program.animation.Avvia_Animazioni();
            journal.push_back(snapshot(program));
        }
    });
    return journal;
}

std::string snapshot(const Program& program) {
    std::ostringstream out;
    program.master.for_each([&out](const table::Control& c) {
        out << table::describe(c.key);
        if (!c.exists) {
            // What an unloaded flying copy was left with tells where its flight ended.
            out << " unloaded " << c.Top << ',' << c.Left << '\n';
            return;
        }
        out << ' ' << c.Top << ',' << c.Left << ' ' << c.Width << 'x' << c.Height << (c.Visible ? " V" : " -")
            << (c.Enabled ? "E" : "-") << " z" << c.z << " [" << c.Picture << "] [" << c.Caption << "] i"
            << c.Interval << '\n';
    });
    const table::AnimationState& a = program.anim;
    for (int i = 1; i <= table::kFlightSlots; ++i) {
        const table::Tipo_Animazione& slot = a.Animazioni_Carte(i);
        out << "slot " << i << ' ' << slot.Stato(1) << ' ' << slot.Carta(1) << ' ' << slot.Passi;
        for (int c : {1, 2, 5, 6, 9, 10}) out << ' ' << slot.Coordinate(c);
        out << '\n';
    }
    out << "avviate " << a.Animazioni_Avviate << " concluse " << a.Animazioni_Concluse << " finite "
        << a.Animazioni_Finite << " carta " << a.Carta_Animata << " indice " << a.Indice_Animazione << '\n';
    return out.str();
}

}  // namespace tavolora::testing
