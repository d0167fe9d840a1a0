#pragma once

// The credits screen F_08_Crediti, as its handlers change the program's state: the
// program's name, its maker and its publisher with their addresses, the links that
// open their web sites or write them a mail through the shell, and the close icon,
// which gives the card table its height back. The screen holds nothing that lasts
// and writes no file. The Qt screen (screens/f_08_crediti.h) shows this state.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/fixed_array.h"

namespace tavolora {
class Program;
}

namespace tavolora::setup {

// The screen's size, in twips.
inline constexpr float kCreditsWidth = 9000;
inline constexpr float kCreditsHeight = 7590;

// Where the links lead: addresses of the reserved example domains, which belong to
// nobody, until the program has a site and a mailbox of its own.
struct CreditLinks {
    std::string Sito_Autore = "https://www.example.org/tavolora";
    std::string Email_Autore = "tavolora@example.org";
    std::string Sito_Editore = "https://www.example.com/";
    std::string Email_Editore = "giochi@example.com";
};

struct CreditsScreenState {
    // The title panel and the program's name under it.
    std::string PNL_Menu_Principale;
    std::string Label1;
    // The maker's block: its web address under the picture, and the mail address with
    // its lead-in.
    std::string Frame2;
    std::string LBL_Sito_Web;
    std::string FRM_Email;
    std::string Label8;
    std::string LBL_Email;
    // The publisher's block: company name, postal address, telephone, fax, web address
    // and a mail address.
    std::string Frame5;
    std::string Label6;
    std::string Label4;
    std::string Label5;
    std::string Label7;
    std::string Label2;
    std::string Label3;
    // The icons' tooltips: (1) write to the maker, (2) visit the maker's web site.
    FixedArray<std::string, 1, 2> IMG_Icona_ToolTipText{};
    // The close icon's label.
    std::string LBL_Descrizione;
    CreditLinks links;
    // The background's second gradient colour, the main menu's.
    std::uint32_t BackColor2 = 0;
};

class Credits {
public:
    explicit Credits(Program& program) : program_(program) {}
    Credits(const Credits&) = delete;
    Credits& operator=(const Credits&) = delete;

    // Opening the screen loads it when it is not loaded: the controls as built, then
    // Form_Load. Loading a child window shows it.
    void load();
    void unload();
    bool loaded() const;

    // --- The screen's handlers.

    // The program's name and the maker's addresses on their labels; the screen placed
    // beside the main menu in the main menu's colour.
    void Form_Load();
    // Hands a web address or a "mailto:" address to the shell, which opens it with the
    // user's own program. Whether it could is the shell's answer; nobody shows it.
    bool Apri_Collegamento(std::string_view target);

    // The maker: the picture and the web address open the site; the mail labels write.
    void Image1_Click();
    void LBL_Sito_Web_Click();
    void Label8_Click();
    void LBL_Email_Click();
    // Icon 1 writes to the maker; any other opens the maker's site.
    void IMG_Icona_Click(int index);
    // The publisher: the picture, the web address and the company name open the site;
    // the mail label writes.
    void Image2_Click();
    void Label2_Click();
    void Label6_Click();
    void Label3_Click();
    // The card table gets the main window's height back and the screen closes.
    void IMG_Icona_Uscita_Click();

private:
    CreditsScreenState& s();
    void build();
    void write_to(const std::string& address);

    Program& program_;
};

}  // namespace tavolora::setup
