#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velnorix {

// The report panel's text as a file of its own. In memory the text is UTF-8
// with lines separated by LF.
//
// Files are written in GB18030, which gives the same bytes as GBK for every
// GBK character and keeps every other character instead of losing it, with
// CR LF line ends and no byte-order mark or header. They are read as UTF-8
// when they start with the UTF-8 byte-order mark or are valid UTF-8, and as
// GB18030 otherwise; a byte that does not decode becomes U+FFFD. CR LF, LF and
// CR each end a line.
std::string EncodeReportText(std::string_view text);
std::string DecodeReportText(std::string_view bytes);

// The panel lays out its whole text at once; far larger texts would stall the
// window for minutes and take gigabytes.
constexpr std::size_t MaxReportFileSize = 64 * 1024 * 1024;

// Replaces the file by the text in one step (see WriteFileAtomically). Raises
// Exception "Cannot create file <path>" or "Failed to Save Stream", leaving
// the file as it was.
void SaveReportFile(const std::string &path, std::string_view text);

// Raises Exception "Cannot open file <path>", or one in Chinese and English
// for a file larger than MaxReportFileSize.
std::string LoadReportFile(const std::string &path);

} // namespace velnorix
