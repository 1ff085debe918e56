#pragma once

#include <string>
#include <string_view>

namespace velnorix {

// The folder part of a path with its trailing "/", or empty for a bare name.
std::string ExtractFilePath(std::string_view fileName);

// Where a program keeps per-user copies of its settings when its own folder is
// read-only: $XDG_CONFIG_HOME/velnorix/, or ~/.config/velnorix/ when that
// variable is unset or not an absolute path. Empty when neither is known.
std::string UserSettingsFolder(const char *xdgConfigHome, const char *home);

// True when the folder exists but this process may not create files in it
// (an installed copy under /usr or /opt, a read-only medium).
bool FolderReadOnly(const std::string &folder);

} // namespace velnorix
