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

template <class Write>
void PanelAppender::Append(std::string_view reportText, Write write)
{
    char *out = Room(reportText.size() + 1); // one break, before the text or after it
    if (lastLineHasText)
        *out++ = '\n';
    out = write(out, reportText);
    if (!lastLineHasText)
        *out++ = '\n';
    lastLineHasText = out[-1] != '\n';
    size = static_cast<std::size_t>(out - text.get());
    if (spill && size >= SpillSize)
        Flush();
}

void PanelAppender::Add(std::string_view reportText)
{
    Append(reportText, WriteLfLineEnds);
}

void PanelAppender::AddLf(std::string_view reportText)
{
    Append(reportText, [](char *out, std::string_view lines) { return std::copy_n(lines.data(), lines.size(), out); });
}

void PanelAppender::Flush()
{
    if (spill && size > 0) {
        spill(Text());
        size = 0;
    }
}

} // namespace velnorix
