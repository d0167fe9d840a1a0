// The help files are written as readable sources and turned, at build time, into
// the fixed-column format the help screen reads.
//
// A source is UTF-8 text, a line per line:
//   = Title          a chapter of the topic tree
//   == Title         a topic (a section of the last chapter); the lines after it are its text
//   - Text           an item of a list, wrapped under its first word
//   |Text            a line shown exactly as written (tables in the fixed-width font)
//   (empty)          ends a paragraph: one empty line on screen
//   anything else    text of a paragraph, joined to its neighbours and wrapped
// A line of a list item that starts with blanks continues the item.
#pragma once

#include <string>
#include <string_view>

namespace tavolora::art {

struct HelpFile {
    std::string bytes;  // Windows-1252, CR LF after every line
    int chapters = 0;
    int topics = 0;
};

// The help file of a source; false, with the source line and the reason in `error`,
// when a text cannot be stored or does not fit its line.
bool buildHelpFile(std::string_view source, HelpFile* file, std::string* error);

}  // namespace tavolora::art
