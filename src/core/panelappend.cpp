#include "panelappend.h"

#include "conversion.h"

#include <algorithm>
#include <cstring>

namespace velnorix {

// A streamed report never grows the buffer beyond its first size: the spill
// empties it as soon as it holds SpillSize bytes.
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

void PanelAppender::Add(std::string_view reportText)
{
    // The text never grows when its line ends become LF, and one break is
    // added, before it or after it.
    char *out = Room(reportText.size() + 1);
    if (lastLineHasText)
        *out++ = '\n';
    out = WriteLfLineEnds(out, reportText);
    if (!lastLineHasText)
        *out++ = '\n';
    lastLineHasText = out[-1] != '\n';
    size = out - text.get();
    if (spill && size >= SpillSize)
        Flush();
}

void PanelAppender::Flush()
{
    if (spill && size > 0) {
        spill(Text());
        size = 0;
    }
}

} // namespace velnorix
