#include "paths.h"

#include <sys/stat.h>
#include <unistd.h>

namespace velnorix {

std::string ExtractFilePath(std::string_view fileName)
{
    const auto slash = fileName.rfind('/');
    return std::string(slash == std::string_view::npos ? std::string_view{} : fileName.substr(0, slash + 1));
}

std::string UserSettingsFolder(const char *xdgConfigHome, const char *home)
{
    if (xdgConfigHome && xdgConfigHome[0] == '/')
        return std::string(xdgConfigHome) + "/velnorix/";
    if (home && home[0] == '/')
        return std::string(home) + "/.config/velnorix/";
    return {};
}

bool FolderReadOnly(const std::string &folder)
{
    struct stat info;
    const std::string path = folder.empty() ? "." : folder;
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && ::access(path.c_str(), W_OK) != 0;
}

} // namespace velnorix
