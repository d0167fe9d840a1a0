#include "storage/default_options.h"

#include "storage/folders.h"

namespace tavolora::storage {

Tipo_Opzioni default_options(const std::string& program_folder, int game) {
    Tipo_Opzioni record;
    const std::vector<std::string> decks = deck_folders(program_folder);
    if (!decks.empty()) {
        const std::string& deck = decks.size() > 2 ? decks[2] : decks[0];
        record.Mazzo_Carte.assign(deck);
        record.Mazzo_Dorso.assign(deck);
    }
    const std::vector<std::string> pictures = background_pictures(program_folder);
    if (pictures.empty()) {
        record.Sfondo_Tavolo.assign("N");
    } else {
        const std::string& picture = pictures.size() >= 3 ? pictures[2] : pictures[0];
        record.Sfondo_Tavolo.assign(picture.substr(0, picture.size() - 4));
    }
    record.Difficolta = 1;
    for (int i = 1; i <= 5; ++i) record.Animazioni(i) = 8;
    const std::int16_t settings[] = {2, 100, 5, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    for (int i = 1; i <= 15; ++i) record.Impostazioni(i) = settings[i - 1];
    record.Nomi_Giocatori(1).assign("Tuno");
    record.Nomi_Giocatori(2).assign("Galvino");
    record.Nomi_Giocatori(3).assign("Melto");
    if (game == 2) {
        for (int rule : {7, 10, 11, 12, 13}) record.Regole(rule) = 1;
        record.Regole(20) = 3;
    }
    return record;
}

}  // namespace tavolora::storage
