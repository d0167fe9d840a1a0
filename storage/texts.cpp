// The built-in labels from which the screens take their captions.

#include <utility>

#include "program/program.h"
#include "storage/settings.h"

namespace tavolora::storage {

void Settings::Carica_Testi_Italiano() {
    SettingsState& s = program_.settings;
    s.Lingua = 1;
    static constexpr std::pair<int, const char*> kTexts[] = {
        {0, "Menù"},
        {4, "Gioca!"},
        {9, "Chiudi"},
        {12, "Scelta utente e gioco"},
        {13, "Menù principale"},
        {14, "Nuova partita"},
        {15, "Utenti"},
        {16, "Opzioni"},
        {17, "Guida"},
        {18, "Crediti"},
        {20, "Esci"},
        {21, "Cancella utente"},
        {22, "Crea Utente"},
        {23, "Avvia"},
        {24, "Utenti"},
        {25, "Gestione utenti"},
        {26, "Crea utente"},
        {27, "Scelta nome e logo"},
        {28, "Inserisci il nome"},
        {29, "Scegli il logo"},
        {30, "Nuovo utente"},
        {31, "Scegli la modalità di gioco"},
        {32, "Scegli le opzioni sui giocatori e le carte"},
        {33, "Scegli il tipo di partita"},
        {34, "Seleziona il numero di punti da raggiungere"},
        {35, "Seleziona il numero di partite da vincere"},
        {36, "2 Giocatori"},
        {37, "3 Giocatori"},
        {38, "4 Giocatori"},
        {39, "Gioca per primo"},
        {40, "Nomi degli altri giocatori"},
        {41, "Giocatore davanti"},
        {42, "Giocatore destra"},
        {43, "Giocatore sinistra"},
        {44, "Giro delle carte"},
        {45, "Orario"},
        {46, "Anti orario"},
        {47, "Ferma quando si passa il limite dei punti"},
        {48, "Partita normale"},
        {49, "Partita alle carte"},
        {50, "Seleziona il numero di carte per vincere"},
        {51, "Numero di giocatori"},
        {52, "Tipo di partita"},
        {53, "Mazzo"},
        {54, "Animazioni"},
        {55, "Difficoltà"},
        {56, "Sfondo"},
        {57, "Salva impostazioni"},
        {58, "Impostazioni salvate"},
        {59, "Seleziona un mazzo"},
        {60, "Queste sono le carte del mazzo"},
        {61, "Questo è il dorso delle carte"},
        {62, "Movimento Mazzo-Giocatori"},
        {63, "Movimento Giocatori-Tavolo"},
        {64, "Movimento Tavolo-Giocatori"},
        {65, "Tempo di decisione"},
        {66, "Tempo di visualizzazione del tavolo"},
        {67, "Aspetta fino al click del mouse"},
        {68, "Prova"},
        {69, "Facile"},
        {70, "Normale"},
        {71, "Difficile"},
        {72, "Sfondo del tavolo"},
        {73, "Visualizza briscola"},
        {74, "Visualizza punteggi"},
        {75, "Visualizza carte prese"},
        {76, "Visualizza tiri"},
        {77, "Prosegui"},
        {78, "Esci dalla partita"},
        {79, "Riepilogo accusi"},
        {80, "Ridisposizione Carte"},
        {81, "Visualizzazione delle prese di:"},
        {82, "Giocatori"},
        {83, "Parziali"},
        {84, "Totali"},
    };
    for (const auto& [entry, text] : kTexts) s.Testi(entry).assign(text);
    // The last entries are blank; entry 99 keeps what it held from the start.
    for (int entry = 85; entry <= 98; ++entry) s.Testi(entry).assign("");
}

}  // namespace tavolora::storage
