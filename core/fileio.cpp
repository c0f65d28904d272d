#include "fileio.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orrery {

bool fileExists(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool directoryExists(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::optional<std::string> readFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    std::string content(static_cast<std::size_t>(st.st_size), '\0');
    std::size_t filled = 0;
    auto fail = [&] {
        ::close(fd);
        return std::optional<std::string>();
    };
    while (filled < content.size()) {
        const ssize_t n = ::read(fd, content.data() + filled, content.size() - filled);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return fail();
        if (n == 0) break; // the file shrank since it was measured
        filled += static_cast<std::size_t>(n);
    }
    content.resize(filled);
    // The file may have grown since it was measured; a small buffer tells without doubling the
    // memory of a file that was read in full.
    char more[16384];
    for (;;) {
        const ssize_t n = ::read(fd, more, sizeof more);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return fail();
        if (n == 0) break;
        content.append(more, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return content;
}

namespace {

void setError(std::string* error, const std::string& path, const char* what, int err)
{
    if (error) *error = "Could not write " + path + ": " + what + " (" + std::strerror(err) + ")";
}

} // namespace

bool writeFileAtomic(const std::string& path, std::string_view content, std::string* error)
{
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        setError(error, path, "cannot create a temporary file", errno);
        return false;
    }
    std::size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            ::unlink(temp.c_str());
            setError(error, path, "write failed", err);
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    // Keep the permissions of an existing file; new files get the usual ones.
    struct stat st {};
    const mode_t mode = ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644;
    ::fchmod(fd, mode);
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        setError(error, path, "flushing failed", err);
        return false;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        setError(error, path, "rename failed", err);
        return false;
    }
    return true;
}

bool copyFile(const std::string& from, const std::string& to, std::string* error)
{
    const std::optional<std::string> content = readFile(from);
    if (!content) {
        if (error) *error = "Could not read " + from;
        return false;
    }
    return writeFileAtomic(to, *content, error);
}

std::string withTrailingSeparator(std::string folder)
{
    if (folder.empty() || folder.back() != directorySeparator) folder.push_back(directorySeparator);
    return folder;
}

} // namespace orrery
