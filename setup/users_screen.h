#pragma once

// The user screens' share of the program's state: the user screen F_02_Utenti (the
// list of users with their photos and names, the selected row and its mark, the
// icon bar) and the new-user screen F_022_Utenti_Nuovo (the name box, the photo
// chooser and its preview, the icon bar), which their handlers (setup/users.h,
// setup/new_user.h) change and the Qt screens show.

#include <cstdint>
#include <string>
#include <vector>

#include "setup/icon_bar.h"

namespace tavolora::setup {

// One row of the user list: the photo at Left 120 and the name at Left 960, both at
// Top, in twips inside the users panel.
struct UserRow {
    std::string LBL_Utente;  // the user's name
    // The photo's path as the program writes paths; "" when the user has none or it
    // cannot be loaded: the row then shows an empty frame.
    std::string PIC_Utente;
    float Top = 0;
};

// The selection mark over the selected row.
struct SelectionMark {
    bool Visible = false;
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
};

struct UsersScreenState {
    std::string Caption;              // the screen's title
    std::string PNL_Scelte_Primarie;  // the icon bar's panel
    std::string FRM_Utente;           // the users' panel
    float FRM_Utente_Height = 0;
    std::vector<UserRow> rows;
    // The selected row from 0; -1 none.
    int Utente_Selezionato = -1;
    SelectionMark Rec;
    // "Cancella utente" (1), "Crea Utente" (2) and "Chiudi" (3).
    IconBar IMG_Icona;
    // The background's second gradient colour, the main menu's.
    std::uint32_t BackColor2 = 0;
};

// The photo scroll bar: value v shows the photo at list position v - 1.
struct PhotoScrollBar {
    int Value = 1;
    int Min = 1;
    int Max = 0;  // the number of photos; 0 when there is none
};

struct NewUserScreenState {
    std::string Caption;  // the screen's title
    std::string PNL_Scelte_Primarie;
    std::string FRM_Utente;
    std::string FRM_022_Inserisci_Nome;
    std::string Frame2;
    // The name box, which takes at most 14 characters.
    std::string TXT_022_Nome_Utente;
    // The photos of the Photos folder, in list order.
    std::vector<std::string> File1;
    PhotoScrollBar HSC_Foto;
    // The preview's picture path; "" when there is no photo or it cannot be loaded.
    std::string PIC_Utente;
    // "Crea utente" (1) and "Chiudi" (2).
    IconBar IMG_Icona;
    std::uint32_t BackColor2 = 0;
};

}  // namespace tavolora::setup
