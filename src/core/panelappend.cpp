#include "panelappend.h"

namespace velnorix {

void PanelAppender::Add(std::string_view reportText)
{
    if (lastLineHasText)
        text += '\n';
    for (std::size_t i = 0; i < reportText.size(); ++i) {
        const char c = reportText[i];
        if (c != '\r')
            text += c;
        else if (i + 1 == reportText.size() || reportText[i + 1] != '\n')
            text += '\n';
    }
    if (!lastLineHasText)
        text += '\n';
    lastLineHasText = !text.empty() && text.back() != '\n';
}

} // namespace velnorix
