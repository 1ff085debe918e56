#pragma once

#include <string>
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
    // lastLineHasText: whether the panel's text ends in a line with text.
    explicit PanelAppender(bool lastLineHasText) : lastLineHasText(lastLineHasText) {}

    void Add(std::string_view reportText);

    // Everything added so far, to insert at the end of the panel in one go.
    const std::string &Text() const { return text; }

private:
    bool lastLineHasText;
    std::string text;
};

} // namespace velnorix
