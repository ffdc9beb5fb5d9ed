// The frame reader of the link between the two programs, driven as both ends
// drive it: bytes arrive in pieces and join a buffer, each complete frame is
// taken off its front, and a malformed frame drops the connection, so no byte
// after it is read. Checked, for bytes of any kind:
// - a frame read is exactly what the writer makes of its message;
// - the verdict agrees with the frame layout: "need more" only while the
//   bytes can still start a valid frame (one is built from them), "malformed"
//   only when no valid frame starts with them;
// - the pieces change nothing: the frames read, the drop and the bytes left
//   waiting are those of the same bytes arriving at once.
// And messages sent through the writer read back identical in any pieces.
//
// Input: one byte, the largest piece (0: everything at once), then the bytes
// of the link. The same bytes also give messages to send: kind, item length,
// item, two bytes of text length, text.

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

// One end of the link: what arrives joins the buffer, complete frames are
// taken off its front, a malformed frame drops the connection.
class LinkEnd {
public:
    void receive(std::string_view piece) {
        if (m_dropped)
            return;
        m_buffer.append(piece);
        while (true) {
            const Decoded decoded = checkedDecode(m_buffer);
            if (decoded.status == DecodeStatus::NeedMore)
                return;
            if (decoded.status == DecodeStatus::Malformed) {
                m_dropped = true;
                m_buffer.clear();
                return;
            }
            m_messages.push_back(decoded.message);
            m_frames.append(m_buffer, 0, decoded.consumed);
            m_buffer.erase(0, decoded.consumed);
        }
    }

    const std::vector<Message>& messages() const { return m_messages; }
    // The bytes of the frames read, one after the other.
    const std::string& frames() const { return m_frames; }
    bool dropped() const { return m_dropped; }
    const std::string& waiting() const { return m_buffer; }

private:
    std::vector<Message> m_messages;
    std::string m_frames;
    std::string m_buffer;
    bool m_dropped = false;
};

// The bytes in pieces of 1 to largest bytes (all at once for 0), the sizes
// from a small generator so that a byte of input picks a whole pattern.
LinkEnd receivedInPieces(std::string_view bytes, unsigned largest) {
    LinkEnd end;
    if (largest == 0) {
        end.receive(bytes);
        return end;
    }
    std::uint32_t state = 2463534242u ^ largest;
    while (!bytes.empty()) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        const std::size_t size = 1 + state % largest;
        end.receive(bytes.substr(0, size));
        bytes.remove_prefix(std::min(size, bytes.size()));
    }
    return end;
}

void checkSameReading(const LinkEnd& pieces, const LinkEnd& atOnce, unsigned largest) {
    const std::string detail = " in pieces of up to " + std::to_string(largest) + " bytes";
    FUZZ_CHECK(pieces.frames() == atOnce.frames() && pieces.messages() == atOnce.messages(),
               "the frames read" + detail + " are " + fuzz::escaped(pieces.frames()) + ", at once " +
                   fuzz::escaped(atOnce.frames()));
    FUZZ_CHECK(pieces.dropped() == atOnce.dropped(),
               std::string("the link is ") + (pieces.dropped() ? "" : "not ") + "dropped" + detail);
    FUZZ_CHECK(pieces.waiting() == atOnce.waiting(), "the bytes waiting" + detail + " are " +
                                                         fuzz::escaped(pieces.waiting()) + ", at once " +
                                                         fuzz::escaped(atOnce.waiting()));
}

// Arbitrary bytes arriving on the link.
void checkBytes(std::string_view bytes, unsigned largest) {
    const LinkEnd atOnce = receivedInPieces(bytes, 0);
    FUZZ_CHECK(bytes.substr(0, atOnce.frames().size()) == atOnce.frames(),
               "the frames read are not the start of " + fuzz::escaped(bytes));
    if (atOnce.dropped()) {
        FUZZ_CHECK(atOnce.waiting().empty(), "a dropped link keeps bytes");
    } else {
        FUZZ_CHECK(atOnce.frames().size() + atOnce.waiting().size() == bytes.size(),
                   "bytes of " + fuzz::escaped(bytes) + " are lost without a drop");
        if (!atOnce.waiting().empty()) {
            const std::optional<std::string> frame = completed(atOnce.waiting());
            FUZZ_CHECK(frame && decodeFrame(*frame).status == DecodeStatus::Complete &&
                           decodeFrame(*frame).consumed == frame->size(),
                       "the reader waits on " + fuzz::escaped(atOnce.waiting()) +
                           ", but no valid frame made from it reads");
        }
    }
    if (largest != 0)
        checkSameReading(receivedInPieces(bytes, largest), atOnce, largest);
}

// Messages through the writer, then the reader.
void checkMessages(fuzz::Input input, unsigned largest) {
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
    const LinkEnd end = receivedInPieces(link, largest);
    FUZZ_CHECK(
        !end.dropped() && end.waiting().empty() && end.frames() == link,
        "the frames written read back as " + fuzz::escaped(end.frames()) + ", not " + fuzz::escaped(link));
    FUZZ_CHECK(end.messages().size() == sent.size(), std::to_string(sent.size()) + " messages sent, " +
                                                         std::to_string(end.messages().size()) + " read");
    for (std::size_t i = 0; i < sent.size(); ++i)
        FUZZ_CHECK(end.messages()[i] == sent[i],
                   shown(sent[i]) + " reads back as " + shown(end.messages()[i]));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input(data, size);
    const unsigned largest = input.byte();
    const fuzz::Input messages = input;
    checkBytes(input.rest(), largest);
    checkMessages(messages, largest);
    return 0;
}
