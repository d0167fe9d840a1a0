#pragma once

// Game choice and match set-up, as they change the program's state.

namespace tavolora {
class Program;
}

namespace tavolora::setup {

class GameSetup {
public:
    explicit GameSetup(Program& program) : program_(program) {}
    GameSetup(const GameSetup&) = delete;
    GameSetup& operator=(const GameSetup&) = delete;

    // Makes sure the current user has a valid options file for the current game,
    // writing the defaults when it is missing or damaged (a valid file is never
    // changed), then records the current user, with game 1, in the general options
    // file. Leaves the general record in `Opzioni`.
    void Crea_Opzioni();

private:
    Program& program_;
};

}  // namespace tavolora::setup
