#include "panelappend.h"

#include "conversion.h"

#include <algorithm>

namespace velnorix {

// A streamed report of short lines never grows the buffer beyond this first
// size: the spill empties it as soon as it holds SpillSize bytes.
PanelAppender::PanelAppender(bool lastLineHasText, Spill spill)
    : lastLineHasText(lastLineHasText), spill(std::move(spill))
{
    if (this->spill)
        Room(2 * SpillSize);
}

char *PanelAppender::Grow(std::size_t bytes)
{
    capacity = std::max(2 * capacity, size + bytes);
    auto larger = std::make_unique_for_overwrite<char[]>(capacity);
    std::copy_n(text.get(), size, larger.get());
    text = std::move(larger);
    return text.get() + size;
}

// The break goes before the text when the last line has text, else after it.
char *PanelAppender::LineRoom(std::size_t longest)
{
    char *out = Room(longest + 1);
    if (lastLineHasText)
        *out++ = '\n';
    return out;
}

void PanelAppender::AddLine(char *end)
{
    if (!lastLineHasText)
        *end++ = '\n';
    lastLineHasText = end[-1] != '\n';
    size = static_cast<std::size_t>(end - text.get());
    if (spill && size >= SpillSize)
        Flush();
}

void PanelAppender::Add(std::string_view reportText)
{
    AddLine(WriteLfLineEnds(LineRoom(reportText.size()), reportText));
}

void PanelAppender::Flush()
{
    if (spill && size > 0) {
        spill(Text());
        size = 0;
    }
}

} // namespace velnorix
