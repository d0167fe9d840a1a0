#include "storage/record_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <fstream>
#include <system_error>

namespace tavolora::storage {

namespace fs = std::filesystem;

std::optional<std::string> read_file(const fs::path& file) {
    std::error_code error;
    if (!fs::is_regular_file(file, error)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
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
