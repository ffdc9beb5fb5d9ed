// The help documents against the code that opens them: every topic number a
// program asks for is an anchor of its document, every link inside a
// document leads somewhere, and the contents list reaches every topic.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Topic numbers in the sources under a folder: constants and fields named
// "...Help" or "...Topic" given a number, the values of a HelpTopic enum, and
// numbers passed straight to a help call. 0 is the contents.
std::map<int, std::string> referencedTopics(const fs::path& folder) {
    static const std::regex kNamed(R"re(\b(\w*(?:Help|Topic))\s*(?:=|\{)\s*(\d+)\b)re");
    static const std::regex kEnum(R"re(enum\s+class\s+\w*HelpTopic\w*\s*(?::\s*\w+\s*)?\{([^}]*)\})re");
    static const std::regex kEnumValue(R"re(=\s*(\d+))re");
    static const std::regex kCall(R"re(\b(?:show\w*Topic|showHelp|helpWanted)\s*\(\s*(\d+)\s*\))re");
    const std::sregex_iterator kNone;
    std::map<int, std::string> topics;
    auto add = [&topics](const std::string& number, const fs::path& file) {
        const int topic = std::stoi(number);
        if (topic > 0)
            topics.emplace(topic, file.filename().string());
    };
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h"))
            continue;
        const std::string text = readFile(entry.path());
        for (std::sregex_iterator it(text.begin(), text.end(), kNamed); it != kNone; ++it)
            add((*it)[2], entry.path());
        for (std::sregex_iterator it(text.begin(), text.end(), kCall); it != kNone; ++it)
            add((*it)[1], entry.path());
        for (std::sregex_iterator it(text.begin(), text.end(), kEnum); it != kNone; ++it) {
            const std::string body = (*it)[1];
            for (std::sregex_iterator v(body.begin(), body.end(), kEnumValue); v != kNone; ++v)
                add((*v)[1], entry.path());
        }
    }
    return topics;
}

std::set<std::string> matches(const std::string& text, const std::regex& pattern) {
    std::set<std::string> found;
    for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it)
        found.insert((*it)[1]);
    return found;
}

std::set<std::string> anchorsOf(const std::string& html) {
    return matches(html, std::regex(R"re(<a\s+name="([^"]+)")re"));
}

struct HelpCase {
    const char* name;
    const char* sources;
    const char* document;
    std::set<int> known;  // topics the scan must find, so a broken scan cannot pass
};

void PrintTo(const HelpCase& c, std::ostream* out) {
    *out << c.name;
}

class HelpDocumentTest : public testing::TestWithParam<HelpCase> {
protected:
    fs::path source(const char* relative) const { return fs::path(PROJECT_SOURCE_DIR) / relative; }
};

TEST_P(HelpDocumentTest, everyTopicTheCodeOpensIsAnAnchor) {
    const std::map<int, std::string> topics = referencedTopics(source(GetParam().sources));
    for (int known : GetParam().known)
        EXPECT_TRUE(topics.count(known)) << "the scan of the sources missed topic " << known;
    const std::set<std::string> anchors = anchorsOf(readFile(source(GetParam().document)));
    EXPECT_TRUE(anchors.count("contents"));
    for (const auto& [topic, file] : topics) {
        EXPECT_TRUE(anchors.count("topic" + std::to_string(topic)))
            << GetParam().document << " has no anchor topic" << topic << " (used in " << file << ")";
    }
}

TEST_P(HelpDocumentTest, linksLeadToAnchorsAndTheContentsListsEveryTopic) {
    const std::string html = readFile(source(GetParam().document));
    const std::set<std::string> anchors = anchorsOf(html);
    for (const std::string& target : matches(html, std::regex(R"re(href="#([^"]+)")re")))
        EXPECT_TRUE(anchors.count(target)) << "a link to #" << target << " leads nowhere";
    const std::string contents = html.substr(0, html.find("name=\"topic"));
    const std::set<std::string> listed = matches(contents, std::regex(R"re(href="#([^"]+)")re"));
    for (const std::string& anchor : anchors) {
        if (anchor.rfind("topic", 0) == 0) {
            EXPECT_TRUE(listed.count(anchor)) << anchor << " is missing from the contents";
        }
    }
}

TEST_P(HelpDocumentTest, everyAnchorIsUniqueAndHeaded) {
    const std::string html = readFile(source(GetParam().document));
    std::map<std::string, int> seen;
    const std::regex anchor(R"re(<a\s+name="([^"]+)"\s*>\s*</a>\s*(<h[1-3])?)re");
    for (std::sregex_iterator it(html.begin(), html.end(), anchor), end; it != end; ++it) {
        EXPECT_EQ(++seen[(*it)[1]], 1) << (*it)[1] << " appears twice";
        EXPECT_TRUE((*it)[2].matched) << (*it)[1] << " has no heading for the contents list";
    }
}

INSTANTIATE_TEST_SUITE_P(Documents, HelpDocumentTest,
                         testing::Values(HelpCase{"Quantora", "converter", "help/Quantora.hlp", {21, 22, 53}},
                                         HelpCase{"Tallix", "calculator", "help/Tallix.hlp", {14, 15}}),
                         [](const testing::TestParamInfo<HelpCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
