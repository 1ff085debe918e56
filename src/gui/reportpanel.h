#pragma once

#include "panelappend.h"

#include <functional>
#include <string_view>

class QPlainTextEdit;

namespace velnorix {

// The report panel's two operations. A report text (lines joined by CR LF) is
// added at the end of the panel in one edit, following the panel's line rule
// (see PanelAppender); clearing removes the panel's whole text.
void MemoAdd(QPlainTextEdit *memo, std::string_view reportText);
void MemoClear(QPlainTextEdit *memo);

// Clears the panel, then adds what the report appends, one append per line:
// the panel takes even the longest report as one edit.
void MemoReplace(QPlainTextEdit *memo, const std::function<void(PanelAppender &)> &report);

} // namespace velnorix
