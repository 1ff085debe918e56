#pragma once

#include <string_view>

class QPlainTextEdit;

namespace velnorix {

// The report panel's two operations. A report text (lines joined by CR LF) is
// added at the end of the panel in one edit, following the panel's line rule
// (see PanelAppender); clearing removes the panel's whole text.
void MemoAdd(QPlainTextEdit *memo, std::string_view reportText);
void MemoClear(QPlainTextEdit *memo);

} // namespace velnorix
