#include "storage/records.h"

#include <algorithm>
#include <cstring>

#include "storage/code_page.h"

namespace tavolora::storage {

template <std::size_t N>
void FixedText<N>::assign(std::string_view utf8) {
    const std::string bytes = to_cp1252_lossy(utf8);
    bytes_.fill(' ');
    std::copy_n(bytes.begin(), std::min(bytes.size(), N), bytes_.begin());
}

template <std::size_t N>
std::string FixedText<N>::text() const {
    std::string bytes(bytes_.begin(), bytes_.end());
    std::replace(bytes.begin(), bytes.end(), '\0', ' ');
    return from_cp1252(bytes);
}

template <std::size_t N>
std::string FixedText<N>::trimmed_right() const {
    std::string full = text();
    full.erase(full.find_last_not_of(' ') + 1);
    return full;
}

template <std::size_t N>
std::string FixedText<N>::trimmed() const {
    const std::string right = trimmed_right();
    const auto first = right.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : right.substr(first);
}

template class FixedText<4>;
template class FixedText<14>;
template class FixedText<15>;
template class FixedText<20>;
template class FixedText<50>;

namespace {
class Writer {
public:
    explicit Writer(char* out) : out_(out) {}
    template <std::size_t N>
    void text(const FixedText<N>& field) {
        std::memcpy(out_ + at_, field.bytes().data(), N);
        at_ += N;
    }
    void number(std::int16_t value) {
        const auto bits = static_cast<std::uint16_t>(value);
        out_[at_++] = static_cast<char>(bits & 0xFF);
        out_[at_++] = static_cast<char>(bits >> 8);
    }
    std::size_t at() const { return at_; }

private:
    char* out_;
    std::size_t at_ = 0;
};

class Reader {
public:
    explicit Reader(std::string_view in) : in_(in) {}
    template <std::size_t N>
    void text(FixedText<N>& field) {
        for (std::size_t i = 0; i < N; ++i) field.bytes()[i] = byte(at_ + i);
        at_ += N;
    }
    void number(std::int16_t& value) {
        const auto low = static_cast<unsigned char>(byte(at_));
        const auto high = static_cast<unsigned char>(byte(at_ + 1));
        value = static_cast<std::int16_t>(static_cast<std::uint16_t>(low | high << 8));
        at_ += 2;
    }

private:
    char byte(std::size_t i) const { return i < in_.size() ? in_[i] : '\0'; }
    std::string_view in_;
    std::size_t at_ = 0;
};

// The fields of the options record in their stored order, for reading and writing.
template <class Stream, class Record>
void options_fields(Stream& s, Record& r) {
    s.text(r.Mazzo_Carte);
    s.text(r.Mazzo_Dorso);
    s.text(r.Sfondo_Tavolo);
    s.number(r.Difficolta);
    for (auto& value : r.Animazioni) s.number(value);
    for (auto& value : r.Impostazioni) s.number(value);
    for (auto& value : r.Regole) s.number(value);
    for (auto& name : r.Nomi_Giocatori) s.text(name);
}
}  // namespace

OptionsBytes encode(const Tipo_Opzioni& record) {
    OptionsBytes bytes{};
    Writer writer(bytes.data());
    Tipo_Opzioni copy = record;
    options_fields(writer, copy);
    return bytes;
}

UserBytes encode(const Tipo_Utente& record) {
    UserBytes bytes{};
    Writer writer(bytes.data());
    writer.text(record.Foto);
    return bytes;
}

Tipo_Opzioni decode_options(std::string_view bytes) {
    Tipo_Opzioni record;
    Reader reader(bytes);
    options_fields(reader, record);
    return record;
}

Tipo_Utente decode_user(std::string_view bytes) {
    Tipo_Utente record;
    Reader reader(bytes);
    reader.text(record.Foto);
    return record;
}

int Numero_Record(std::uintmax_t size, std::size_t length) {
    if (length == 0) return 0;
    const std::uintmax_t count = size / length;
    return count > 32767 ? 0 : static_cast<int>(count);
}

bool valid_options_file_size(std::uintmax_t size) {
    return Numero_Record(size, layout::kOptionsLength) == 1;
}

}  // namespace tavolora::storage
