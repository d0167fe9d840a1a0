#include "program/program.h"

namespace tavolora {

Program::Program(platform::Ports ports_in)
    : ports(ports_in),
      waits(ports.loop, ports.clock),
      // The play's generator is reseeded at every shuffle; the cosmetic one once.
      random(0),
      cosmetic(ports.seeds.next_seed()),
      pictures(ports.images, ports.metrics),
      input(waits, master),
      engine(*this),
      players(*this),
      animation(*this),
      master_events(*this),
      storage(*this),
      help(*this),
      setup(*this) {
    waits.set_exit_save([this] { save_at_exit(); });
}

void Program::show_message(std::string_view title, std::string_view text) {
    waits.throw_if_quitting();
    ports.messages.show_message(title, text, message_kind(title, text));
    waits.throw_if_quitting();
}

platform::MessageKind Program::message_kind(std::string_view title, std::string_view text) {
    if (title == "Attenzione!") return platform::MessageKind::Warning;
    if (title == table::kProgramName && text.starts_with("Errore")) return platform::MessageKind::Error;
    return platform::MessageKind::Plain;
}

bool Program::ask_yes_no(std::string_view title, std::string_view text) {
    waits.throw_if_quitting();
    const bool yes = ports.messages.ask_yes_no(title, text);
    waits.throw_if_quitting();
    return yes;
}

void Program::start_up() {
    storage.Carica_Testi_Italiano();
    master_events.start_up();
    setup.main_menu_events.Form_Load();
}

void Program::save_at_exit() {
    // Unloading the main menu stores the last user and game.
    master.screens.Unload(table::Screen::F_011_Menu);
    setup.main_menu_events.Form_Unload();
}

}  // namespace tavolora
