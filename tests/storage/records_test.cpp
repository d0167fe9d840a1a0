#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "storage/code_page.h"
#include "storage/names.h"
#include "storage/record_file.h"
#include "storage/records.h"
#include "tests/support/temp_folder.h"

namespace tavolora::storage {
namespace {

using testing::TempFolder;

std::int16_t at16(const OptionsBytes& b, std::size_t offset) {
    return static_cast<std::int16_t>(static_cast<unsigned char>(b[offset]) |
                                     static_cast<unsigned char>(b[offset + 1]) << 8);
}

std::string field(const OptionsBytes& b, std::size_t offset, std::size_t width) {
    return std::string(b.data() + offset, width);
}

Tipo_Opzioni sample() {
    Tipo_Opzioni r;
    r.Mazzo_Carte.assign("Piacentine");
    r.Mazzo_Dorso.assign("Anna");
    r.Sfondo_Tavolo.assign("Verde");
    r.Difficolta = 3;
    for (int i = 1; i <= 8; ++i) r.Animazioni(i) = static_cast<std::int16_t>(i * 10);
    for (int i = 1; i <= 15; ++i) r.Impostazioni(i) = static_cast<std::int16_t>(-i);
    for (int i = 1; i <= 20; ++i) r.Regole(i) = static_cast<std::int16_t>(i * 1000);
    r.Nomi_Giocatori(1).assign("Tuno");
    r.Nomi_Giocatori(2).assign("Niccolò");
    r.Nomi_Giocatori(3).assign("Melto con un nome lunghissimo");
    return r;
}

TEST(OptionsRecord, LaysItsFieldsOutByteForByte) {
    const OptionsBytes b = encode(sample());
    ASSERT_EQ(b.size(), 298U);
    EXPECT_EQ(field(b, 0, 50), "Piacentine" + std::string(40, ' '));
    EXPECT_EQ(field(b, 50, 50), "Anna" + std::string(46, ' '));  // the last user, blank-padded
    EXPECT_EQ(field(b, 100, 5), "Verde");
    EXPECT_EQ(at16(b, 150), 3);
    EXPECT_EQ(at16(b, 152), 10);
    EXPECT_EQ(at16(b, 166), 80);  // Animazioni(8)
    EXPECT_EQ(at16(b, 168), -1);  // Impostazioni(1), little-endian two's complement
    EXPECT_EQ(static_cast<unsigned char>(b[168]), 0xFF);
    EXPECT_EQ(at16(b, 196), -15);    // Impostazioni(15)
    EXPECT_EQ(at16(b, 198), 1000);   // Regole(1)
    EXPECT_EQ(at16(b, 236), 20000);  // Regole(20)
    EXPECT_EQ(field(b, 238, 20), "Tuno" + std::string(16, ' '));
    EXPECT_EQ(field(b, 258, 8), "Niccol\xF2 ");            // Windows-1252, one byte a character
    EXPECT_EQ(field(b, 278, 20), "Melto con un nome lu");  // cut to its width
}

TEST(OptionsRecord, RoundTripsAndKeepsNeverAssignedFieldsAsZeroBytes) {
    const Tipo_Opzioni r = sample();
    const OptionsBytes b = encode(r);
    EXPECT_EQ(decode_options(std::string_view(b.data(), b.size())), r);

    // A record never assigned is zero bytes; it reads as blanks and writes back as it was.
    const OptionsBytes zero = encode(Tipo_Opzioni{});
    EXPECT_EQ(std::count(zero.begin(), zero.end(), '\0'), 298);
    const Tipo_Opzioni blank = decode_options(std::string(298, '\0'));
    EXPECT_EQ(blank.Mazzo_Carte.text(), std::string(50, ' '));
    EXPECT_EQ(blank.Mazzo_Carte.trimmed(), "");
    EXPECT_EQ(encode(blank), zero);

    // A short file gives the part it has.
    const Tipo_Opzioni part = decode_options(std::string_view(b.data(), 151));
    EXPECT_EQ(part.Sfondo_Tavolo.trimmed(), "Verde");
    EXPECT_EQ(part.Difficolta, 3);  // its low byte only was there: 3
    EXPECT_EQ(part.Animazioni(1), 0);
}

TEST(UserRecord, HoldsThePhotoInTwentyBytes) {
    Tipo_Utente u;
    u.Foto.assign("gatto.bmp");
    const UserBytes b = encode(u);
    EXPECT_EQ(std::string(b.data(), 20), "gatto.bmp" + std::string(11, ' '));
    EXPECT_EQ(decode_user(std::string_view(b.data(), b.size())), u);
}

TEST(RecordFiles, AreValidWithExactlyOneWholeRecord) {
    const struct {
        std::uintmax_t size;
        bool valid;
    } sizes[] = {{0, false},  {1, false},  {297, false}, {298, true},  {299, true},
                 {400, true}, {595, true}, {596, false}, {700, false}, {32768ULL * 298, false}};
    for (const auto& [size, valid] : sizes) EXPECT_EQ(valid_options_file_size(size), valid) << size;
    EXPECT_EQ(Numero_Record(596, 298), 2);
    EXPECT_EQ(Numero_Record(32767ULL * 298, 298), 32767);
    EXPECT_EQ(Numero_Record(32768ULL * 298, 298), 0);  // too many for the count
    EXPECT_EQ(Numero_Record(100, 0), 0);
}

TEST(RecordFiles, ReadingNeverCreatesAndWritingKeepsTheBytesAfterTheRecord) {
    TempFolder folder;
    const auto file = folder.path() / "Users" / "Anna_1.opt";
    EXPECT_FALSE(read_file(file));
    EXPECT_FALSE(stored_size(file));
    EXPECT_FALSE(std::filesystem::exists(file));

    // A write creates the folder and the file.
    EXPECT_TRUE(write_record(file, std::string(298, 'a')));
    EXPECT_EQ(*stored_size(file), 298U);

    // A 700-byte file stays 700 bytes, its tail untouched, and is still not valid.
    folder.write("Users/Bruno_1.opt", std::string(298, 'x') + std::string(402, 'y'));
    const auto bruno = folder.path() / "Users" / "Bruno_1.opt";
    EXPECT_TRUE(write_record(bruno, std::string(298, 'z')));
    const std::string bytes = *read_file(bruno);
    EXPECT_EQ(bytes, std::string(298, 'z') + std::string(402, 'y'));

    // Nothing of the temporary file is left behind.
    for (const auto& entry : std::filesystem::directory_iterator(folder.path() / "Users")) {
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos);
    }
}

TEST(RecordFiles, AFailedWriteLeavesTheOldFileAsItWas) {
    TempFolder folder;
    folder.write("Options", "a file where a folder should be");
    EXPECT_FALSE(write_record(folder.path() / "Options" / "TVQ.opt", std::string(298, 'a')));
    EXPECT_EQ(*read_file(folder.path() / "Options"), "a file where a folder should be");
}

TEST(CodePage, MapsEveryByteBothWays) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const std::string utf8 = from_cp1252(all);
    ASSERT_TRUE(to_cp1252(utf8));
    EXPECT_EQ(*to_cp1252(utf8), all);
    EXPECT_EQ(from_cp1252("\x80\xE0\xE8"), "€àè");
    EXPECT_FALSE(to_cp1252("日本"));
    EXPECT_FALSE(to_cp1252("\xC3"));  // a cut UTF-8 sequence
    EXPECT_EQ(to_cp1252_lossy("a日b"), "a?b");
    EXPECT_TRUE(same_ignoring_case("Élise", "éLISE"));
    EXPECT_FALSE(same_ignoring_case("Anna", "Anne"));
}

TEST(UserNames, ARefusedNameSaysWhy) {
    const struct {
        const char* name;
        NameProblem problem;
    } names[] = {
        {"", NameProblem::Empty},
        {"Quindicicaratte", NameProblem::TooLong},
        {"Anna/Bruno", NameProblem::PathSeparator},
        {"Anna\\Bruno", NameProblem::PathSeparator},
        {"a..b", NameProblem::DotDot},
        {"..", NameProblem::DotDot},
        {"Anna\tB", NameProblem::ControlCharacter},
        {".Anna", NameProblem::LeadingOrTrailingDot},
        {"Anna.", NameProblem::LeadingOrTrailingDot},
        {"Zoë日", NameProblem::NotInCodePage},
        {"Anna:1", NameProblem::ForbiddenCharacter},
        {"Chi?", NameProblem::ForbiddenCharacter},
        {"CON", NameProblem::ReservedDeviceName},
        {"nul", NameProblem::ReservedDeviceName},
        {"Com1", NameProblem::ReservedDeviceName},
        {"LPT9.x", NameProblem::ReservedDeviceName},
    };
    for (const auto& [name, problem] : names) EXPECT_EQ(check_user_name(name), problem) << name;
    for (const char* good : {"Anna", "Niccolò", "Quattordici ab", "Conte", "COM0", "a.b", "Zoë"}) {
        EXPECT_EQ(check_user_name(good), NameProblem::None) << good;
        EXPECT_EQ(user_name_refusal(good), "") << good;
    }

    // The reason names the character at fault, never a control character itself.
    const struct {
        const char* name;
        const char* reason;
    } reasons[] = {
        {"   ", "Il nome è vuoto: scrivi il nome del nuovo utente."},
        {"Quindicicaratte", "Il nome è troppo lungo: può avere al massimo 14 caratteri."},
        {"Anna\\Bruno", "Il nome non può contenere \"\\\", che un nome di file non ammette."},
        {"a..b", "Il nome non può contenere due punti di seguito (\"..\"), che un nome di file non ammette."},
        {"Anna\tB", "Il nome contiene un carattere di controllo, che un nome di file non ammette."},
        {" .Anna ", "Il nome non può cominciare né finire con un punto, che un nome di file non ammette."},
        {"Zoë日本", "Il carattere \"日\" non si può salvare nei file del gioco."},
        {"Chi?", "Il nome non può contenere \"?\", che un nome di file non ammette."},
        {" lpt1.x ", "Il nome \"lpt1.x\" è riservato dal sistema e non può essere un nome di file."},
    };
    for (const auto& [name, reason] : reasons) EXPECT_EQ(user_name_refusal(name), reason) << name;
}

TEST(CodePage, AMessageShowsOnlyWhatAPersonCanRead) {
    EXPECT_EQ(printable("Tavolora àè €"), "Tavolora àè €");
    // C0 and C1 controls, DEL, and bytes that are no UTF-8 each become one '?'.
    EXPECT_EQ(printable("a\x01" "b\x7F" "c\xC2\x81" "d\xFF" "e\xC3"), "a?b?c?d?e?");
    EXPECT_EQ(printable(from_cp1252("\x05Rosso\x90")), "?Rosso?");
    EXPECT_EQ(first_character_outside_code_page("Zoë日本"), "日");
    EXPECT_EQ(first_character_outside_code_page("Zoë"), "");
}

TEST(UserNames, NamesReadFromFilesMustStayInTheirFolder) {
    for (const char* bad : {"", ".", "..", "..\\Options", "../x", "/etc", "a\nb"}) {
        EXPECT_FALSE(is_single_component(bad)) << bad;
    }
    for (const char* good : {"Tavolora", "Verde", "...", "gatto.bmp"})
        EXPECT_TRUE(is_single_component(good)) << good;
}

}  // namespace
}  // namespace tavolora::storage
