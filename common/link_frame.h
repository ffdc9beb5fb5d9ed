#pragma once
// The frames of the link between the converter and the calculator. A frame is
// a 4-byte big-endian payload length, then the payload: version, kind, item
// name length (one byte), the item name, and the text (UTF-8) to the end.
// A peer that receives a frame it cannot read drops the connection; nothing
// in a frame can make the reader allocate more than kMaxPayload.
//
//   encodeFrame(message) -> bytes -> decodeFrame(bytes) -> message

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace common::link {

inline constexpr std::uint8_t kVersion = 1;
inline constexpr std::size_t kHeaderSize = 4;
inline constexpr std::size_t kMaxPayload = 64 * 1024;
// The calculator window's link topic; clients connect with it.
inline constexpr std::string_view kTopic = "Tallix|frmCalc";

enum class Kind : std::uint8_t {
    Poke = 1,      // item, text: the item's text becomes text
    Request = 2,   // item: asks for the item's text
    Activate = 3,  // restore and raise the window (a second start)
    Reply = 4,     // text: the answer to a poke, a request or an activation
    Refused = 5,   // the item is unknown or the request cannot be served
};

struct Message {
    Kind kind = Kind::Reply;
    std::string item;
    std::string text;

    friend bool operator==(const Message&, const Message&) = default;
};

// The frame's bytes; nothing when the item or the text is too long for one frame.
std::optional<std::string> encodeFrame(const Message& message);

enum class DecodeStatus {
    Complete,   // message holds the first frame, consumed its size
    NeedMore,   // the bytes so far are the start of a valid frame
    Malformed,  // the bytes can never become a valid frame
};

struct Decoded {
    DecodeStatus status = DecodeStatus::NeedMore;
    Message message;
    std::size_t consumed = 0;
};

// Reads the first frame at the start of bytes.
Decoded decodeFrame(std::string_view bytes);

// The local server's name for a topic: one per user and per session runtime
// folder, so separate sessions (and test runs with their own runtime folder)
// never meet.
std::string serverName(std::string_view topic, unsigned long userId, std::string_view runtimeDir);

}  // namespace common::link
