#include "common/link_frame.h"

#include <cstdio>

namespace common::link {
namespace {

constexpr std::size_t kFixedPayload = 3;  // version, kind, item length
constexpr std::size_t kMaxItem = 255;

bool knownKind(std::uint8_t kind) {
    return kind >= static_cast<std::uint8_t>(Kind::Poke) && kind <= static_cast<std::uint8_t>(Kind::Refused);
}

}  // namespace

std::optional<std::string> encodeFrame(const Message& message) {
    if (message.item.size() > kMaxItem)
        return std::nullopt;
    const std::size_t payload = kFixedPayload + message.item.size() + message.text.size();
    if (payload > kMaxPayload)
        return std::nullopt;
    std::string frame;
    frame.reserve(kHeaderSize + payload);
    for (int shift = 24; shift >= 0; shift -= 8)
        frame.push_back(static_cast<char>((payload >> shift) & 0xFF));
    frame.push_back(static_cast<char>(kVersion));
    frame.push_back(static_cast<char>(message.kind));
    frame.push_back(static_cast<char>(message.item.size()));
    frame += message.item;
    frame += message.text;
    return frame;
}

Decoded decodeFrame(std::string_view bytes) {
    Decoded decoded;
    // Missing length bytes count as zero: a length that is too long already
    // with them is judged before the rest of the header arrives.
    std::size_t payload = 0;
    for (std::size_t i = 0; i < kHeaderSize; ++i)
        payload = (payload << 8) | (i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0);
    if (payload > kMaxPayload || (bytes.size() >= kHeaderSize && payload < kFixedPayload)) {
        decoded.status = DecodeStatus::Malformed;
        return decoded;
    }
    if (bytes.size() < kHeaderSize)
        return decoded;
    // Each byte of the fixed part is judged as soon as it is there, before the rest arrives.
    const std::string_view fixed = bytes.substr(kHeaderSize, kFixedPayload);
    if ((fixed.size() > 0 && static_cast<std::uint8_t>(fixed[0]) != kVersion) ||
        (fixed.size() > 1 && !knownKind(static_cast<std::uint8_t>(fixed[1]))) ||
        (fixed.size() > 2 && static_cast<unsigned char>(fixed[2]) > payload - kFixedPayload)) {
        decoded.status = DecodeStatus::Malformed;
        return decoded;
    }
    if (bytes.size() < kHeaderSize + payload)
        return decoded;
    const std::string_view body = bytes.substr(kHeaderSize, payload);
    const auto itemLength = static_cast<unsigned char>(body[2]);
    decoded.status = DecodeStatus::Complete;
    decoded.message.kind = static_cast<Kind>(body[1]);
    decoded.message.item = std::string(body.substr(kFixedPayload, itemLength));
    decoded.message.text = std::string(body.substr(kFixedPayload + itemLength));
    decoded.consumed = kHeaderSize + payload;
    return decoded;
}

std::string serverName(std::string_view topic, unsigned long userId, std::string_view runtimeDir) {
    std::string name;
    for (const char c : topic) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        name.push_back(plain ? c : '-');
    }
    // FNV-1a over the runtime folder: short, stable and free of "/".
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : runtimeDir) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    char suffix[48];
    std::snprintf(suffix, sizeof suffix, ".%lu.%016llx", userId, static_cast<unsigned long long>(hash));
    return name + suffix;
}

}  // namespace common::link
