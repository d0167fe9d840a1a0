#pragma once

// The program's own pictures: the icons of the screens and of the card table, the
// highlight that slides under a screen's icons, the pictures of the credits, the
// pointer over the human's cards and the window icon. They lie as PNG files with
// transparency in "<program folder>\Icons"; the picture generator draws each one
// at the size given here, and the screens show them at that size.

#include <array>
#include <string>
#include <string_view>

namespace tavolora::storage::icons {

inline constexpr std::string_view kFolder = "Icons";
inline constexpr std::string_view kExtension = ".png";

struct IconFile {
    std::string_view stem;
    int width;
    int height;
};

// The size of an icon of a screen's icon bar: 720 twips a side.
inline constexpr int kBar = 48;

// Main menu: the action icons, and the arrows of the user and game rows (the
// match set-up's mode arrows are the same two).
inline constexpr IconFile kNuovaPartita{"menu_nuova_partita", kBar, kBar};
inline constexpr IconFile kUtenti{"menu_utenti", kBar, kBar};
inline constexpr IconFile kOpzioni{"menu_opzioni", kBar, kBar};
inline constexpr IconFile kGuida{"menu_guida", kBar, kBar};
inline constexpr IconFile kCrediti{"menu_crediti", kBar, kBar};
inline constexpr IconFile kEsci{"menu_esci", kBar, kBar};
inline constexpr IconFile kFrecciaIndietro{"freccia_indietro", kBar, kBar};
inline constexpr IconFile kFrecciaAvanti{"freccia_avanti", kBar, kBar};

// The highlight that slides under the hovered icon of every icon bar: 750 twips a
// side, transparent where it does not frame the icon.
inline constexpr IconFile kEvidenziatore{"evidenziatore", 50, 50};

// Shared by the screens: close the screen; start the match (match set-up).
inline constexpr IconFile kChiudi{"chiudi", kBar, kBar};
inline constexpr IconFile kGioca{"gioca", kBar, kBar};

// Users and new user.
inline constexpr IconFile kUtenteCancella{"utente_cancella", kBar, kBar};
inline constexpr IconFile kUtenteNuovo{"utente_nuovo", kBar, kBar};
inline constexpr IconFile kUtenteCrea{"utente_crea", kBar, kBar};

// Options: the panels of the icon bar, and the sub-menu strip of each panel (save
// with changes pending, saved, close the panel).
inline constexpr IconFile kOpzioniMazzo{"opzioni_mazzo", kBar, kBar};
inline constexpr IconFile kOpzioniAnimazioni{"opzioni_animazioni", kBar, kBar};
inline constexpr IconFile kOpzioniDifficolta{"opzioni_difficolta", kBar, kBar};
inline constexpr IconFile kOpzioniSfondo{"opzioni_sfondo", kBar, kBar};
inline constexpr IconFile kOpzioniRegole{"opzioni_regole", kBar, kBar};
inline constexpr IconFile kSalva{"salva", kBar, kBar};
inline constexpr IconFile kSalvato{"salvato", kBar, kBar};
inline constexpr IconFile kPannelloChiudi{"pannello_chiudi", kBar, kBar};

// Credits: write a mail, visit the web site; the maker's and the publisher's
// pictures and two decorations.
inline constexpr IconFile kCreditiEmail{"crediti_email", kBar, kBar};
inline constexpr IconFile kCreditiSito{"crediti_sito", kBar, kBar};
inline constexpr IconFile kCreditiAutore{"crediti_autore", 64, 64};
inline constexpr IconFile kCreditiEditore{"crediti_editore", 64, 64};
inline constexpr IconFile kCreditiDecoro1{"crediti_decoro_1", 120, 80};
inline constexpr IconFile kCreditiDecoro2{"crediti_decoro_2", 120, 80};

// The card table: the drag handle, close and reopen buttons of the floating panels
// and of the button strip (300 x 240 twips), and the pointer over a card of the
// human's hand, whose hot spot is the tip of the pointing finger.
inline constexpr IconFile kTavoloSposta{"tavolo_sposta", 20, 16};
inline constexpr IconFile kTavoloChiudi{"tavolo_chiudi", 20, 16};
inline constexpr IconFile kTavoloApri{"tavolo_apri", 20, 16};
inline constexpr IconFile kCursoreCarta{"cursore_carta", 32, 32};
inline constexpr int kCursoreCartaHotX = 12;
inline constexpr int kCursoreCartaHotY = 1;

// The program's window icon, drawn for each size a window system asks for.
inline constexpr std::array kProgramma{
    IconFile{"tavolora_16", 16, 16}, IconFile{"tavolora_32", 32, 32},    IconFile{"tavolora_48", 48, 48},
    IconFile{"tavolora_64", 64, 64}, IconFile{"tavolora_128", 128, 128},
};

inline constexpr std::array kAll{
    kNuovaPartita,      kUtenti,         kOpzioni,         kGuida,
    kCrediti,           kEsci,           kFrecciaIndietro, kFrecciaAvanti,
    kEvidenziatore,     kChiudi,         kGioca,           kUtenteCancella,
    kUtenteNuovo,       kUtenteCrea,     kOpzioniMazzo,    kOpzioniAnimazioni,
    kOpzioniDifficolta, kOpzioniSfondo,  kOpzioniRegole,   kSalva,
    kSalvato,           kPannelloChiudi, kCreditiEmail,    kCreditiSito,
    kCreditiAutore,     kCreditiEditore, kCreditiDecoro1,  kCreditiDecoro2,
    kTavoloSposta,      kTavoloChiudi,   kTavoloApri,      kCursoreCarta,
    kProgramma[0],      kProgramma[1],   kProgramma[2],    kProgramma[3],
    kProgramma[4],
};

// "<program folder>\Icons\<stem>.png", written as the program writes its paths.
inline std::string path(std::string_view program_folder, const IconFile& icon) {
    std::string result(program_folder);
    result.append("\\").append(kFolder).append("\\").append(icon.stem).append(kExtension);
    return result;
}

}  // namespace tavolora::storage::icons
