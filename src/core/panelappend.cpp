#include "panelappend.h"

#include "conversion.h"

namespace velnorix {

void PanelAppender::Add(std::string_view reportText)
{
    if (lastLineHasText)
        text += '\n';
    text += LfLineEnds(reportText);
    if (!lastLineHasText)
        text += '\n';
    lastLineHasText = !text.empty() && text.back() != '\n';
}

} // namespace velnorix
