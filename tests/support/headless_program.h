#pragma once

// The whole program without a window: a Program on the headless platform.

#include <cstdint>
#include <string>

#include "platform/headless/headless_platform.h"
#include "program/program.h"
#include "tests/support/temp_folder.h"

namespace tavolora::testing {

// Without a folder, the program gets an empty one of its own, removed at the end.
struct HeadlessProgram {
    explicit HeadlessProgram(std::string folder = {}, std::uint64_t seed = 1)
        : platform(folder.empty() ? own_folder.string() : std::move(folder), seed),
          program(platform.ports()) {}

    TempFolder own_folder;
    platform::headless::HeadlessPlatform platform;
    Program program;
};

}  // namespace tavolora::testing

#include "tests/support/scenarios.h"

namespace tavolora::testing {

// The scripted user of the headless platform: clicks and the window's close button
// go through the platform's queue, as a window system would deliver them.
class HeadlessUser : public QueuedUser {
public:
    explicit HeadlessUser(HeadlessProgram& headless) : h_(headless) {}
    void post_click(table::ControlKey key) override {
        h_.platform.post([this, key] { h_.program.input.click(key); });
    }
    void post_close() override {
        h_.platform.post([this] { h_.program.waits.request_quit(); });
    }

private:
    HeadlessProgram& h_;
};

}  // namespace tavolora::testing
