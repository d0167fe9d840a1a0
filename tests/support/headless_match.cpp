#include "tests/support/headless_match.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>
#include <utility>
#include <vector>

#include "platform/random.h"
#include "storage/record_file.h"
#include "storage/records.h"
#include "table/table_positions.h"

namespace tavolora::testing {

std::string bmp_header(int width, int height) {
    std::string bytes(54, '\0');
    const auto put = [&bytes](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put(2, 54);
    put(10, 54);
    put(14, 40);
    put(18, static_cast<std::uint32_t>(width));
    put(22, static_cast<std::uint32_t>(height));
    bytes[26] = 1;
    bytes[28] = 24;
    return bytes;
}

void write_test_deck(const TempFolder& folder) {
    const std::string card = bmp_header(72, 120);
    for (int suit = 1; suit <= 4; ++suit) {
        for (int value = 1; value <= 10; ++value) {
            folder.write("Cards/Mazzo/" + std::to_string(suit) + "/" + std::to_string(value) + ".bmp", card);
        }
    }
    folder.write("Cards/Mazzo/1/0.bmp", card);
    folder.write("Cards/Mazzo/1/00.bmp", card);
}

void write_test_deck(const TempFolder& folder, int width, int height, std::string_view deck) {
    const std::string card = bmp_header(width, height);
    const std::string faces = "Cards/" + std::string(deck) + "/";
    for (int suit = 1; suit <= 4; ++suit) {
        for (int value = 1; value <= 10; ++value) {
            folder.write(faces + std::to_string(suit) + "/" + std::to_string(value) + ".bmp", card);
        }
    }
    folder.write(faces + "1/0.bmp", card);
    folder.write(faces + "1/00.bmp", bmp_header(height, width));
}

namespace {
// The deck's pictures, written once for every match of the process: each match's
// folder links to them, so a soak of thousands of matches writes one deck. A deck
// of another card size is written once too, beside it.
std::filesystem::path shared_cards(int width, int height) {
    static const TempFolder folder;
    static const std::filesystem::path cards = [] {
        write_test_deck(folder);
        return folder.path() / "Cards";
    }();
    if (width == 0 || height == 0) return cards;
    static std::map<std::pair<int, int>, TempFolder> sized;
    const auto [at, made] = sized.try_emplace({width, height});
    if (made) write_test_deck(at->second, width, height);
    return at->second.path() / "Cards";
}
}  // namespace

HeadlessMatch::HeadlessMatch(const MatchPlan& plan)
    : plan_(plan), h_(folder_.string(), plan.seed), choices_(plan.seed * 7919 + 17) {
    std::filesystem::create_directory_symlink(shared_cards(plan.card_width, plan.card_height),
                                             folder_.path() / "Cards");
    if (plan.with_user) {
        folder_.write("Users/Anna.usr", std::string(20, ' '));

        storage::Tipo_Opzioni options;
        options.Mazzo_Carte.assign("Mazzo");
        options.Mazzo_Dorso.assign("Mazzo");
        options.Sfondo_Tavolo.assign("N");
        options.Difficolta = static_cast<std::int16_t>(plan.difficulty);
        options.Animazioni(1) = options.Animazioni(2) = options.Animazioni(3) =
            static_cast<std::int16_t>(plan.flight_steps);
        options.Animazioni(4) = static_cast<std::int16_t>(plan.thinking);
        options.Animazioni(5) = static_cast<std::int16_t>(plan.display);
        for (int r = 1; r <= 20; ++r) options.Regole(r) = static_cast<std::int16_t>(plan.rules[r - 1]);
        const storage::OptionsBytes bytes = storage::encode(options);
        folder_.write("Users/Anna_" + std::to_string(plan.game) + ".opt",
                      std::string(bytes.data(), bytes.size()));
    }

    Program& p = h_.program;
    p.waits.set_wait_observer([this](std::string_view wait) {
        if (observer_) observer_(wait);
    });
    // The player presses the on-table continue button whenever the table waits for
    // it, or, where the table shows none, clicks the table.
    h_.platform.set_idle_responder([this](std::string_view wait) {
        table::InputDispatcher& input = h_.program.input;
        // The lead signal the table asks for: one of the words offered.
        if (wait == "Parola_Tiro") {
            choices_ = choices_ * 6364136223846793005ULL + 1442695040888963407ULL;
            const int first = static_cast<int>((choices_ >> 33) % 2);
            return input.click({table::ControlId::CMD_Parola_Tiro, first}) ||
                   input.click({table::ControlId::CMD_Parola_Tiro, 1 - first});
        }
        if (wait != "Continua") return false;
        if (input.click({table::ControlId::CMD_M_Continua})) return true;
        if (input.deliver({table::ControlId::IMG_Sfondo_Tavolo}, table::InputEvent::MouseDown)) return true;
        input.deliver({table::ControlId::PIC_Tavolo}, table::InputEvent::MouseMove);
        return input.click({table::ControlId::PIC_Tavolo});
    });
    p.waits.at_boundary([&p] { p.start_up(); });
    if (plan.with_user) p.settings.Nome_Utente.assign("Anna");
    p.match.Codice_Gioco = static_cast<std::int16_t>(plan.game);
    p.storage.Imposta_Percorso_Opzioni();
    p.master_events.window_resized(15360, 11520, 15240, 11020);
}

void HeadlessMatch::start() {
    Program& p = h_.program;
    // The kind of match, as the main menu's play icon chooses it.
    const table::ControlId handler = plan_.mode == 2   ? table::ControlId::Q_N_Punteggio
                                     : plan_.mode == 3 ? table::ControlId::Q_N_Partite
                                     : plan_.mode == 4 ? table::ControlId::Q_N_151
                                                       : table::ControlId::Q_N_Singola;
    p.setup.match_setup.load();
    p.setup.setup_screen.TXT_Numero_Partite.Text = std::to_string(plan_.target_games);
    p.waits.at_boundary([&p, handler] {
        // What the main menu does before any of its icons acts.
        table::Imposta_Posizioni_Tavolo(p.anim, p.match.Codice_Gioco);
        p.setup.main_menu_events.Salva_Opzioni_Generali();
        switch (handler) {
            case table::ControlId::Q_N_Punteggio:
                p.master_events.Q_N_Punteggio_Click();
                break;
            case table::ControlId::Q_N_Partite:
                p.master_events.Q_N_Partite_Click();
                break;
            case table::ControlId::Q_N_151:
                p.master_events.Q_N_151_Click();
                break;
            default:
                p.master_events.Q_N_Singola_Click();
                break;
        }
    });

    setup::SetupControls screen;
    screen.settings.OPT_Numero_Giocatori = plan_.players;
    screen.settings.SLD_Punteggio = plan_.target_points;
    screen.settings.SLD_Partite = plan_.target_games;
    screen.settings.CHK_Ferma_Punteggio = plan_.stop_at_target;
    screen.settings.OPT_Gioca_Per_Primo = plan_.first_player;
    screen.settings.OPT_Verso_Delle_Carte_0 = plan_.clockwise;
    screen.settings.TXT_Nome_Giocatore(1) = "Tuno";
    screen.settings.TXT_Nome_Giocatore(2) = "Galvino";
    screen.settings.TXT_Nome_Giocatore(3) = "Melto";
    // The mode's place in the game's list of kinds of match: Briscola lists "Partite"
    // before "Punteggio".
    const bool briscola = plan_.game == 1;
    screen.settings.LBL_Modalita_Tag = std::to_string(briscola && plan_.mode == 2   ? 3
                                                      : briscola && plan_.mode == 3 ? 2
                                                                                    : plan_.mode);
    screen.OPT_Camicia = plan_.camicia_kind;
    screen.TXT_Camicia_Numero = std::to_string(plan_.camicia_cards);
    screen.TXT_Numero_Partite = std::to_string(plan_.target_games);
    screen.TXT_Numero_Punteggio = std::to_string(plan_.target_points);
    p.waits.at_boundary([&p, &screen] { p.setup.game_setup.CMD_Gioca_Click(screen); });
}

bool HeadlessMatch::hand_over() const {
    const Program& p = h_.program;
    return p.match.Partita_Finita || p.match.Partita_Terminata || p.master.PIC_Fine_Partita.Visible;
}

bool HeadlessMatch::play_human_card() {
    Program& p = h_.program;
    const auto& cards = p.match.Tabella_Carte;
    // In Tresette the led suit must be followed while the hand holds it.
    int led = 0;
    if (p.match.Codice_Gioco == 4) {
        const int table_suit = cards(20, 1, 1);
        for (int i = 1; i <= 40 && table_suit != 0; ++i) {
            if (cards(9, i, 1) == table_suit) led = table_suit;
        }
    }
    std::vector<int> playable;
    // Camicia's pile is played from its top card, wherever it stands.
    const int last = p.match.Codice_Gioco == 3 ? 40 : std::min(p.match.Carte_In_Mano, 40);
    for (int i = 1; i <= last; ++i) {
        if (led != 0 && cards(9, i, 1) != led) continue;
        if (p.master.P.find(i) != nullptr && p.master.accepts_input({table::ControlId::P, i}))
            playable.push_back(i);
    }
    if (playable.empty()) return false;
    choices_ = choices_ * 6364136223846793005ULL + 1442695040888963407ULL;
    const int card = playable[(choices_ >> 33) % playable.size()];
    return p.input.click({table::ControlId::P, card});
}

void HeadlessMatch::continue_after_hand() {
    h_.program.input.click({table::ControlId::CMD_Continua});
}

int HeadlessMatch::play_to_end(int hand_limit) {
    start();
    int hands = 1;
    while (!match_over() && hands <= hand_limit) {
        if (hand_over()) {
            continue_after_hand();
            if (!match_over()) ++hands;
            continue;
        }
        if (!play_human_card()) break;
    }
    return hands;
}

}  // namespace tavolora::testing
