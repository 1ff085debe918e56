#include "panelappend.h"

#include "conversion.h"

namespace velnorix {

void PanelAppender::Add(std::string_view reportText)
{
    if (lastLineHasText)
        text += '\n';
    AppendLfLineEnds(text, reportText);
    if (!lastLineHasText)
        text += '\n';
    lastLineHasText = text.back() != '\n';
    if (spill && text.size() >= SpillSize)
        Flush();
}

void PanelAppender::Flush()
{
    if (spill && !text.empty()) {
        spill(text);
        text.clear();
    }
}

} // namespace velnorix
