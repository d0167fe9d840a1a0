#pragma once

// The help screen F_12_Help, as its handlers change the program's state: the topic
// tree of the current game's help file, the lines of the topic clicked in it, and the
// close icon, which has only the pressed look and gives the card table its height
// back. The Qt screen (screens/f_12_help.h) shows this state.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "setup/icon_bar.h"
#include "storage/help_file.h"

namespace tavolora {
class Program;
}

namespace tavolora::setup {

// The screen's size, in twips: wide enough for a line of a help file beside the tree.
inline constexpr float kHelpWidth = 10200;
inline constexpr float kHelpHeight = 7590;

struct HelpScreenState {
    // The tree's chapters and sections, in the order of the file's index lines, and
    // whether it takes clicks: not while a topic is being listed.
    std::vector<storage::HelpNode> TVW_Help;
    bool TVW_Help_Enabled = true;
    // The lines of the topic shown, one list item a line.
    std::vector<std::string> TXT_Help;
    // The topic to show, from the clicked node's key; section "99" when a chapter was
    // clicked, which has no text.
    std::string Capitolo_Guida;
    std::string Sezione_Guida = "99";
    // The frame's caption.
    std::string FRM_Help;
    // The close icon (3), pressed but never hovered, with "Chiudi" under it.
    IconBar IMG_Icona;
    // The background's second gradient colour, the main menu's.
    std::uint32_t BackColor2 = 0;
};

class HelpScreen {
public:
    explicit HelpScreen(Program& program) : program_(program) {}
    HelpScreen(const HelpScreen&) = delete;
    HelpScreen& operator=(const HelpScreen&) = delete;

    // Opening the screen loads it when it is not loaded: the controls as built, then
    // Form_Load. Loading a child window shows it.
    void load();
    // The screen closed: the tree and the list go with it.
    void unload();
    bool loaded() const;

    // --- The screen's handlers.

    // Placed beside the main menu in the main menu's colour, with the tree of the
    // current game's help file.
    void Form_Load();
    // A node of the tree: its key ("A" & chapter, or "A" & chapter & "_" & section)
    // names the topic, whose lines are listed while the window goes on processing its
    // events; a chapter empties the list.
    void TVW_Help_NodeClick(std::string_view key);
    // The close icon, whatever its index: the card table gets the main window's height
    // back and the screen closes.
    void IMG_Icona_Click(int index);

private:
    HelpScreenState& s();
    void build();
    // Lists the chosen topic, line by line; stops when the screen closes meanwhile.
    void Mostra_Testo_Guida();

    Program& program_;
    // Counts the openings, so that a listing knows whether its screen is still the one
    // it lists into.
    int opening_ = 0;
};

}  // namespace tavolora::setup
