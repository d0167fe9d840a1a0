#pragma once

// The help file of a game: Windows-1252 text, one line a row of fixed columns
// (1-based byte positions):
//   1-2  chapter code          3-4  section code ("00": a chapter line)
//   5-7  line number ("000": an index line; any other number: a body line)
//   8    not read              9-   the title of an index line, or one body line
// A shorter line has empty fields; the numbers are read as basic_val reads them
// (storage/basic_text.h). The routines here only parse the bytes; the
// Help class (storage/help.h) finds and reads the file.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tavolora::storage {

// The widest text (from column 9 on) that a help file holds on one line, which is
// what the help screen shows on one line of its list; a line is at most 8 columns
// wider.
inline constexpr std::size_t kHelpTextWidth = 70;

// One entry of the help index. A chapter has no parent; a section's parent is its
// chapter's key.
struct HelpNode {
    std::string key;     // "A" & chapter, or "A" & chapter & "_" & section (trimmed codes)
    std::string parent;  // "" for a chapter
    std::string text;    // UTF-8
    friend bool operator==(const HelpNode&, const HelpNode&) = default;
};

// The lines of the file, without their ends. A CR LF ends a line, and so does a CR
// or a LF alone: a help file saved by an editor that writes bare LFs reads as the
// same lines, and no line break is ever shown inside a line of text. The last line
// needs no end, and an end at the very end of the file does not make one more
// empty line.
std::vector<std::string_view> help_lines(std::string_view bytes);

// The index, in file order: every index line with a title. A section whose chapter
// is not there (yet), or whose key is taken, is left out.
std::vector<HelpNode> help_index(std::string_view bytes);

// The body of one section of one chapter (codes compared without surrounding
// blanks), UTF-8, one string a line. It starts at the first body line of that
// section and ends at the first line of anything else, at the end of the file, or
// at a third empty line in a row, which is not listed. Chapter codes come as the
// index keys give them; section "99" (a chapter was chosen) has no body.
// `after_line` runs after each listed line.
std::vector<std::string> help_topic(std::string_view bytes, std::string_view chapter,
                                    std::string_view section, const std::function<void()>& after_line = {});

// The same body handed over one line at a time, as it is found: `add` takes each
// line and says whether to go on; listing stops at the first false (whoever shows
// the lines has gone).
void help_topic_lines(std::string_view bytes, std::string_view chapter, std::string_view section,
                      const std::function<bool(std::string line)>& add);

}  // namespace tavolora::storage
