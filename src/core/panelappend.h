#pragma once

#include <functional>
#include <memory>
#include <string_view>

namespace velnorix {

// What appending report texts puts at the end of the report panel, whose lines
// are separated by "\n". Each CR LF (or lone CR) inside a report text starts a
// new line, and a line break follows the text, so a report ending in CR LF is
// followed by an empty line. When the panel's last line holds text with no
// break after it (typed by the user, or the end of a loaded file), the break
// goes before the appended text instead, and none after it.
class PanelAppender {
public:
    // Receives the text in pieces of about SpillSize bytes, so that a long
    // report can be streamed instead of held whole.
    using Spill = std::function<void(std::string_view piece)>;
    static constexpr std::size_t SpillSize = 64 * 1024;

    // lastLineHasText: whether the panel's text ends in a line with text.
    // Without a spill, everything added stays in Text().
    explicit PanelAppender(bool lastLineHasText, Spill spill = {});

    void Add(std::string_view reportText);

    // Add for a report text written straight into the buffer, as the core
    // builds its report lines: LineRoom gives room for up to `longest` bytes,
    // AddLine appends what was written there, up to `end`. The text's line
    // ends must be LF already. The longest report, some 200,000 appends,
    // thus copies and scans none of its lines.
    char *LineRoom(std::size_t longest);
    void AddLine(char *end);

    // What has been added and not yet spilt, to insert at the end of the panel.
    std::string_view Text() const { return {text.get(), size}; }

    // Hands what is left to the spill.
    void Flush();

private:
    bool lastLineHasText;
    Spill spill;
    // A buffer of its own rather than a std::string, so that lines can be
    // written into it in place.
    std::unique_ptr<char[]> text;
    std::size_t size = 0;
    std::size_t capacity = 0;

    // Where `bytes` more can be written, after growing the buffer if needed.
    char *Room(std::size_t bytes) { return bytes <= capacity - size ? text.get() + size : Grow(bytes); }
    char *Grow(std::size_t bytes);
};

} // namespace velnorix
