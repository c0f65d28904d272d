#include "fileio.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

namespace fs = std::filesystem;

namespace orrery {

namespace {

std::string reason(int err) { return std::strerror(err); }

struct FileCloser {
    void operator()(std::FILE* f) const
    {
        if (f) std::fclose(f);
    }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

Failure writeFailure(const std::string& path, const std::string& why)
{
    return Failure("Could not write " + path + ": " + why, path);
}

} // namespace

bool fileExists(const std::string& path)
{
    std::error_code ec;
    return fs::is_regular_file(fs::path(path), ec);
}

bool directoryExists(const std::string& path)
{
    std::error_code ec;
    return fs::is_directory(fs::path(path), ec);
}

Result<std::string> readFile(const std::string& path)
{
    auto failure = [&](const std::string& why) { return Failure("Could not read " + path + ": " + why, path); };
    std::error_code ec;
    if (fs::is_directory(fs::path(path), ec)) return failure("it is a folder");
    errno = 0;
    File file(std::fopen(path.c_str(), "rb"));
    if (!file) return failure(reason(errno ? errno : ENOENT));
    std::string content;
    // The size is a hint only: the file may grow or shrink while it is read.
    const auto size = fs::file_size(fs::path(path), ec);
    if (!ec) content.reserve(static_cast<std::size_t>(size));
    char buffer[65536];
    for (;;) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, file.get());
        content.append(buffer, n);
        if (n < sizeof buffer) break;
    }
    if (std::ferror(file.get())) return failure(reason(errno ? errno : EIO));
    return content;
}

Status writeFileAtomic(const std::string& path, std::string_view content)
{
    std::error_code ec;
    if (fs::is_directory(fs::path(path), ec)) return writeFailure(path, "a folder of that name is in the way");
    // A temporary name beside the target, created exclusively so that no other file is hit.
    std::string temp;
    File file;
    for (int attempt = 0; attempt < 100 && !file; ++attempt) {
        temp = path + ".tmp" + std::to_string(attempt);
        errno = 0;
        file.reset(std::fopen(temp.c_str(), "wbx"));
        if (!file && errno != EEXIST) return writeFailure(path, reason(errno ? errno : EACCES));
    }
    if (!file) return writeFailure(path, "no temporary file could be created");
    const bool written = std::fwrite(content.data(), 1, content.size(), file.get()) == content.size() &&
                         std::fflush(file.get()) == 0;
    const int err = errno;
    const bool closed = std::fclose(file.release()) == 0;
    if (!written || !closed) {
        fs::remove(fs::path(temp), ec);
        return writeFailure(path, reason(err ? err : EIO));
    }
    // An existing file keeps its permissions.
    const fs::file_status old = fs::status(fs::path(path), ec);
    if (!ec && fs::exists(old)) fs::permissions(fs::path(temp), old.permissions(), ec);
    fs::rename(fs::path(temp), fs::path(path), ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(fs::path(temp), ignored);
        return writeFailure(path, ec.message());
    }
    return {};
}

std::string withTrailingSeparator(std::string folder)
{
    if (folder.empty() || folder.back() != directorySeparator) folder.push_back(directorySeparator);
    return folder;
}

} // namespace orrery
