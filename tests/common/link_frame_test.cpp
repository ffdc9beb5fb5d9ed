#include "common/link_frame.h"

#include <gtest/gtest.h>

namespace {

using common::link::decodeFrame;
using common::link::DecodeStatus;
using common::link::encodeFrame;
using common::link::Kind;
using common::link::Message;

std::string frameOf(const Message& message) {
    const std::optional<std::string> frame = encodeFrame(message);
    EXPECT_TRUE(frame.has_value());
    return frame.value_or(std::string());
}

TEST(LinkFrame, RoundTripsEveryKindWaitsWhenCutAndLeavesTheNextFrameAlone) {
    const Message messages[] = {{Kind::Poke, "txtSource", " 1.5"},
                                {Kind::Request, "txtCalcResult", ""},
                                {Kind::Activate, "", ""},
                                {Kind::Reply, "txtInput", "\xC2\xB1 2 \xE2\x82\xAC"},
                                {Kind::Refused, "other", ""}};
    for (const Message& message : messages) {
        const std::string frame = frameOf(message);
        const std::string twoFrames = frame + frameOf({Kind::Poke, "x", "y"});
        const auto decoded = decodeFrame(twoFrames);
        ASSERT_EQ(decoded.status, DecodeStatus::Complete);
        EXPECT_EQ(decoded.message, message);
        EXPECT_EQ(decoded.consumed, frame.size());
        for (std::size_t length = 0; length < frame.size(); ++length)  // every truncation waits for more
            EXPECT_EQ(decodeFrame(frame.substr(0, length)).status, DecodeStatus::NeedMore) << length;
    }
}

TEST(LinkFrame, RejectsWhatCanNeverBecomeAFrame) {
    const std::string good = frameOf({Kind::Request, "txtInput", ""});
    // Payload far beyond the limit, too short for the fixed part, version,
    // kind 9 and 0, an item longer than the payload.
    const std::pair<std::size_t, char> edits[] = {{1, '\x7F'}, {3, '\x02'}, {4, '\x02'},
                                                  {5, '\x09'}, {5, '\0'},   {6, '\x40'}};
    for (const auto& [at, byte] : edits) {
        std::string bytes = good;
        bytes[at] = byte;
        EXPECT_EQ(decodeFrame(bytes).status, DecodeStatus::Malformed) << at;
    }
    std::string head = good.substr(0, 7);  // the fixed part is judged before the body arrives
    head[4] = '\x02';
    EXPECT_EQ(decodeFrame(head).status, DecodeStatus::Malformed);
    // A frame at the limit is fine, one byte more is not.
    const std::size_t room = common::link::kMaxPayload - 3 - 1;
    EXPECT_TRUE(encodeFrame({Kind::Reply, "x", std::string(room, 'a')}).has_value());
    EXPECT_FALSE(encodeFrame({Kind::Reply, "x", std::string(room + 1, 'a')}).has_value());
    EXPECT_FALSE(encodeFrame({Kind::Poke, std::string(256, 'i'), ""}).has_value());
}

TEST(LinkServerName, IsOnePerUserAndSessionAndHoldsNoPathCharacters) {
    const std::string name = common::link::serverName(common::link::kTopic, 1000, "/run/user/1000");
    EXPECT_EQ(name.rfind("Tallix-frmCalc.1000.", 0), 0u);
    EXPECT_EQ(name.find_first_of("/|"), std::string::npos);
    EXPECT_EQ(name, common::link::serverName(common::link::kTopic, 1000, "/run/user/1000"));
    EXPECT_NE(name, common::link::serverName(common::link::kTopic, 1001, "/run/user/1000"));
    EXPECT_NE(name, common::link::serverName(common::link::kTopic, 1000, "/tmp/test-runtime"));
}

}  // namespace
