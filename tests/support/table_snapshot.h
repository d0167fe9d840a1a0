#pragma once

// What a person sees of the table's controls: the visible ones, with their place,
// picture, caption and state. Two snapshots are equal when the table looks the same
// (stacking apart, which only the pictures' overlaps show).

#include <map>
#include <string>
#include <tuple>

#include "program/program.h"

namespace tavolora::testing {

using SeenControl = std::tuple<float, float, float, float, std::string, std::string, bool>;

inline std::map<table::ControlKey, SeenControl> seen(const Program& p) {
    std::map<table::ControlKey, SeenControl> shown;
    p.master.for_each([&shown](const table::Control& c) {
        if (c.exists && c.Visible) shown[c.key] = {c.Left, c.Top, c.Width, c.Height, c.Picture, c.Caption, c.Enabled};
    });
    return shown;
}

}  // namespace tavolora::testing
