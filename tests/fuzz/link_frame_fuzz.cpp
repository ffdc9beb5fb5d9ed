// The frame reader of the link between the two programs, driven as both ends
// drive it: complete frames are taken off the front of what arrived, and a
// malformed frame drops the connection, so no byte after it is read.
// Checked, for bytes of any kind:
// - a frame read is exactly what the writer makes of its message;
// - the verdict agrees with the frame layout, on the whole and on each prefix
//   of a frame's fixed part (bytes arrive in any pieces): "need more" only
//   while the bytes can still start a valid frame (one is built from them),
//   "malformed" only when no valid frame starts with them.
// And messages sent through the writer read back identical.
//
// Input: the bytes of the link. The same bytes also give messages to send:
// kind, item length, item, two bytes of text length, text.

#include "common/link_frame.h"
#include "fuzz_support.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using common::link::Decoded;
using common::link::decodeFrame;
using common::link::DecodeStatus;
using common::link::encodeFrame;
using common::link::kHeaderSize;
using common::link::Kind;
using common::link::kMaxPayload;
using common::link::kVersion;
using common::link::Message;

constexpr std::size_t kFixedPayload = 3;  // version, kind, item length
constexpr unsigned kKinds = 5;

std::string shown(const Message& message) {
    return "kind " + std::to_string(static_cast<int>(message.kind)) + ", item " +
           fuzz::escaped(message.item) + ", text " + fuzz::escaped(message.text);
}

// Whether some valid frame starts with these bytes: a length from the fixed
// part to the limit, the version, a known kind, an item inside the payload.
bool startsAFrame(std::string_view bytes) {
    const auto at = [&](std::size_t i) -> std::size_t {
        return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0;
    };
    // The smallest length the bytes given allow (missing ones zero).
    std::size_t least = 0;
    for (std::size_t i = 0; i < kHeaderSize; ++i)
        least = least << 8 | at(i);
    if (least > kMaxPayload)
        return false;
    if (bytes.size() < kHeaderSize)
        return true;
    if (least < kFixedPayload)
        return false;
    if (bytes.size() > kHeaderSize && at(kHeaderSize) != kVersion)
        return false;
    if (bytes.size() > kHeaderSize + 1 && (at(kHeaderSize + 1) == 0 || at(kHeaderSize + 1) > kKinds))
        return false;
    return bytes.size() <= kHeaderSize + 2 || at(kHeaderSize + 2) <= least - kFixedPayload;
}

// A valid frame that starts with bytes the reader waits on: missing length
// bytes zero (but a length of at least the fixed part), then a poke without
// an item, then filler.
std::optional<std::string> completed(std::string bytes) {
    const std::size_t given = bytes.size();
    std::size_t payload = 0;
    for (std::size_t i = 0; i < kHeaderSize; ++i)
        payload = payload << 8 | (i < given ? static_cast<unsigned char>(bytes[i]) : 0);
    if (given < kHeaderSize)
        payload = std::max(payload, kFixedPayload);
    if (payload > kMaxPayload || payload < kFixedPayload)
        return std::nullopt;
    for (std::size_t i = given; i < kHeaderSize; ++i)
        bytes.push_back(static_cast<char>((payload >> (8 * (kHeaderSize - 1 - i))) & 0xFF));
    const char fixed[kFixedPayload] = {static_cast<char>(kVersion), static_cast<char>(Kind::Poke), 0};
    for (std::size_t i = std::max(given, kHeaderSize); i < kHeaderSize + kFixedPayload; ++i)
        bytes.push_back(fixed[i - kHeaderSize]);
    bytes.resize(std::max(bytes.size(), kHeaderSize + payload), 'x');
    return bytes;
}

// The first frame of the bytes, checked against the layout and the writer.
Decoded checkedDecode(std::string_view bytes) {
    const Decoded decoded = decodeFrame(bytes);
    const bool canStart = startsAFrame(bytes);
    FUZZ_CHECK((decoded.status == DecodeStatus::Malformed) == !canStart,
               fuzz::escaped(bytes) + (canStart ? " is called malformed, but a frame can start with it"
                                                : " can start no frame, but is not called malformed"));
    if (decoded.status != DecodeStatus::Complete)
        return decoded;
    FUZZ_CHECK(decoded.consumed >= kHeaderSize + kFixedPayload && decoded.consumed <= bytes.size() &&
                   decoded.consumed <= kHeaderSize + kMaxPayload,
               "a frame of " + std::to_string(decoded.consumed) + " bytes read from " + fuzz::escaped(bytes));
    const std::string_view frame = bytes.substr(0, decoded.consumed);
    const std::optional<std::string> written = encodeFrame(decoded.message);
    FUZZ_CHECK(written && *written == frame, "the frame " + fuzz::escaped(frame) + " reads as " +
                                                 shown(decoded.message) + ", which is written as " +
                                                 (written ? fuzz::escaped(*written) : "nothing"));
    return decoded;
}

// Frame after frame off the front, until one is malformed or more is needed.
void checkBytes(std::string_view bytes) {
    while (true) {
        for (std::size_t n = 0; n < std::min(bytes.size(), kHeaderSize + kFixedPayload); ++n)
            checkedDecode(bytes.substr(0, n));
        const Decoded decoded = checkedDecode(bytes);
        if (decoded.status == DecodeStatus::Malformed)
            return;
        if (decoded.status == DecodeStatus::NeedMore) {
            const std::optional<std::string> frame =
                bytes.empty() ? std::nullopt : completed(std::string(bytes));
            FUZZ_CHECK(
                bytes.empty() || (frame && decodeFrame(*frame).status == DecodeStatus::Complete &&
                                  decodeFrame(*frame).consumed == frame->size()),
                "the reader waits on " + fuzz::escaped(bytes) + ", but no valid frame made from it reads");
            return;
        }
        bytes.remove_prefix(decoded.consumed);
    }
}

// Messages through the writer, then the reader.
void checkMessages(fuzz::Input input) {
    std::vector<Message> sent;
    std::string link;
    while (!input.empty()) {
        Message message;
        message.kind = static_cast<Kind>(1 + input.byte() % kKinds);
        message.item = std::string(input.bytes(input.byte()));
        const std::size_t textLength = static_cast<std::size_t>(input.byte()) << 8 | input.byte();
        message.text = std::string(input.bytes(textLength));
        const std::optional<std::string> frame = encodeFrame(message);
        const bool fits = kFixedPayload + message.item.size() + message.text.size() <= kMaxPayload;
        FUZZ_CHECK(frame.has_value() == fits,
                   std::string("the writer ") + (fits ? "refuses " : "takes ") + shown(message));
        if (!frame)
            continue;
        sent.push_back(message);
        link += *frame;
    }
    std::string_view rest = link;
    for (const Message& message : sent) {
        const Decoded decoded = decodeFrame(rest);
        FUZZ_CHECK(decoded.status == DecodeStatus::Complete && decoded.message == message,
                   shown(message) + " does not read back from " + fuzz::escaped(rest));
        rest.remove_prefix(decoded.consumed);
    }
    FUZZ_CHECK(rest.empty(), "bytes left after the messages written: " + fuzz::escaped(rest));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::Input input(data, size);
    checkBytes(fuzz::Input(input).rest());
    checkMessages(input);
    return 0;
}
