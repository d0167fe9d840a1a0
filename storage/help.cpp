#include "storage/help.h"

#include <string>

#include "program/program.h"
#include "storage/host_path.h"
#include "storage/record_file.h"

namespace tavolora::storage {

namespace {
// Sets a flag to false for a scope, and back to true when it ends, also by an
// exception.
class DisabledScope {
public:
    explicit DisabledScope(bool& enabled) : enabled_(enabled) { enabled_ = false; }
    ~DisabledScope() { enabled_ = true; }
    DisabledScope(const DisabledScope&) = delete;
    DisabledScope& operator=(const DisabledScope&) = delete;

private:
    bool& enabled_;
};
}  // namespace

std::vector<HelpNode> Help::Carica_Indice_Guida() {
    program_.settings.Percorso_Guida = program_.ports.folder.program_folder() + "\\Languages\\Ita_" +
                                       std::to_string(program_.match.Codice_Gioco) + ".txt";
    const auto bytes = read_file(host_path(program_.settings.Percorso_Guida));
    return bytes ? help_index(*bytes) : std::vector<HelpNode>{};
}

std::vector<std::string> Help::Mostra_Testo_Guida(std::string_view chapter, std::string_view section) {
    std::vector<std::string> topic;
    Mostra_Testo_Guida(chapter, section, [&topic](std::string line) {
        topic.push_back(std::move(line));
        return true;
    });
    return topic;
}

void Help::Mostra_Testo_Guida(std::string_view chapter, std::string_view section,
                              const std::function<bool(std::string line)>& add) {
    if (section == "99") return;
    const DisabledScope disabled(TVW_Help_Enabled);
    const auto bytes = read_file(host_path(program_.settings.Percorso_Guida));
    if (!bytes) return;
    program_.waits.pump_once();
    // The events run after each line is listed, so the line is on screen first.
    help_topic_lines(*bytes, chapter, section, [this, &add](std::string line) {
        if (!add(std::move(line))) return false;
        program_.waits.pump_once();
        return true;
    });
}

}  // namespace tavolora::storage
