#include "storage/record_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace tavolora::storage {

namespace fs = std::filesystem;

std::optional<std::string> read_file(const fs::path& file) {
    // One open and, for a file that does not change meanwhile, one read: the options
    // file is read at every computer turn. Not blocking, so that a named pipe in the
    // file's place is refused instead of waited on.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    // One byte more than the size asks for the end in the same read; a file that has
    // grown meanwhile is read on to its end.
    std::string bytes(static_cast<std::size_t>(info.st_size) + 1, '\0');
    std::size_t got = 0;
    for (;;) {
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        got += static_cast<std::size_t>(n);
        if (n == 0 || got < bytes.size()) break;
        bytes.resize(bytes.size() * 2);
    }
    ::close(fd);
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

namespace {
// Writes `bytes` to a new file and flushes it to the disk.
bool write_new_file(const fs::path& file, const std::string& bytes) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n <= 0) {
            ::close(fd);
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}
}  // namespace

bool write_record(const fs::path& file, std::string_view record) {
    std::error_code error;
    fs::create_directories(file.parent_path(), error);
    if (error) return false;

    std::string bytes(record);
    if (fs::exists(file, error)) {
        const auto old = read_file(file);
        if (!old) return false;  // there but unreadable: leave it alone
        if (old->size() > record.size()) bytes.append(*old, record.size());
    }

    // A temporary left by a crash is only a save that did not finish.
    const fs::path temporary = file.parent_path() / ("." + file.filename().string() + ".tmp");
    fs::remove(temporary, error);
    if (!write_new_file(temporary, bytes)) {
        fs::remove(temporary, error);
        return false;
    }
    fs::rename(temporary, file, error);
    if (error) {
        fs::remove(temporary, error);
        return false;
    }
    return true;
}

bool remove_file(const fs::path& file) {
    std::error_code error;
    return fs::remove(file, error);
}

}  // namespace tavolora::storage
