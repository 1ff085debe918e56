#include "fileio.h"

#include "paths.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace velnorix {

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd(fd) {}
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    ~FileDescriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    int get() const { return fd; }
    int release() { return std::exchange(fd, -1); }

private:
    int fd;
};

// The file a chain of symbolic links ends at (which need not exist yet).
std::string FollowLinks(std::string path)
{
    for (int hops = 0; hops < 40; ++hops) {
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.c_str(), target, sizeof target);
        if (length < 0 || static_cast<std::size_t>(length) == sizeof target)
            break;
        std::string next(target, static_cast<std::size_t>(length));
        path = next.starts_with('/') ? next : ExtractFilePath(path) + next;
    }
    return path;
}

mode_t NewFileMode(const std::string &path)
{
    struct stat info;
    if (::stat(path.c_str(), &info) == 0)
        return info.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

ReadResult ReadFile(const std::string &path, std::size_t maxBytes, std::string &content)
{
    // Without O_NONBLOCK, opening a named pipe waits for a writer, forever if
    // none comes; on the regular files read here it changes nothing.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info;
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return ReadResult::CannotOpen;
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes)
        return ReadResult::TooLarge;
    content.clear();
    content.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(fd.get(), buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return ReadResult::CannotOpen;
        if (count == 0)
            return ReadResult::Read;
        // The file may grow while it is read.
        if (static_cast<std::size_t>(count) > maxBytes - content.size())
            return ReadResult::TooLarge;
        content.append(buffer, static_cast<std::size_t>(count));
    }
}

std::optional<std::string> ReadWholeFile(const std::string &path)
{
    std::string content;
    if (ReadFile(path, std::numeric_limits<std::size_t>::max(), content) != ReadResult::Read)
        return std::nullopt;
    return content;
}

bool FileExists(const std::string &path)
{
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

void CreateFolders(const std::string &folder)
{
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
}

WriteResult WriteFileAtomically(const std::string &path, std::string_view bytes)
{
    const std::string target = FollowLinks(path);
    std::string temporary = target + ".XXXXXX";
    FileDescriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (fd.get() < 0)
        return WriteResult::CannotCreate;

    const bool written = ::fchmod(fd.get(), NewFileMode(target)) == 0 && WriteAll(fd.get(), bytes)
                         && ::fsync(fd.get()) == 0 && ::close(fd.release()) == 0;
    if (!written) {
        ::unlink(temporary.c_str());
        return WriteResult::WriteFailed;
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return WriteResult::CannotCreate;
    }
    return WriteResult::Written;
}

} // namespace velnorix
