#include "common/file_access.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <string_view>

namespace common::fileio {
namespace fs = std::filesystem;

bool canRead(const std::string& path) {
    std::error_code ec;
    if (path.empty() || fs::is_directory(path, ec))
        return false;
    std::ifstream in(path, std::ios::binary);
    return in.is_open();
}

std::optional<std::string> readAll(const std::string& path) {
    std::error_code ec;
    if (path.empty() || fs::is_directory(path, ec))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0)
        return std::nullopt;
    in.seekg(0, std::ios::beg);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), size);
    if (in.gcount() != size)
        return std::nullopt;
    return bytes;
}

void makeWritable(const std::string& path) {
    std::error_code ec;
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, ec);
}

void makeReadOnly(const std::string& path) {
    std::error_code ec;
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove, ec);
}

namespace {

constexpr std::string_view kTemporaryTag = ".~saving-";

// "<file>.~saving-<process id>-<count>": the process id tells a save still
// running from one that was killed.
std::string temporaryName(const std::string& path, unsigned count) {
    return path + std::string(kTemporaryTag) + std::to_string(::getpid()) + "-" + std::to_string(count);
}

// The process id of a temporary of the file named target, or none for any other name.
std::optional<long long> temporaryOwner(std::string_view name, std::string_view target) {
    if (!name.starts_with(target) || !name.substr(target.size()).starts_with(kTemporaryTag))
        return std::nullopt;
    const std::string_view rest = name.substr(target.size() + kTemporaryTag.size());
    const std::size_t dash = rest.find('-');
    auto allDigits = [](std::string_view text) {
        return !text.empty() && text.size() <= 18 &&
               std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (dash == std::string_view::npos || !allDigits(rest.substr(0, dash)) ||
        !allDigits(rest.substr(dash + 1)))
        return std::nullopt;
    return std::stoll(std::string(rest.substr(0, dash)));
}

bool processRuns(long long pid) {
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max())
        return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

// Removes what killed saves of this file left behind: its temporaries whose
// process is gone (or is this one, which saves one file at a time).
void removeLeftovers(const fs::path& target) {
    std::error_code ec;
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const std::string name = target.filename().string();
    // Stepped with error codes: an unreadable folder is no reason to fail the save.
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& candidate = it->path();
        const std::optional<long long> owner = temporaryOwner(candidate.filename().string(), name);
        if (!owner || (*owner != ::getpid() && processRuns(*owner)))
            continue;
        std::error_code removeEc;
        if (fs::is_regular_file(fs::symlink_status(candidate, removeEc)))
            fs::remove(candidate, removeEc);
    }
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Makes the rename itself durable. Some file systems cannot sync a folder;
// the new file is in place either way, so this is not a failure of the save.
void syncFolder(const fs::path& target) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

bool replaceFile(const std::string& path, const std::string& bytes, std::string& error, bool keepReadOnly,
                 Durability durability) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        error = "'" + path + "' is a folder.";
        return false;
    }
    const fs::perms previous = fs::exists(path, ec) ? fs::status(path, ec).permissions()
                                                    : fs::perms::owner_read | fs::perms::owner_write |
                                                          fs::perms::group_read | fs::perms::others_read;
    fs::perms wanted = previous | fs::perms::owner_read;
    if (keepReadOnly) {
        wanted &= ~(fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write);
    } else {
        wanted |= fs::perms::owner_write;
    }
    removeLeftovers(path);

    static std::atomic<unsigned> counter{0};
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = temporaryName(path, counter++);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, S_IRUSR | S_IWUSR);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        error = "'" + path + "' cannot be written: the folder cannot take a new file.";
        return false;
    }
    // The content reaches the disk before the name does: after a power cut
    // the file is either the old one or the new one, never an empty one.
    const bool written = writeAll(fd, bytes);
    const bool durable = durability == Durability::Durable;
    const bool synced = written && (!durable || ::fsync(fd) == 0);
    ::fchmod(fd, static_cast<mode_t>(wanted));
    const bool closed = ::close(fd) == 0;
    if (!written || !synced || !closed) {
        fs::remove(temporary, ec);
        error = "'" + path + "' cannot be written: the disk may be full.";
        return false;
    }
    fs::rename(temporary, path, ec);
    if (ec) {
        error = "'" + path + "' cannot be replaced: " + ec.message() + ".";
        fs::remove(temporary, ec);
        return false;
    }
    if (durable)
        syncFolder(path);
    return true;
}

}  // namespace common::fileio
