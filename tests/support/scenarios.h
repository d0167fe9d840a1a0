#pragma once

// Scenarios that run the same way through the headless platform and through Qt, so
// that a test can compare what each gives.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "program/program.h"

namespace tavolora::testing {

using Journal = std::vector<std::string>;

// The user of a scenario, who acts through the window system's queue: the action
// runs when the program next lets events run.
class QueuedUser {
public:
    virtual ~QueuedUser() = default;
    virtual void post_click(table::ControlKey key) = 0;
    virtual void post_close() = 0;
};

// Runs `act` once, when a wait named `wait` begins.
void act_when_wait_begins(Program& program, std::string wait, std::function<void()> act);

// A timed pause (8 units of 30 ms); inside it, at 30 ms, a wait for the continue
// button; inside that, at 60 ms, three cards flying. While they fly the user clicks
// the continue button, or closes the window when `close_instead` is set. Runs as a
// handler the window system called; every step is written to `journal`.
void run_nested_waits(Program& program, QueuedUser& user, bool close_instead, Journal& journal);

// The journal of `run_nested_waits` when the user clicks continue.
Journal expected_nested_waits();

// `batches` batches of flights drawn from `seed` (1 to 40 cards each, 1 to 6 steps,
// starts and targets anywhere on the table); a snapshot of the table data after each.
Journal run_seeded_flights(Program& program, std::uint64_t seed, int batches);

// Every control, flight slot and flight counter of the table, one line each.
std::string snapshot(const Program& program);

// The face picture of a card of the deck in `folder`, as the program names it.
std::string face_path(const std::string& folder, int suit, int value);

}  // namespace tavolora::testing
