// Saves that hold up to what players and machines do to them: two copies of the
// program saving one file at once, a save killed at any point, options files of any
// size, and saves that cannot be written.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "storage/record_file.h"
#include "tests/support/headless_match.h"
#include "tests/support/headless_program.h"

namespace tavolora::storage {
namespace {

using testing::HeadlessProgram;
using testing::TempFolder;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

std::string record_bytes(const Tipo_Opzioni& r) {
    const OptionsBytes b = encode(r);
    return std::string(b.data(), b.size());
}

// A user's options that differ from the defaults in every field a load copies.
Tipo_Opzioni users_options(std::int16_t timing) {
    Tipo_Opzioni r;
    r.Mazzo_Carte.assign("Napoletane");
    r.Mazzo_Dorso.assign("Napoletane");
    r.Sfondo_Tavolo.assign("N");
    r.Difficolta = 2;
    for (int i = 1; i <= 5; ++i) r.Animazioni(i) = timing;
    r.Regole(1) = 1;
    return r;
}

std::string bytes_of(const fs::path& file) { return read_file(file).value_or("<missing>"); }

// The temporary files a save left in a folder.
int temporaries_in(const fs::path& folder) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.front() == '.' && name.ends_with(".tmp")) ++count;
    }
    return count;
}

// Bytes this process has read from files since it started (Linux only).
std::optional<std::uint64_t> bytes_read_so_far() {
    std::ifstream io("/proc/self/io");
    std::string key;
    std::uint64_t value = 0;
    while (io >> key >> value) {
        if (key == "rchar:") return value;
    }
    return std::nullopt;
}

long peak_memory_kb() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A process under AddressSanitizer forks slowly (its shadow memory is mapped anew):
// the tests that fork many times fork fewer there, to stay within a few seconds.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kForkIsSlow = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kForkIsSlow = true;
#else
constexpr bool kForkIsSlow = false;
#endif
#else
constexpr bool kForkIsSlow = false;
#endif

// A program as a player starts it: Anna's user file, decks and the main menu.
struct Started {
    explicit Started(const TempFolder& folder) : h(folder.string()) {
        h.program.waits.at_boundary([this] { h.program.start_up(); });
    }
    HeadlessProgram h;
    Program& p = h.program;
};

void prepare_program_folder(const TempFolder& folder) {
    folder.write("Users/Anna.usr", std::string(20, ' '));
    for (const char* deck : {"Bergamasche", "Napoletane", "Piacentine", "Trevisane"}) {
        folder.make_folder(std::string("Cards/") + deck);
    }
    folder.make_folder("Tables");
}

// Runs `body` in a child process; its exit code is the child's answer.
template <typename F>
pid_t in_child(F&& body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        int code = 99;
        try {
            code = body();
        } catch (...) {
        }
        ::_exit(code);
    }
    return pid;
}

int exit_code(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

// Two programs keep saving Anna's options, each its own timings, while a third is
// started again and again and loads them. Before each save wrote through one shared
// temporary name, a start could read an empty file here and write the defaults
// over Anna's options.
TEST(TwoProgramsSavingAtOnce, NeitherLeavesAnEmptyFileNorLetsAStartWriteTheDefaults) {
    TempFolder folder;
    prepare_program_folder(folder);
    const fs::path file = folder.path() / "Users" / "Anna_1.opt";
    folder.write("Users/Anna_1.opt", record_bytes(users_options(11)));
    const auto until = Clock::now() + std::chrono::milliseconds(1500);

    const auto saver = [&folder, until](std::int16_t timing) {
        return [&folder, until, timing] {
            HeadlessProgram h(folder.string());
            h.program.settings.Nome_Utente.assign("Anna");
            h.program.match.Codice_Gioco = 1;
            h.program.storage.Imposta_Percorso_Opzioni();
            AnimationPanel panel;
            for (int i = 1; i <= 5; ++i) panel.SLD_Movimento(i) = timing;
            int failed = 0;
            while (Clock::now() < until) {
                if (!h.program.storage.Salva_Animazioni(panel)) ++failed;
            }
            return failed == 0 ? 0 : 1;
        };
    };
    // The starter answers through a pipe: its starts, and those that found no record.
    int answer[2];
    ASSERT_EQ(::pipe(answer), 0);
    const pid_t first = in_child(saver(11));
    const pid_t second = in_child(saver(12));
    const pid_t starter = in_child([&folder, &file, until, &answer] {
        long starts = 0;
        long bad = 0;
        long reads = 0;
        long short_reads = 0;
        while (Clock::now() < until) {
            Started run(folder);
            run.p.storage.Carica_Opzioni_Utente();
            const std::int16_t timing = run.p.settings.Tempi_Animazione(1);
            ++starts;
            if ((timing != 11 && timing != 12) || run.p.settings.Difficolta != 2) ++bad;
            // Between two starts, a closer look at what a reader finds.
            for (int look = 0; look < 50; ++look, ++reads) {
                const auto stored = read_record(file, layout::kOptionsLength);
                if (!stored || stored->size != layout::kOptionsLength) ++short_reads;
            }
        }
        const std::string line = std::to_string(starts) + " " + std::to_string(bad) + " " + std::to_string(reads) +
                                 " " + std::to_string(short_reads) + "\n";
        return ::write(answer[1], line.data(), line.size()) == static_cast<ssize_t>(line.size()) ? 0 : 1;
    });
    ::close(answer[1]);
    EXPECT_EQ(exit_code(first), 0);
    EXPECT_EQ(exit_code(second), 0);
    EXPECT_EQ(exit_code(starter), 0);
    char text[64] = {};
    const ssize_t got = ::read(answer[0], text, sizeof text - 1);
    ::close(answer[0]);
    ASSERT_GT(got, 0);
    long starts = 0;
    long bad = 0;
    long reads = 0;
    long short_reads = 0;
    std::istringstream(text) >> starts >> bad >> reads >> short_reads;
    std::printf("two programs saving at once: %ld starts, %ld without Anna's options; %ld reads, %ld short\n",
                starts, bad, reads, short_reads);
    EXPECT_GT(starts, 0);
    EXPECT_EQ(bad, 0);
    EXPECT_EQ(short_reads, 0);

    // The file holds one saver's record whole, Anna's other fields as they were.
    const std::string stored = bytes_of(file);
    EXPECT_TRUE(stored == record_bytes(users_options(11)) || stored == record_bytes(users_options(12)));
    EXPECT_EQ(temporaries_in(folder.path() / "Users"), 0);
}

// A save killed after a varying delay, many times: the file is always the old or the
// new bytes, never a mix, and the next start loads it and lists no leftover.
TEST(AKilledSave, LeavesTheOldOrTheNewFileAndTheNextStartIgnoresWhatItLeft) {
    TempFolder folder;
    prepare_program_folder(folder);
    const fs::path file = folder.path() / "Users" / "Anna_1.opt";
    // A long tail after the record keeps the save busy long enough to be cut anywhere.
    const std::string tail(256 * 1024, 't');
    const std::string old_bytes = record_bytes(users_options(11)) + tail;
    const std::string new_record = record_bytes(users_options(12));
    const std::string new_bytes = new_record + tail;

    const auto save_in_a_child = [&file, &new_record] {
        return in_child([&file, &new_record] { return write_record(file, new_record) ? 0 : 1; });
    };
    // How long a child takes from its start to a finished save, here and now: the
    // kills are spread from its start to a little past its end.
    folder.write("Users/Anna_1.opt", old_bytes);
    const auto started = Clock::now();
    ASSERT_EQ(exit_code(save_in_a_child()), 0);
    const auto whole = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - started).count();

    constexpr int kKills = kForkIsSlow ? 40 : 150;
    int old_seen = 0;
    int new_seen = 0;
    for (int attempt = 0; attempt < kKills; ++attempt) {
        folder.write("Users/Anna_1.opt", old_bytes);
        const pid_t child = save_in_a_child();
        ::usleep(static_cast<useconds_t>(whole * 5 / 4 * attempt / kKills));
        ::kill(child, SIGKILL);
        exit_code(child);
        const std::string stored = bytes_of(file);
        if (stored == old_bytes) {
            ++old_seen;
        } else if (stored == new_bytes) {
            ++new_seen;
        } else {
            ADD_FAILURE() << "attempt " << attempt << ": " << stored.size() << " bytes of neither";
        }
    }
    const int left = temporaries_in(folder.path() / "Users");
    std::printf("a killed save (%lld us whole): %d times the old file, %d times the new one, %d temporaries left\n",
                static_cast<long long>(whole), old_seen, new_seen, left);

    // The next start loads the file as it stands and lists Anna alone.
    folder.write("Users/Anna_1.opt", new_record);
    Started run(folder);
    run.p.storage.Carica_Opzioni_Utente();
    EXPECT_EQ(run.p.settings.Tempi_Animazione(1), 12);
    EXPECT_EQ(run.p.settings.Utenti_Giochi(1, 1).trimmed(), "Anna");
    EXPECT_EQ(run.p.settings.Utenti_Giochi(1, 2).trimmed(), "");
    EXPECT_EQ(bytes_of(file), new_record);
}

// Options and general files too long to be valid: a start, a load, a computer turn's
// difficulty, the options screen, a refused save, a main menu icon and the exit cost
// one record of reading each, whatever the size, and leave the files as they are.
// The defaults serve, and the panels show them; each refused save says why, once.
// (The 100 MB and 4 GB files are sparse: only their size counts.)
TEST(HugeOptionsFiles, CostOneRecordToReadAndAreNeverRewritten) {
    struct Case {
        const char* name;
        std::uintmax_t size;
    };
    for (const Case c : {Case{"596 bytes", 596}, Case{"100 MB", 100ULL << 20}, Case{"4 GB sparse", 4ULL << 30}}) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        prepare_program_folder(folder);
        const fs::path options = folder.path() / "Users" / "Anna_1.opt";
        const fs::path general = folder.path() / "Options" / "TVQ.opt";
        Tipo_Opzioni last;
        last.Mazzo_Dorso.assign("Anna");
        last.Impostazioni(1) = 1;
        folder.write("Users/Anna_1.opt", record_bytes(users_options(11)));
        folder.write("Options/TVQ.opt", record_bytes(last));
        // The user list reads each user's record too.
        const fs::path user = folder.path() / "Users" / "Anna.usr";
        bool sized = true;
        for (const fs::path& f : {options, general, user}) {
            const int fd = ::open(f.c_str(), O_WRONLY);
            sized = sized && fd >= 0 && ::ftruncate(fd, static_cast<off_t>(c.size)) == 0;
            if (fd >= 0) ::close(fd);
        }
        if (!sized) {
            std::printf("%s: the file system refuses a file of this size, skipped\n", c.name);
            continue;
        }
        struct stat before_options {};
        struct stat before_general {};
        struct stat before_user {};
        ::stat(user.c_str(), &before_user);
        ::stat(options.c_str(), &before_options);
        ::stat(general.c_str(), &before_general);

        const auto read_before = bytes_read_so_far();
        const long memory_before = peak_memory_kb();
        {
            Started run(folder);
            const auto& messages = run.h.platform.messages();
            const auto boundary = [&run](auto&& handler) { run.p.waits.at_boundary(handler); };
            run.p.storage.Carica_Opzioni_Utente();
            // Too long to be valid: the defaults serve, in memory only.
            EXPECT_EQ(run.p.settings.Difficolta, 1);
            EXPECT_EQ(run.p.settings.Tempi_Animazione(1), 8);
            // What a computer turn and a match's start read of it: the same defaults,
            // never the file's record 1 (difficulty 2, the first rule switch on).
            run.p.storage.Leggi_Difficolta();
            run.p.storage.Carica_Regole_Partita();
            EXPECT_EQ(run.p.settings.Difficolta, 1);
            EXPECT_EQ(run.p.settings.Regole_Partita(1), 0);
            EXPECT_TRUE(messages.empty());

            // A main menu icon saves the last user and game: refused, and said once.
            boundary([&run] { run.p.setup.main_menu_events.IMG_Icona_Click(3); });
            ASSERT_EQ(messages.size(), 1U);
            EXPECT_EQ(messages[0].title, "Attenzione!");
            EXPECT_NE(messages[0].text.find("l'ultimo utente"), std::string::npos) << messages[0].text;
            EXPECT_NE(messages[0].text.find("TVQ.opt"), std::string::npos) << messages[0].text;
            EXPECT_NE(messages[0].text.find("troppo"), std::string::npos) << messages[0].text;

            // The options screen opened by it shows the defaults that play uses.
            setup::Options& screen = run.p.setup.options_events;
            const setup::OptionsState& shown = run.p.setup.options;
            EXPECT_EQ(storage::FixedText<50>(shown.CMB_Mazzo_Carte.Text).trimmed(), "Piacentine");
            boundary([&screen] { screen.IMG_Icona_Click(2); });
            for (int i = 1; i <= 5; ++i) EXPECT_EQ(shown.SLD_Movimento(i).Value, 8) << i;
            boundary([&screen] { screen.IMG_Icona_Click(3); });
            EXPECT_TRUE(shown.OPT_Difficolta(1).Value);
            EXPECT_FALSE(shown.OPT_Difficolta(2).Value);
            boundary([&screen] { screen.IMG_Icona_Click(4); });
            EXPECT_EQ(shown.CMB_Sfondo_Tavolo.Text, kScelta_Nessuno);

            // A save into the file writes nothing and says why.
            boundary([&screen] { screen.IMG_Icona_Click(2); });
            boundary([&screen] { screen.set_movement(1, 30); });
            boundary([&screen] { screen.IMG_Icona_SubMenu_Opzioni_Click(3); });
            EXPECT_FALSE(shown.PNL_SubMenu_Opzioni(2).saved);
            ASSERT_EQ(messages.size(), 2U);
            EXPECT_EQ(messages[1].title, "Attenzione!");
            EXPECT_NE(messages[1].text.find("Anna_1.opt"), std::string::npos) << messages[1].text;
            EXPECT_NE(messages[1].text.find("troppo"), std::string::npos) << messages[1].text;
            EXPECT_EQ(run.p.settings.Tempi_Animazione(1), 8);
            // The match set-up's save at "Gioca!" is refused too; it was said already.
            MatchSettingsScreen match;
            match.OPT_Numero_Giocatori = 4;
            run.p.storage.Salva_Impostazioni_Partita_1(match);
            EXPECT_EQ(run.p.storage.Mostra_Impostazioni_Partita_1().OPT_Numero_Giocatori, 2);

            // Another icon and the exit: nothing written, nothing said again.
            boundary([&run] { run.p.setup.main_menu_events.IMG_Icona_Click(4); });
            run.p.setup.main_menu_events.Form_Unload();
            EXPECT_EQ(messages.size(), 2U);
        }
        const long memory_growth = peak_memory_kb() - memory_before;
        if (read_before) {
            const std::uint64_t read = *bytes_read_so_far() - *read_before;
            std::printf("%s: a start read %llu bytes, peak memory grew %ld KB\n", c.name,
                        static_cast<unsigned long long>(read), memory_growth);
            EXPECT_LT(read, 256U * 1024U);
        }
        EXPECT_LT(memory_growth, 32L * 1024L);

        struct stat after {};
        ::stat(options.c_str(), &after);
        EXPECT_EQ(after.st_ino, before_options.st_ino);
        EXPECT_EQ(after.st_size, before_options.st_size);
        EXPECT_EQ(after.st_mtim.tv_nsec, before_options.st_mtim.tv_nsec);
        ::stat(general.c_str(), &after);
        EXPECT_EQ(after.st_ino, before_general.st_ino);
        EXPECT_EQ(after.st_size, before_general.st_size);
        EXPECT_EQ(after.st_mtim.tv_nsec, before_general.st_mtim.tv_nsec);
        const auto front = read_record(options, 298);
        ASSERT_TRUE(front);
        EXPECT_EQ(front->bytes, record_bytes(users_options(11)));
        EXPECT_EQ(read_record(general, 298)->bytes, record_bytes(last));

        // The save under them all leaves such a file alone before a byte moves.
        EXPECT_EQ(write_record_below(general, record_bytes(users_options(12)), kTooLongOptionsFile),
                  RecordSave::LeftAlone);
        EXPECT_EQ(read_record(general, 298)->bytes, record_bytes(last));

        // A file of any other kind is saved over its first bytes, the rest kept, holes
        // and all: the sparse tail is passed over, not read or written out.
        const auto save_before = bytes_read_so_far();
        ASSERT_TRUE(write_record(user, std::string(20, 'u')));
        ::stat(user.c_str(), &after);
        EXPECT_EQ(static_cast<std::uintmax_t>(after.st_size), c.size);
        EXPECT_LE(after.st_blocks, before_user.st_blocks + 64);
        EXPECT_EQ(read_record(user, 20)->bytes, std::string(20, 'u'));
        if (save_before) {
            const std::uint64_t read = *bytes_read_so_far() - *save_before;
            std::printf("%s: a save read %llu bytes\n", c.name, static_cast<unsigned long long>(read));
            EXPECT_LT(read, 256U * 1024U);
        }
    }
}

// A save into a file that keeps its permissions, and one that cannot be written for
// lack of room (a size limit that binds root too): the old file stays whole.
TEST(RecordSaves, KeepTheFilesPermissionsAndLeaveItWholeWhenTheDiskIsFull) {
    TempFolder folder;
    const fs::path file = folder.path() / "Users" / "Anna_1.opt";
    folder.write("Users/Anna_1.opt", std::string(298, 'a') + "tail");
    for (const mode_t mode : {0600, 0640, 0444}) {
        ::chmod(file.c_str(), mode);
        ASSERT_TRUE(write_record(file, std::string(298, 'b')));
        struct stat status {};
        ::stat(file.c_str(), &status);
        EXPECT_EQ(status.st_mode & 07777, mode);
    }
    EXPECT_EQ(bytes_of(file), std::string(298, 'b') + "tail");

    const pid_t child = in_child([&file] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 2;
        return write_record(file, std::string(298, 'c')) ? 1 : 0;
    });
    EXPECT_EQ(exit_code(child), 0) << "a write past the size limit was taken as saved";
    EXPECT_EQ(bytes_of(file), std::string(298, 'b') + "tail");
    EXPECT_EQ(temporaries_in(folder.path() / "Users"), 0);
}

// Saves that fail say so, once for each kind of file, and the other files are saved
// as ever. A file where a folder should be stops root as well as anyone.
TEST(FailedSaves, AreToldOncePerKindOfFileAndLoseNothingElse) {
    TempFolder folder;
    prepare_program_folder(folder);
    folder.write("Options", "a file where the folder should be");
    folder.write("Users/Anna_1.opt", record_bytes(users_options(11)));
    Started run(folder);
    auto& messages = run.h.platform.messages();
    // The start could not write the general file: said once.
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_EQ(messages[0].title, "Attenzione!");
    EXPECT_NE(messages[0].text.find("l'ultimo utente"), std::string::npos) << messages[0].text;
    EXPECT_NE(messages[0].text.find("TVQ.opt"), std::string::npos) << messages[0].text;
    // Every click of the main menu saves it again, and fails again, silently now.
    EXPECT_FALSE(run.p.setup.main_menu_events.Salva_Opzioni_Generali());
    run.p.setup.main_menu_events.Form_Unload();
    EXPECT_EQ(messages.size(), 1U);
    EXPECT_EQ(bytes_of(folder.path() / "Options"), "a file where the folder should be");

    // Anna's options are saved as ever.
    run.p.settings.Nome_Utente.assign("Anna");
    run.p.storage.Imposta_Percorso_Opzioni();
    AnimationPanel panel;
    for (int i = 1; i <= 5; ++i) panel.SLD_Movimento(i) = 5;
    EXPECT_TRUE(run.p.storage.Salva_Animazioni(panel));
    EXPECT_EQ(decode_options(bytes_of(folder.path() / "Users" / "Anna_1.opt")).Animazioni(1), 5);

    // Now her options file cannot be written either (a folder stands in its place):
    // the load's defaults and the match settings are not saved, which is said once,
    // naming the file; the match settings stay in memory.
    fs::remove(folder.path() / "Users" / "Anna_1.opt");
    folder.make_folder("Users/Anna_1.opt");
    run.p.storage.Carica_Opzioni_Utente();
    EXPECT_EQ(run.p.settings.Tempi_Animazione(1), 8);
    ASSERT_EQ(messages.size(), 2U);
    EXPECT_EQ(messages[1].title, "Attenzione!");
    EXPECT_NE(messages[1].text.find("Anna_1.opt"), std::string::npos) << messages[1].text;
    MatchSettingsScreen screen;
    screen.OPT_Numero_Giocatori = 3;
    run.p.storage.Salva_Impostazioni_Partita_1(screen);
    run.p.storage.Salva_Impostazioni_Camicia();
    run.p.storage.Carica_Opzioni_Utente();
    EXPECT_EQ(messages.size(), 2U);
}

// A save that fails while the player asks to quit does not unwind out of it: the
// quit waits for the next wait, outside the save.
TEST(FailedSaves, NeverUnwindOutOfTheSave) {
    TempFolder folder;
    prepare_program_folder(folder);
    folder.write("Options", "a file where the folder should be");
    HeadlessProgram h(folder.string());
    // Quitting outside any handler saves at once, as the program's end does.
    EXPECT_NO_THROW(h.program.waits.request_quit());
    EXPECT_NO_THROW(EXPECT_FALSE(h.program.setup.main_menu_events.Salva_Opzioni_Generali()));
    EXPECT_TRUE(h.program.waits.quit_requested());
}

}  // namespace
}  // namespace tavolora::storage
