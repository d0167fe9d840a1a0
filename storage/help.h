#pragma once

// The help screen's reading of the help files: the index of the current game's
// help file and the body of the topic the user picks in it.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/help_file.h"

namespace tavolora {
class Program;
}

namespace tavolora::storage {

class Help {
public:
    explicit Help(Program& program) : program_(program) {}
    Help(const Help&) = delete;
    Help& operator=(const Help&) = delete;

    // Points Percorso_Guida at the current game's help file,
    // "<program folder>\Languages\Ita_<game code>.txt", and returns its index
    // (nothing when the file cannot be read).
    std::vector<HelpNode> Carica_Indice_Guida();

    // The body of a topic of the file at Percorso_Guida (see help_topic). The window
    // processes its pending events after the file is read and after each listed
    // line; meanwhile TVW_Help_Enabled is false.
    std::vector<std::string> Mostra_Testo_Guida(std::string_view chapter, std::string_view section);
    // The same, each line handed to `add` as it is read, before the events run, so a
    // list on screen grows line by line; `add` says whether to go on (false once the
    // list's screen has closed during the events of an earlier line).
    void Mostra_Testo_Guida(std::string_view chapter, std::string_view section,
                            const std::function<bool(std::string line)>& add);

    // Whether the help screen's topic tree takes clicks: not while a topic is listed.
    bool TVW_Help_Enabled = true;

private:
    Program& program_;
};

}  // namespace tavolora::storage
