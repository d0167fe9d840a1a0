#include "storage/help_file.h"

#include <algorithm>
#include <array>
#include <unordered_set>

#include "storage/basic_text.h"
#include "storage/code_page.h"

namespace tavolora::storage {

namespace {

// The columns of a line; a column past the line's end is empty.
std::string_view column(std::string_view line, std::size_t first,
                        std::size_t length = std::string_view::npos) {
    return first - 1 < line.size() ? line.substr(first - 1, length) : std::string_view{};
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

struct HelpLine {
    std::string chapter;  // trimmed, UTF-8
    std::string section;  // trimmed, UTF-8
    std::string_view section_code;
    std::string_view line_number;
    std::string_view text;  // the file's bytes
};

HelpLine cut(std::string_view line) {
    return {from_cp1252(trimmed(column(line, 1, 2))), from_cp1252(trimmed(column(line, 3, 2))),
            column(line, 3, 2), column(line, 5, 3), column(line, 9)};
}

}  // namespace

std::vector<std::string_view> help_lines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
        lines.push_back(bytes.substr(start, end - start));
        start = end + 1;
        // CR LF is one end; LF CR is two, so an empty line between them counts.
        if (end < bytes.size() && bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
    }
    return lines;
}

std::vector<HelpNode> help_index(std::string_view bytes) {
    std::vector<HelpNode> nodes;
    std::unordered_set<std::string> keys;
    for (const std::string_view raw : help_lines(bytes)) {
        const HelpLine line = cut(raw);
        if (basic_val(line.line_number) != 0 || line.text.empty()) continue;
        HelpNode node;
        if (basic_val(line.section_code) == 0) {
            node.key = "A" + line.chapter;
        } else {
            node.parent = "A" + line.chapter;
            if (!keys.contains(node.parent)) continue;
            node.key = node.parent + "_" + line.section;
        }
        if (!keys.insert(node.key).second) continue;
        node.text = from_cp1252(line.text);
        nodes.push_back(std::move(node));
    }
    return nodes;
}

void help_topic_lines(std::string_view bytes, std::string_view chapter, std::string_view section,
                      const std::function<bool(std::string line)>& add) {
    if (section == "99") return;
    const std::string_view wanted_chapter = trimmed(chapter);
    const std::string_view wanted_section = trimmed(section);
    // Whether each of the last three matching lines was empty, in a cycle.
    std::array<bool, 3> empty{};
    std::size_t position = 0;
    bool listed = false;
    for (const std::string_view raw : help_lines(bytes)) {
        const HelpLine line = cut(raw);
        const bool matches = line.section == wanted_section && line.chapter == wanted_chapter &&
                             basic_val(line.line_number) != 0;
        if (!matches) {
            if (!listed) continue;
            break;
        }
        empty[position] = line.text.empty();
        position = (position + 1) % empty.size();
        if (std::ranges::all_of(empty, [](bool e) { return e; })) break;
        listed = true;
        if (!add(from_cp1252(line.text))) break;
    }
}

std::vector<std::string> help_topic(std::string_view bytes, std::string_view chapter,
                                    std::string_view section, const std::function<void()>& after_line) {
    std::vector<std::string> topic;
    help_topic_lines(bytes, chapter, section, [&](std::string line) {
        topic.push_back(std::move(line));
        if (after_line) after_line();
        return true;
    });
    return topic;
}

}  // namespace tavolora::storage
