#include "storage/record_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <fstream>
#include <limits>
#include <random>
#include <string>
#include <system_error>

namespace tavolora::storage {

namespace fs = std::filesystem;

namespace {

// A file descriptor closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(Descriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool open() const { return fd_ >= 0; }
    void reset(int fd = -1) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = fd;
    }
    // Closes now, reporting whether the close went well (a delayed write error of
    // some file systems only shows here).
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int fd_;
};

// Opens a file for reading without waiting on it (a pipe or a device left where a
// file should be must not hang the program); only a regular file is accepted.
Descriptor open_regular(const fs::path& file, struct stat& status) {
    Descriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!fd.open()) return fd;
    if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        fd.reset();
        errno = EISDIR;
    }
    return fd;
}

bool read_at(int fd, char* into, std::size_t count, off_t at, std::size_t& got) {
    got = 0;
    while (got < count) {
        const ssize_t n = ::pread(fd, into + got, count - got, at + static_cast<off_t>(got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    return true;
}

bool write_at(int fd, const char* bytes, std::size_t count, off_t at) {
    std::size_t written = 0;
    while (written < count) {
        const ssize_t n = ::pwrite(fd, bytes + written, count - written, at + static_cast<off_t>(written));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// Copies the bytes from `begin` to `end` of one file to the same places of another,
// a piece at a time, passing over the holes of a sparse file: a huge file left
// after the record costs neither memory nor disk space to keep.
bool copy_tail(int from, int to, off_t begin, off_t end) {
    std::array<char, 64 * 1024> buffer{};
    off_t at = begin;
    while (at < end) {
        off_t data = ::lseek(from, at, SEEK_DATA);
        off_t hole = end;
        if (data < 0 && errno == ENXIO) return true;  // only a hole is left
        if (data < 0) {
            data = at;  // the file system cannot tell: copy everything
        } else {
            hole = std::min(end, std::max(data, ::lseek(from, data, SEEK_HOLE)));
            if (hole <= data) hole = end;
        }
        for (off_t position = data; position < hole;) {
            const std::size_t want = static_cast<std::size_t>(
                std::min<off_t>(static_cast<off_t>(buffer.size()), hole - position));
            std::size_t got = 0;
            if (!read_at(from, buffer.data(), want, position, got) || got == 0) return false;
            if (!write_at(to, buffer.data(), got, position)) return false;
            position += static_cast<off_t>(got);
        }
        at = hole;
    }
    return true;
}

constexpr std::string_view kTemporarySuffix = ".tmp";

// A name of its own for each save: the process and a random tag make it unique
// among the programs running now, without a count shared by the whole process; a
// leftover of a crashed one with the same name only costs another draw (the file
// is created exclusively).
std::string temporary_name(const std::string& file_name) {
    std::random_device entropy;
    const std::uint64_t tag = (std::uint64_t{entropy()} << 32) | entropy();
    return "." + file_name + "." + std::to_string(::getpid()) + "-" + std::to_string(tag) +
           std::string(kTemporarySuffix);
}

// Makes a rename in the folder survive a power cut; a file system that cannot sync
// a folder has nothing more to offer, so its refusal is not a failed save.
void sync_folder(const fs::path& folder) {
    Descriptor fd(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.open()) ::fsync(fd.get());
}

}  // namespace

std::optional<std::string> read_file(const fs::path& file) {
    struct stat status {};
    const Descriptor fd = open_regular(file, status);
    if (!fd.open()) return std::nullopt;
    // One byte more than the size asks for the end in the same read; a file that has
    // grown meanwhile is read on to its end.
    std::string bytes(static_cast<std::size_t>(status.st_size) + 1, '\0');
    std::size_t got = 0;
    for (;;) {
        const ssize_t n = ::read(fd.get(), bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        got += static_cast<std::size_t>(n);
        if (n == 0 || got < bytes.size()) break;
        bytes.resize(bytes.size() * 2);
    }
    bytes.resize(got);
    return bytes;
}

std::optional<std::uintmax_t> stored_size(const fs::path& file) {
    std::error_code error;
    if (!fs::is_regular_file(file, error)) return std::nullopt;
    const std::uintmax_t size = fs::file_size(file, error);
    if (error) return std::nullopt;
    return size;
}

std::optional<StoredRecord> read_record(const fs::path& file, std::size_t length) {
    struct stat status {};
    const Descriptor fd = open_regular(file, status);
    if (!fd.open()) return std::nullopt;
    StoredRecord stored;
    stored.size = static_cast<std::uintmax_t>(status.st_size);
    stored.bytes.resize(static_cast<std::size_t>(std::min<std::uintmax_t>(length, stored.size)));
    std::size_t got = 0;
    if (!read_at(fd.get(), stored.bytes.data(), stored.bytes.size(), 0, got)) return std::nullopt;
    stored.bytes.resize(got);
    return stored;
}

bool write_record(const fs::path& file, std::string_view record) {
    return write_record_below(file, record, std::numeric_limits<std::uintmax_t>::max()) == RecordSave::Written;
}

RecordSave write_record_below(const fs::path& file, std::string_view record, std::uintmax_t too_long) {
    std::error_code error;
    const fs::path folder = file.parent_path();
    if (!folder.empty()) fs::create_directories(folder, error);
    if (error) return RecordSave::Failed;

    // The old file gives the new one its bytes after the record and its permissions.
    struct stat old_status {};
    const Descriptor old = open_regular(file, old_status);
    if (!old.open() && errno != ENOENT) return RecordSave::Failed;  // there but unreadable: leave it alone
    if (old.open() && static_cast<std::uintmax_t>(old_status.st_size) >= too_long) return RecordSave::LeftAlone;

    Descriptor out;
    fs::path temporary;
    for (int attempt = 0; attempt < 100 && !out.open(); ++attempt) {
        temporary = folder / temporary_name(file.filename().string());
        out.reset(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644));
        if (!out.open() && errno != EEXIST) return RecordSave::Failed;
    }
    if (!out.open()) return RecordSave::Failed;

    bool written = write_at(out.get(), record.data(), record.size(), 0);
    if (written && old.open()) {
        const auto old_size = static_cast<off_t>(old_status.st_size);
        const auto kept_from = static_cast<off_t>(record.size());
        if (old_size > kept_from) {
            written = copy_tail(old.get(), out.get(), kept_from, old_size) &&
                      ::ftruncate(out.get(), old_size) == 0;
        }
        written = written && ::fchmod(out.get(), old_status.st_mode & 07777) == 0;
    }
    written = written && ::fsync(out.get()) == 0;
    written = out.close() && written;
    if (!written || ::rename(temporary.c_str(), file.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return RecordSave::Failed;
    }
    sync_folder(folder);
    return RecordSave::Written;
}

bool remove_file(const fs::path& file) {
    std::error_code error;
    return fs::remove(file, error);
}

}  // namespace tavolora::storage
