#include "setup/main_menu.h"

#include <algorithm>

#include "core/games.h"
#include "core/numbers.h"
#include "core/program.h"
#include "storage/basic_text.h"

namespace tavolora::setup {

std::uint32_t game_colour(int game, std::uint32_t current) {
    const games::Game* facts = games::find(game);
    return facts != nullptr ? facts->colour : current;
}

void MainMenu::Form_Load() {
    storage::SettingsState& s = program_.settings;
    MainMenuState& menu = program_.main_menu;
    program_.animation.Centra_Menu();
    program_.storage.Inizializza_Tabelle_Utenti_Giochi();
    menu.LBL_Primarie(1) = {s.Utenti_Giochi(1, 1).text(), "1"};
    menu.LBL_Primarie(2) = {s.Utenti_Giochi(2, 1).text(), "1"};
    s.Nome_Utente.assign(menu.LBL_Primarie(1).Caption);
    program_.match.Codice_Gioco = 1;
    program_.storage.Carica_Opzioni_Generali();
    program_.storage.Imposta_Percorso_Opzioni();
}

void MainMenu::Form_Unload() {
    program_.storage.Salva_Opzioni_Generali();
}

void MainMenu::IMG_Icona_Primarie_Click(int index) {
    storage::SettingsState& s = program_.settings;
    MainMenuState& menu = program_.main_menu;
    program_.master_events.Chiudi_Tutte_Le_Form();

    const int row = index == 4 ? 2 : 1;
    MenuLabel& label = menu.LBL_Primarie(row);
    const auto named = [&s, row](int position) { return !s.Utenti_Giochi(row, position).trimmed().empty(); };
    const long p = storage::basic_val(label.Tag);
    long q = p;
    if (index == 1) {
        q = p - 1;
        if (q <= 0) {
            // Back from the first: the last named position (the first when none is).
            q = 1;
            for (int position = 10; position >= 1; --position) {
                if (named(position)) {
                    q = position;
                    break;
                }
            }
        }
        if (q > 10) q = 10;
    } else if (index == 2) {
        q = p + 1;
        if (q > 10 || q < 1 || !named(static_cast<int>(q))) q = 1;
    } else if (index == 4) {
        q = std::max(p + 1, 1L);
        while (q <= 10 && !named(static_cast<int>(q))) ++q;
        if (q > 10) q = 1;  // taken even when blank
    } else {
        return;
    }
    label.Caption = s.Utenti_Giochi(row, static_cast<int>(q)).trimmed_right();
    label.Tag = format_plain(q);

    s.Nome_Utente.assign(menu.LBL_Primarie(1).Caption);
    std::int16_t game = 0;
    if (store16(game, storage::basic_val(menu.LBL_Primarie(2).Tag))) program_.match.Codice_Gioco = game;
    menu.BackColor2 = game_colour(program_.match.Codice_Gioco, menu.BackColor2);
    program_.storage.Imposta_Percorso_Opzioni();
}

}  // namespace tavolora::setup
