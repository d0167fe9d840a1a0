#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "storage/basic_text.h"
#include "storage/help.h"
#include "storage/help_file.h"
#include "tests/support/headless_program.h"
#include "tests/support/temp_folder.h"

namespace tavolora::storage {
namespace {

using Lines = std::vector<std::string>;

// One line of a help file: the codes as written (2, 2 and 3 columns), a blank in
// column 8, then the text.
std::string row(std::string_view chapter, std::string_view section, std::string_view number,
                std::string_view text = "") {
    return std::string(chapter) + std::string(section) + std::string(number) + " " + std::string(text);
}

// The lines joined by CR LF, the way the help files are written.
std::string file_of(const Lines& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

// A help file with two chapters, each with two sections.
const std::string kTwoChapters = file_of({
    row(" 1", "00", "000", "Regole"),
    row(" 1", " 1", "000", "Il mazzo"),
    row(" 1", " 2", "000", "La mano"),
    row(" 2", "00", "000", "Punti"),
    row(" 2", " 1", "000", "Il conteggio"),
    row(" 1", " 1", "001", "Quaranta carte."),
    row(" 1", " 1", "002", "Quattro semi."),
    row(" 1", " 2", "001", "Tre carte a testa."),
    row(" 2", " 1", "001", "Si contano le carte prese."),
});

TEST(BasicVal, ReadsLeadingDigitsIgnoringBlanks) {
    EXPECT_EQ(basic_val("000"), 0);
    EXPECT_EQ(basic_val("007"), 7);
    EXPECT_EQ(basic_val("1 2"), 12);
    EXPECT_EQ(basic_val(" 7x"), 7);
    EXPECT_EQ(basic_val("ab"), 0);
    EXPECT_EQ(basic_val(""), 0);
    EXPECT_EQ(basic_val("   "), 0);
    EXPECT_EQ(basic_val("-3"), -3);
    EXPECT_EQ(basic_val(" - 4"), -4);
    EXPECT_EQ(basic_val("+5"), 5);
    EXPECT_EQ(basic_val("5-3"), 5);
    EXPECT_EQ(basic_val("--1"), 0);
    EXPECT_EQ(basic_val("99999999999999999999999"), LONG_MAX);
}

TEST(HelpLines, EndAtCarriageReturnsAndLineFeedsAloneOrTogether) {
    using Views = std::vector<std::string_view>;
    EXPECT_EQ(help_lines("a\r\nb\rc"), (Views{"a", "b", "c"}));
    // A LF alone ends a line too, wherever it stands.
    EXPECT_EQ(help_lines("a\nb\r\nc\n"), (Views{"a", "b", "c"}));
    EXPECT_EQ(help_lines("\n\r\n"), (Views{"", ""}));
    EXPECT_EQ(help_lines("a\n\n\nb"), (Views{"a", "", "", "b"}));
    // One end at the end of the file makes no extra line; empty lines in between count.
    EXPECT_EQ(help_lines("a\r\n"), (Views{"a"}));
    EXPECT_EQ(help_lines("a\r"), (Views{"a"}));
    EXPECT_EQ(help_lines("a\n"), (Views{"a"}));
    EXPECT_EQ(help_lines("a\r\r\n\r"), (Views{"a", "", ""}));
    EXPECT_EQ(help_lines("\r\n"), (Views{""}));
    EXPECT_EQ(help_lines("\n"), (Views{""}));
    EXPECT_EQ(help_lines(""), (Views{}));
    // CR LF is one end, LF CR two: an empty line between them.
    EXPECT_EQ(help_lines("a\n\rb"), (Views{"a", "", "b"}));
}

TEST(HelpIndex, GivesChaptersAndSectionsInFileOrder) {
    const std::vector<HelpNode> expected = {
        {"A1", "", "Regole"}, {"A1_1", "A1", "Il mazzo"},     {"A1_2", "A1", "La mano"},
        {"A2", "", "Punti"},  {"A2_1", "A2", "Il conteggio"},
    };
    EXPECT_EQ(help_index(kTwoChapters), expected);
}

TEST(HelpIndex, KeysTakeTheCodesWithoutBlanksButWithTheirZeros) {
    const std::string bytes = file_of({row("01", "00", "000", "Uno"), row("01", "02", "000", "Due"),
                                       row("3 ", " 0", "  0", "Tre"), row("3 ", "4 ", "000", "Quattro")});
    const std::vector<HelpNode> expected = {
        {"A01", "", "Uno"}, {"A01_02", "A01", "Due"}, {"A3", "", "Tre"}, {"A3_4", "A3", "Quattro"}};
    EXPECT_EQ(help_index(bytes), expected);
}

TEST(HelpIndex, SkipsSectionsWithoutTheirChapterAndTakenKeysAndGoesOn) {
    const std::string bytes = file_of({
        row(" 1", " 1", "000", "Prima del capitolo"),
        row(" 1", "00", "000", "Capitolo"),
        row(" 1", "00", "000", "Capitolo di nuovo"),
        row(" 1", " 1", "000", "Sezione"),
        row(" 1", "01", "000", "Sezione con lo zero"),  // another key: A1_01
        row(" 1", " 1", "000", "Sezione di nuovo"),
        row("1 ", " 1", "000", "Stessa chiave"),
        row(" 9", " 1", "000", "Senza capitolo"),
        row(" 2", "00", "000", "Dopo"),
    });
    const std::vector<HelpNode> expected = {{"A1", "", "Capitolo"},
                                            {"A1_1", "A1", "Sezione"},
                                            {"A1_01", "A1", "Sezione con lo zero"},
                                            {"A2", "", "Dopo"}};
    EXPECT_EQ(help_index(bytes), expected);
}

TEST(HelpIndex, TakesOnlyIndexLinesWithATitle) {
    const std::string bytes = file_of({
        row(" 1", "00", "000"),            // no title: no chapter
        row(" 1", " 1", "000", "Orfana"),  // so this one has no chapter
        row(" 2", "00", "000", "Due"), row(" 2", " 1", "001", "Corpo"), row(" 2", " 2", "000"),
        row(" 2", " 3", "000", " "),  // a blank is a title
    });
    const std::vector<HelpNode> expected = {{"A2", "", "Due"}, {"A2_3", "A2", " "}};
    EXPECT_EQ(help_index(bytes), expected);
}

TEST(HelpIndex, ReadsPastShortAndNonNumericLines) {
    const std::string bytes = file_of({
        "", "x", " 1", " 100",
        " 100000",          // line number 0 but no text
        " 100000 ",         // still no text
        "commento libero",  // section "mm", line number "ent": both 0, a chapter "co"
        " 1ab000 Lettere",  // section "ab" is 0: a chapter line
        " 1 2xyz Due",      // line number "xyz" is 0: an index line
    });
    const std::vector<HelpNode> expected = {
        {"Aco", "", " libero"}, {"A1", "", "Lettere"}, {"A1_2", "A1", "Due"}};
    EXPECT_EQ(help_index(bytes), expected);
}

TEST(HelpIndex, ConvertsWindows1252ToUtf8) {
    const std::string bytes = file_of({row(" 1", "00", "000", "Novit\xE0 \x80 5")});
    ASSERT_EQ(help_index(bytes).size(), 1u);
    EXPECT_EQ(help_index(bytes)[0].text, "Novit\u00E0 \u20AC 5");
}

TEST(HelpIndex, OfNothingIsEmpty) {
    EXPECT_TRUE(help_index("").empty());
    EXPECT_TRUE(help_index("\r\n\r\n").empty());
}

TEST(HelpTopic, ListsTheBodyOfOneSectionAndStopsAtTheNext) {
    EXPECT_EQ(help_topic(kTwoChapters, "1", "1"), (Lines{"Quaranta carte.", "Quattro semi."}));
    EXPECT_EQ(help_topic(kTwoChapters, "1", "2"), (Lines{"Tre carte a testa."}));
    // Passes over the other topics before it, and reads to the end of the file.
    EXPECT_EQ(help_topic(kTwoChapters, "2", "1"), (Lines{"Si contano le carte prese."}));
    EXPECT_EQ(help_topic(kTwoChapters, "2", "2"), Lines{});
    // Codes are compared as text without surrounding blanks.
    EXPECT_EQ(help_topic(kTwoChapters, " 1 ", "1 "), help_topic(kTwoChapters, "1", "1"));
    EXPECT_EQ(help_topic(kTwoChapters, "01", "1"), Lines{});
}

TEST(HelpTopic, OfAChapterIsEmpty) {
    const std::string bytes = file_of({row(" 1", "99", "001", "Mai mostrata")});
    EXPECT_EQ(help_topic(bytes, "1", "99"), Lines{});
}

TEST(HelpTopic, EndsAtTheFirstLineOfAnythingElse) {
    const std::string bytes = file_of({
        row(" 1", " 1", "001", "Uno"),
        row(" 1", " 1", "002", "Due"),
        row(" 1", " 1", "000", "Titolo in mezzo"),  // an index line: not the body
        row(" 1", " 1", "003", "Mai"),
    });
    EXPECT_EQ(help_topic(bytes, "1", "1"), (Lines{"Uno", "Due"}));
    const std::string with_short_line =
        file_of({row(" 1", " 1", "001", "Uno"), "", row(" 1", " 1", "002", "Due")});
    EXPECT_EQ(help_topic(with_short_line, "1", "1"), (Lines{"Uno"}));
}

TEST(HelpTopic, BodyLinesNumberedZeroAreNeverListed) {
    const std::string bytes = file_of({row(" 1", " 1", "000", "Titolo"), row(" 1", " 1", " 0 ", "Zero"),
                                       row(" 1", " 1", "abc", "Lettere")});
    EXPECT_EQ(help_topic(bytes, "1", "1"), Lines{});
}

TEST(HelpTopic, ShowsTwoEmptyLinesInARowAndEndsAtAThird) {
    const std::string bytes = file_of({
        row(" 1", " 1", "001", "Uno"),
        row(" 1", " 1", "002"),
        row(" 1", " 1", "003"),
        row(" 1", " 1", "004", "Due"),
        row(" 1", " 1", "005"),
        row(" 1", " 1", "006", "Tre"),
        row(" 1", " 1", "007"),
        row(" 1", " 1", "008"),
        row(" 1", " 1", "009"),
        row(" 1", " 1", "010", "Mai"),
    });
    EXPECT_EQ(help_topic(bytes, "1", "1"), (Lines{"Uno", "", "", "Due", "", "Tre", "", ""}));
    // A line cut before its text column is an empty line too.
    const std::string short_lines =
        file_of({" 1 1001", " 1 1002 ", " 1 1003", row(" 1", " 1", "004", "Mai")});
    EXPECT_EQ(help_topic(short_lines, "1", "1"), (Lines{"", ""}));
    // A line of blanks is not empty.
    const std::string blanks = file_of({row(" 1", " 1", "001"), row(" 1", " 1", "002"),
                                        row(" 1", " 1", "003", " "), row(" 1", " 1", "004", "Si")});
    EXPECT_EQ(help_topic(blanks, "1", "1"), (Lines{"", "", " ", "Si"}));
}

TEST(HelpTopic, PassesOverShortAndNonNumericLinesBeforeIt) {
    const std::string bytes = file_of({"", "?", "commento libero", " 1 1", row(" 1", " 1", "001", "Corpo")});
    EXPECT_EQ(help_topic(bytes, "1", "1"), Lines{"Corpo"});
}

TEST(HelpTopic, EndsLinesAtCarriageReturnsAndAtLineFeedsAlone) {
    const std::string cr_only = row(" 1", " 1", "001", "Uno") + "\r" + row(" 1", " 1", "002", "Due") + "\r";
    EXPECT_EQ(help_topic(cr_only, "1", "1"), (Lines{"Uno", "Due"}));
    const std::string lone_lf = row(" 1", " 1", "001", "Uno") + "\n" + row(" 1", " 1", "002", "Due");
    EXPECT_EQ(help_topic(lone_lf, "1", "1"), (Lines{"Uno", "Due"}));
    // The last line needs no end.
    EXPECT_EQ(help_topic(row(" 1", " 1", "001", "Fine"), "1", "1"), Lines{"Fine"});
}

// A help file saved with bare LFs reads as the same index and topics as the one
// written with CR LF, empty lines and the end of a topic included.
TEST(HelpTopic, AFileWithLineFeedsOnlyReadsAsItsCarriageReturnTwin) {
    const Lines rows = {
        row(" 1", "00", "000", "Regole"),
        row(" 1", " 1", "000", "Il mazzo"),
        row(" 1", " 2", "000", "La mano"),
        row(" 1", " 1", "001", "Uno"),
        row(" 1", " 1", "002"),
        row(" 1", " 1", "003"),
        row(" 1", " 1", "004", "Due"),
        row(" 1", " 1", "005"),
        row(" 1", " 1", "006"),
        row(" 1", " 1", "007"),
        row(" 1", " 1", "008", "Mai"),
        row(" 1", " 2", "001", "Tre carte."),
    };
    std::string lf_only;
    for (const std::string& line : rows) lf_only += line + "\n";
    const std::string crlf = file_of(rows);
    EXPECT_EQ(help_index(lf_only), help_index(crlf));
    ASSERT_EQ(help_index(lf_only).size(), 3u);
    EXPECT_EQ(help_topic(lf_only, "1", "1"), (Lines{"Uno", "", "", "Due", "", ""}));
    EXPECT_EQ(help_topic(lf_only, "1", "1"), help_topic(crlf, "1", "1"));
    EXPECT_EQ(help_topic(lf_only, "1", "2"), Lines{"Tre carte."});
}

TEST(HelpTopic, LinesHandedOverOneAtATimeStopWhenTheTakerSaysSo) {
    Lines taken;
    help_topic_lines(kTwoChapters, "1", "1", [&taken](std::string line) {
        taken.push_back(std::move(line));
        return false;
    });
    EXPECT_EQ(taken, Lines{"Quaranta carte."});
    taken.clear();
    help_topic_lines(kTwoChapters, "1", "1", [&taken](std::string line) {
        taken.push_back(std::move(line));
        return true;
    });
    EXPECT_EQ(taken, (Lines{"Quaranta carte.", "Quattro semi."}));
}

TEST(HelpTopic, ConvertsWindows1252ToUtf8) {
    const std::string bytes = file_of({row("\xC8 ", " \xE0", "001", "Citt\xE0 \x80 \x93x\x94")});
    EXPECT_EQ(help_topic(bytes, "\u00C8", "\u00E0"), Lines{"Citt\u00E0 \u20AC \u201Cx\u201D"});
}

TEST(HelpTopic, CallsBackOnceForEachListedLineOnly) {
    int calls = 0;
    const auto count = [&calls] { ++calls; };
    const std::string bytes =
        file_of({row(" 1", " 1", "001", "Uno"), row(" 1", " 1", "002"), row(" 1", " 1", "003"),
                 row(" 1", " 1", "004"), row(" 1", " 2", "001", "Altro")});
    EXPECT_EQ(help_topic(bytes, "1", "1", count), (Lines{"Uno", "", ""}));
    EXPECT_EQ(calls, 3);
    calls = 0;
    EXPECT_EQ(help_topic(bytes, "1", "99", count), Lines{});
    EXPECT_EQ(help_topic(bytes, "1", "3", count), Lines{});
    EXPECT_EQ(calls, 0);
}

// A program whose folder holds the help file of game 2.
class HelpOnDisk : public ::testing::Test {
protected:
    testing::TempFolder folder;
    testing::HeadlessProgram h{folder.string()};
    Help help{h.program};

    void SetUp() override {
        // Written in other letter case than the program asks for.
        folder.write("languages/ITA_2.TXT", kTwoChapters);
        h.program.match.Codice_Gioco = 2;
    }
};

TEST_F(HelpOnDisk, TheIndexComesFromTheCurrentGamesFile) {
    const auto index = help.Carica_Indice_Guida();
    EXPECT_EQ(h.program.settings.Percorso_Guida, folder.string() + "\\Languages\\Ita_2.txt");
    ASSERT_EQ(index.size(), 5u);
    EXPECT_EQ(index[4], (HelpNode{"A2_1", "A2", "Il conteggio"}));

    h.program.match.Codice_Gioco = 4;
    EXPECT_TRUE(help.Carica_Indice_Guida().empty());
    EXPECT_EQ(h.program.settings.Percorso_Guida, folder.string() + "\\Languages\\Ita_4.txt");
    EXPECT_TRUE(help.Mostra_Testo_Guida("1", "1").empty());
    EXPECT_TRUE(help.TVW_Help_Enabled);
}

TEST_F(HelpOnDisk, ListingATopicLetsEventsRunWithTheTreeDisabled) {
    help.Carica_Indice_Guida();
    // Re-posts itself, so it runs once at each processing of events.
    std::vector<bool> enabled_at_pump;
    std::function<void()> observe = [&] {
        enabled_at_pump.push_back(help.TVW_Help_Enabled);
        h.platform.post(observe);
    };
    h.platform.post(observe);
    EXPECT_EQ(help.Mostra_Testo_Guida("1", "1"), (Lines{"Quaranta carte.", "Quattro semi."}));
    // Once after reading the file, once after each line.
    EXPECT_EQ(enabled_at_pump, (std::vector<bool>{false, false, false}));
    EXPECT_TRUE(help.TVW_Help_Enabled);

    enabled_at_pump.clear();
    EXPECT_TRUE(help.Mostra_Testo_Guida("1", "99").empty());
    EXPECT_TRUE(enabled_at_pump.empty());
    EXPECT_TRUE(help.TVW_Help_Enabled);
}

TEST_F(HelpOnDisk, AFileWithLineFeedsOnlyGivesItsIndexAndTopics) {
    std::string lf_only = kTwoChapters;
    std::erase(lf_only, '\r');
    folder.write("languages/ITA_2.TXT", lf_only);
    EXPECT_EQ(help.Carica_Indice_Guida(), help_index(kTwoChapters));
    EXPECT_EQ(help.Mostra_Testo_Guida("1", "1"), (Lines{"Quaranta carte.", "Quattro semi."}));
}

TEST_F(HelpOnDisk, AListingWhoseTakerHasGoneStopsWithoutRunningMoreEvents) {
    help.Carica_Indice_Guida();
    int pumps = 0;
    std::function<void()> count = [&] {
        ++pumps;
        h.platform.post(count);
    };
    h.platform.post(count);
    Lines taken;
    // The list's screen closes during the events that follow the first line.
    help.Mostra_Testo_Guida("1", "1", [&taken](std::string line) {
        if (!taken.empty()) return false;
        taken.push_back(std::move(line));
        return true;
    });
    EXPECT_EQ(taken, Lines{"Quaranta carte."});
    EXPECT_EQ(pumps, 2);  // after reading the file and after the first line, no more
    EXPECT_TRUE(help.TVW_Help_Enabled);
}

TEST_F(HelpOnDisk, AQuitWhileListingUnwindsAndEnablesTheTreeAgain) {
    help.Carica_Indice_Guida();
    h.platform.post([this] { h.program.waits.request_quit(); });
    bool returned = false;
    h.program.waits.at_boundary([&] {
        help.Mostra_Testo_Guida("1", "1");
        returned = true;
    });
    EXPECT_FALSE(returned);
    EXPECT_TRUE(h.program.waits.finished());
    EXPECT_TRUE(help.TVW_Help_Enabled);
}

}  // namespace
}  // namespace tavolora::storage
