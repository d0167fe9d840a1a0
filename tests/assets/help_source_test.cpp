// The help sources become help files that the program's own reader reads back as
// written: chapters, topics, wrapped paragraphs, lists and tables.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "assets/src/helptext.h"
#include "storage/code_page.h"
#include "storage/help_file.h"

namespace tavolora::art {
namespace {

using storage::help_index;
using storage::help_lines;
using storage::help_topic;
using storage::HelpNode;
using storage::kHelpTextWidth;

HelpFile build(const std::string& source) {
    HelpFile file;
    std::string error;
    EXPECT_TRUE(buildHelpFile(source, &file, &error)) << error;
    return file;
}

std::string failure(const std::string& source) {
    HelpFile file;
    std::string error;
    EXPECT_FALSE(buildHelpFile(source, &file, &error));
    return error;
}

std::string words(const std::vector<std::string>& lines) {
    std::string joined;
    for (const std::string& line : lines) {
        for (char c : line) {
            if (c == ' ' && (joined.empty() || joined.back() == ' ')) continue;
            joined += c;
        }
        if (!joined.empty() && joined.back() != ' ') joined += ' ';
    }
    if (!joined.empty()) joined.pop_back();
    return joined;
}

const std::string kParagraph =
    "Il mazzo italiano ha quaranta carte, dieci per ciascuno dei quattro semi: Bastoni, Coppe, "
    "Denari e Spade. Ogni seme ha l'Asso, le carte dal Due al Sette e tre figure: il Fante, il "
    "Cavallo e il Re, che valgono più delle altre in quasi tutti i giochi.";

TEST(HelpSource, ChaptersAndTopicsBecomeTheIndexAndParagraphsWrapToTheScreen) {
    const HelpFile file =
        build("= Le carte\n== Il mazzo\n" + kParagraph +
              "\n\n\n\nSeconda parte.\n\n== I semi\nQuattro.\n= La partita\n== Inizio\nVia!\n");
    EXPECT_EQ(file.chapters, 2);
    EXPECT_EQ(file.topics, 3);
    const std::vector<HelpNode> index = help_index(file.bytes);
    const std::vector<HelpNode> expected = {{"A01", "", "Le carte"},
                                            {"A01_01", "A01", "Il mazzo"},
                                            {"A01_02", "A01", "I semi"},
                                            {"A02", "", "La partita"},
                                            {"A02_01", "A02", "Inizio"}};
    EXPECT_EQ(index, expected);

    // Every line is in the program's code page, ends with CR LF and fits the screen;
    // the paragraph keeps its words in order, and empty lines between paragraphs
    // come down to one.
    for (std::string_view line : help_lines(file.bytes)) {
        EXPECT_LE(line.size(), 8 + kHelpTextWidth) << line;
        EXPECT_EQ(line.substr(7, 1), " ");
    }
    EXPECT_EQ(file.bytes.substr(file.bytes.size() - 2), "\r\n");
    EXPECT_EQ(file.bytes.find('\n', 0), file.bytes.find("\r\n") + 1);
    EXPECT_NE(file.bytes.find("0101001 Il mazzo italiano"), std::string::npos);
    EXPECT_NE(file.bytes.find("pi\xF9 delle"), std::string::npos);  // "ù" as one byte

    const std::vector<std::string> topic = help_topic(file.bytes, "01", "01");
    ASSERT_GE(topic.size(), 5u);
    EXPECT_EQ(topic[topic.size() - 2], "");
    EXPECT_EQ(topic.back(), "Seconda parte.");
    const std::vector<std::string> paragraph(topic.begin(), topic.end() - 2);
    EXPECT_EQ(words(paragraph), kParagraph);
    for (std::size_t i = 0; i + 1 < paragraph.size(); ++i) {
        const std::string& line = paragraph[i];
        EXPECT_GT(storage::character_count(line), kHelpTextWidth - 14) << "wrapped too early: " << line;
    }
    EXPECT_EQ(help_topic(file.bytes, "01", "02"), std::vector<std::string>{"Quattro."});
    EXPECT_EQ(help_topic(file.bytes, "02", "01"), std::vector<std::string>{"Via!"});
}

TEST(HelpSource, ListItemsHangUnderTheirFirstWordAndTablesStayAsWritten) {
    const std::string item =
        "- Asso: undici punti, la carta più forte di ogni seme quando si gioca a Briscola con tutte le "
        "regole";
    const HelpFile file = build("= Carte\n== Punti\nLe carte che valgono:\n" + item +
                                "\n  della casa.\n- Tre: dieci punti.\nLe altre valgono zero.\n\n"
                                "|  Carta      Punti\n|  Asso         11\n");
    const std::vector<std::string> topic = help_topic(file.bytes, "01", "01");
    const std::vector<std::string> expected = {
        "Le carte che valgono:",
        "- Asso: undici punti, la carta più forte di ogni seme quando si gioca",
        "  a Briscola con tutte le regole della casa.",
        "- Tre: dieci punti.",
        "Le altre valgono zero.",
        "",
        "  Carta      Punti",
        "  Asso         11",
    };
    EXPECT_EQ(topic, expected);
}

TEST(HelpSource, FaultsNameTheirLineAndWriteNothing) {
    EXPECT_EQ(failure("Testo senza argomento.\n"), "line 1: text before the first topic");
    EXPECT_EQ(failure("= Capitolo\n== Vuoto\n== Pieno\nTesto.\n"), "line 3: a topic without text");
    EXPECT_EQ(failure("= Capitolo\n== Fine\n"), "line 2: a topic without text");
    EXPECT_EQ(failure("== Argomento\nTesto.\n"), "line 1: a topic before the first chapter");
    EXPECT_EQ(failure(""), "no chapter");
    EXPECT_EQ(failure("= Capitolo\n== Argomento\nFreccia \xE2\x86\x92 qui.\n"),
              "line 3: a character that Windows-1252 cannot hold");
    EXPECT_EQ(failure("= Capitolo\n== Argomento\n|" + std::string(kHelpTextWidth + 1, 'x') + "\n"),
              "line 3: a line longer than the help screen shows");
    EXPECT_EQ(failure("= Capitolo\n== Argomento\nUna " + std::string(kHelpTextWidth + 1, 'x') + "\n"),
              "line 3: a word longer than a line");
    EXPECT_EQ(failure("= Capitolo\n== Argomento\nTesto.\n  rientrato\n"),
              "line 4: indented text outside a list item");
    // A full line of accented letters fits: the width counts characters, not bytes.
    std::string accents;
    while (storage::character_count(accents) < kHelpTextWidth) accents += "è";
    EXPECT_EQ(build("= C\n== A\n|" + accents + "\n").topics, 1);
}

// A guide sends the reader elsewhere by name ("vedi «...»", "il capitolo «...»",
// "l'argomento «...»"): the name must be a chapter or topic of the same guide, or the
// reader looks for a part that a renaming left behind.
TEST(HelpSource, EveryGuideNamesOnlyItsOwnChaptersAndTopics) {
    int references = 0;
    for (int game = 1; game <= 4; ++game) {
        const std::string path =
            std::string(TAVOLORA_SOURCE_DIR) + "/assets/help/Ita_" + std::to_string(game) + ".txt";
        SCOPED_TRACE(path);
        std::ifstream in(path, std::ios::binary);
        ASSERT_TRUE(in) << "cannot read the guide";
        std::set<std::string> titles;
        std::string text;  // the guide's lines, joined by single blanks
        std::string line;
        while (std::getline(in, line)) {
            if (line.ends_with('\r')) line.pop_back();
            if (line.starts_with("= ") || line.starts_with("== ")) {
                titles.insert(line.substr(line.find(' ') + 1));
                continue;
            }
            std::istringstream words(line);
            for (std::string word; words >> word;) text += word + ' ';
        }
        for (const std::string lead : {"vedi \xC2\xAB", "capitolo \xC2\xAB", "argomento \xC2\xAB"}) {
            for (std::size_t at = text.find(lead); at != std::string::npos; at = text.find(lead, at + 1)) {
                const std::size_t start = at + lead.size();
                const std::size_t end = text.find("\xC2\xBB", start);
                ASSERT_NE(end, std::string::npos) << "an unclosed name after " << text.substr(at, 40);
                const std::string name = text.substr(start, end - start);
                EXPECT_TRUE(titles.contains(name)) << "no chapter or topic named " << name;
                ++references;
            }
        }
    }
    EXPECT_GE(references, 10);  // the scan found the guides' references at all
}

}  // namespace
}  // namespace tavolora::art
