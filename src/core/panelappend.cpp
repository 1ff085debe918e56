#include "panelappend.h"

namespace velnorix {

void PanelAppender::Add(std::string_view reportText)
{
    if (lastLineHasText)
        text += '\n';
    for (std::size_t cr; (cr = reportText.find('\r')) != std::string_view::npos;) {
        text.append(reportText.substr(0, cr)) += '\n';
        const bool crlf = reportText.substr(cr + 1).starts_with('\n');
        reportText.remove_prefix(cr + (crlf ? 2 : 1));
    }
    text.append(reportText);
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
