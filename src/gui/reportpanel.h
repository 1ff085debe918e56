#pragma once

#include "panelappend.h"

#include <functional>
#include <string>
#include <string_view>

class QPlainTextEdit;
class QPrinter;

namespace velnorix {

// The report panel's operations. A report text (lines joined by CR LF) is
// added at the end of the panel in one edit, following the panel's line rule
// (see PanelAppender); clearing removes the panel's whole text.
void MemoAdd(QPlainTextEdit *memo, std::string_view reportText);
void MemoClear(QPlainTextEdit *memo);

// Clears the panel, then adds what the report appends, one append per line:
// the panel takes even the longest report as one edit.
void MemoReplace(QPlainTextEdit *memo, const std::function<void(PanelAppender &)> &report);

// The panel's whole text goes to a report file, or is replaced by one (see
// SaveReportFile and LoadReportFile, whose errors they raise); an error
// leaves the panel as it was.
void MemoSaveToFile(const QPlainTextEdit *memo, const std::string &path);
void MemoLoadFromFile(QPlainTextEdit *memo, const std::string &path);

// Prints the panel's whole text as one job without a name, in the panel's
// font, over the whole printable area of as many pages as it takes.
void MemoPrint(const QPlainTextEdit *memo, QPrinter &printer);

} // namespace velnorix
