#include "common/file_access.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>

namespace common::fileio {
namespace fs = std::filesystem;

bool canRead(const std::string& path) {
    std::error_code ec;
    if (path.empty() || fs::is_directory(path, ec))
        return false;
    std::ifstream in(path, std::ios::binary);
    return in.is_open();
}

bool readAll(const std::string& path, std::string& bytes) {
    std::error_code ec;
    if (path.empty() || fs::is_directory(path, ec))
        return false;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0)
        return false;
    in.seekg(0, std::ios::beg);
    bytes.resize(static_cast<std::size_t>(size));
    in.read(bytes.data(), size);
    return in.gcount() == size;
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
std::string temporaryName(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    return path + ".~" + std::to_string(stamp % 1000000007) + "-" + std::to_string(counter++);
}
}  // namespace

bool replaceFile(const std::string& path, const std::string& bytes, std::string& error, bool keepReadOnly) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        error = "'" + path + "' is a folder.";
        return false;
    }
    const fs::perms previous = fs::exists(path, ec) ? fs::status(path, ec).permissions()
                                                    : fs::perms::owner_read | fs::perms::owner_write |
                                                          fs::perms::group_read | fs::perms::others_read;
    const std::string temporary = temporaryName(path);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            error = "'" + path + "' cannot be written: the folder cannot take a new file.";
            return false;
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            fs::remove(temporary, ec);
            error = "'" + path + "' cannot be written: the disk may be full.";
            return false;
        }
    }
    fs::perms wanted = previous | fs::perms::owner_read;
    if (keepReadOnly) {
        wanted &= ~(fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write);
    } else {
        wanted |= fs::perms::owner_write;
    }
    fs::permissions(temporary, wanted, fs::perm_options::replace, ec);
    fs::rename(temporary, path, ec);
    if (ec) {
        error = "'" + path + "' cannot be replaced: " + ec.message() + ".";
        fs::remove(temporary, ec);
        return false;
    }
    return true;
}

}  // namespace common::fileio
