#pragma once
// What the fuzz targets share: typed pieces taken from the input bytes, a
// private folder for the targets that go through files, and the check that
// stops a run when an invariant breaks (libFuzzer keeps the input; the
// corpus replay fails).

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace fuzz {

[[noreturn]] inline void fail(const char* file, int line, const char* condition, const std::string& detail) {
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n%s\n", file, line, condition, detail.c_str());
    std::fflush(stderr);
    std::abort();
}

// The input bytes, taken from the front.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : m_rest(reinterpret_cast<const char*>(data), size) {}

    bool empty() const { return m_rest.empty(); }
    // 0 once the input is used up.
    std::uint8_t byte() {
        if (m_rest.empty())
            return 0;
        const auto value = static_cast<std::uint8_t>(m_rest.front());
        m_rest.remove_prefix(1);
        return value;
    }
    // Eight bytes as the bit pattern of a double (missing bytes are zero).
    double doubleBits() {
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i)
            bits = bits << 8 | byte();
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    // Up to count bytes, fewer where the input ends.
    std::string_view bytes(std::size_t count) {
        const std::string_view taken = m_rest.substr(0, count);
        m_rest.remove_prefix(taken.size());
        return taken;
    }
    // Everything not taken yet.
    std::string_view rest() {
        const std::string_view all = m_rest;
        m_rest = {};
        return all;
    }

private:
    std::string_view m_rest;
};

// Bytes as a C string literal, for failure messages.
inline std::string escaped(std::string_view bytes) {
    std::string out = "\"";
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u >= 0x20 && u < 0x7F) {
            out += c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", u);
            out += escaped;
        }
    }
    return out + "\"";
}

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Replaces the file, read-only or not (the folder stays writable).
inline void writeFile(const std::string& path, std::string_view bytes) {
    std::error_code ec;
    std::filesystem::remove(path, ec);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A folder of this process, in memory where the system offers one (saves
// flush to the disk, millions of times in a run), removed at exit.
class ScratchFolder {
public:
    static const ScratchFolder& get() {
        static const ScratchFolder folder;
        return folder;
    }
    std::string file(std::string_view name) const { return (m_path / name).string(); }
    std::string path() const { return m_path.string(); }

    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

private:
    ScratchFolder() {
        namespace fs = std::filesystem;
        std::error_code ec;
        fs::path base = "/dev/shm";
        if (!fs::is_directory(base, ec) || ::access(base.c_str(), W_OK) != 0)
            base = fs::temp_directory_path();
        m_path = base / ("quantora-fuzz-" + std::to_string(::getpid()));
        fs::remove_all(m_path, ec);
        fs::create_directories(m_path);
    }
    std::filesystem::path m_path;
};

}  // namespace fuzz

// Stops the run with the broken condition and what it was about; the detail
// is only built when the check fails.
#define FUZZ_CHECK(condition, detail)                               \
    do {                                                            \
        if (!(condition))                                           \
            ::fuzz::fail(__FILE__, __LINE__, #condition, (detail)); \
    } while (false)
