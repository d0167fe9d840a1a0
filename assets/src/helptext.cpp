#include "helptext.h"

#include "storage/code_page.h"
#include "storage/help_file.h"

#include <cstdio>
#include <optional>
#include <vector>

namespace tavolora::art {

namespace {

using storage::kHelpTextWidth;

// Section 99 stands for "a chapter was chosen" on the help screen.
constexpr int kLastCode = 98;
constexpr int kLastLineNumber = 999;

std::string_view trimRight(std::string_view text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> splitWords(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && text[at] == ' ') ++at;
        const std::size_t end = std::min(text.find(' ', at), text.size());
        if (end > at) words.push_back(text.substr(at, end - at));
        at = end;
    }
    return words;
}

class Builder {
public:
    explicit Builder(HelpFile* file) : file_(file) {}

    bool line(int number, std::string_view text) {
        number_ = number;
        if (text.starts_with("== ")) return topic(text.substr(3));
        if (text.starts_with("= ")) return chapter(text.substr(2));
        if (text.empty()) {
            if (!flush()) return false;
            blankPending_ = linesInTopic_ > 0;
            return true;
        }
        if (section_ == 0) return fail("text before the first topic");
        if (text.front() == '|') {
            return flush() && blank() && body(text.substr(1));
        }
        if (text.starts_with("- ")) {
            if (!flush()) return false;
            words_ = splitWords(text.substr(2));
            item_ = true;
            return true;
        }
        if (text.front() == ' ') {
            if (!item_) return fail("indented text outside a list item");
        } else if (item_ && !flush()) {
            return false;  // a plain line after a list item starts a paragraph
        }
        for (std::string_view word : splitWords(text)) words_.push_back(word);
        return true;
    }

    bool finish() {
        if (!endTopic()) return false;
        if (chapter_ == 0) {
            error_ = "no chapter";
            return false;
        }
        return true;
    }

    const std::string& error() const { return error_; }

private:
    bool chapter(std::string_view title) {
        if (!endTopic()) return false;
        if (++chapter_ > kLastCode) return fail("too many chapters");
        section_ = 0;
        ++file_->chapters;
        return indexLine(0, title);
    }

    bool topic(std::string_view title) {
        if (!endTopic()) return false;
        if (chapter_ == 0) return fail("a topic before the first chapter");
        if (++section_ > kLastCode) return fail("too many topics in one chapter");
        ++file_->topics;
        linesInTopic_ = 0;
        blankPending_ = false;
        return indexLine(section_, title);
    }

    bool endTopic() {
        if (!flush()) return false;
        if (section_ != 0 && linesInTopic_ == 0) return fail("a topic without text");
        return true;
    }

    bool indexLine(int section, std::string_view title) {
        if (title.empty()) return fail("a title without text");
        return write(section, 0, title);
    }

    // A pending paragraph or list item, wrapped to the help screen's width.
    bool flush() {
        if (words_.empty()) {
            item_ = false;
            return true;
        }
        if (!blank()) return false;
        const std::string indent = item_ ? "  " : "";
        std::string current = item_ ? "- " : "";
        std::size_t width = item_ ? 2 : 0;
        bool startOfLine = true;
        for (std::string_view word : words_) {
            const std::optional<std::string> stored = storage::to_cp1252(word);
            if (!stored) return fail("a character that Windows-1252 cannot hold");
            const std::size_t room = kHelpTextWidth - indent.size();
            if (stored->size() > room) return fail("a word longer than a line");
            if (!startOfLine && width + 1 + stored->size() > kHelpTextWidth) {
                if (!bodyStored(current)) return false;
                current = indent;
                width = indent.size();
                startOfLine = true;
            }
            if (!startOfLine) {
                current += ' ';
                ++width;
            }
            current += *stored;
            width += stored->size();
            startOfLine = false;
        }
        words_.clear();
        item_ = false;
        return bodyStored(current);
    }

    // The empty line that an empty source line asked for, before the next text.
    bool blank() {
        if (!blankPending_) return true;
        blankPending_ = false;
        return bodyStored("");
    }

    bool body(std::string_view text) {
        const std::optional<std::string> stored = storage::to_cp1252(text);
        if (!stored) return fail("a character that Windows-1252 cannot hold");
        return bodyStored(*stored);
    }

    bool bodyStored(const std::string& text) {
        if (++linesInTopic_ > kLastLineNumber) return fail("a topic longer than 999 lines");
        return writeStored(section_, linesInTopic_, text);
    }

    bool write(int section, int lineNumber, std::string_view text) {
        const std::optional<std::string> stored = storage::to_cp1252(text);
        if (!stored) return fail("a character that Windows-1252 cannot hold");
        return writeStored(section, lineNumber, *stored);
    }

    bool writeStored(int section, int lineNumber, const std::string& text) {
        if (text.size() > kHelpTextWidth) return fail("a line longer than the help screen shows");
        char columns[32];
        std::snprintf(columns, sizeof columns, "%02d%02d%03d ", chapter_, section, lineNumber);
        file_->bytes.append(columns).append(text).append("\r\n");
        return true;
    }

    bool fail(std::string_view reason) {
        error_ = "line " + std::to_string(number_) + ": " + std::string(reason);
        return false;
    }

    HelpFile* file_;
    int number_ = 0;
    int chapter_ = 0;
    int section_ = 0;
    int linesInTopic_ = 0;
    bool blankPending_ = false;
    std::vector<std::string_view> words_;
    bool item_ = false;
    std::string error_;
};

}  // namespace

bool buildHelpFile(std::string_view source, HelpFile* file, std::string* error) {
    *file = {};
    Builder builder(file);
    int number = 0;
    std::size_t at = 0;
    while (at < source.size()) {
        const std::size_t end = std::min(source.find('\n', at), source.size());
        if (!builder.line(++number, trimRight(source.substr(at, end - at)))) {
            *error = builder.error();
            return false;
        }
        at = end + 1;
    }
    if (!builder.finish()) {
        *error = builder.error();
        return false;
    }
    return true;
}

}  // namespace tavolora::art
