#include "converter/settings/program_choice.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using quantora::Launch;

TEST(ProgramChoice, CalcTypeAndPathPickTheProgram) {
    EXPECT_EQ(quantora::calculatorLaunch(0, ""), Launch::OwnCalculator);
    EXPECT_EQ(quantora::calculatorLaunch(0, "/usr/bin/bc"), Launch::OwnCalculator);
    EXPECT_EQ(quantora::calculatorLaunch(1, "/usr/bin/bc"), Launch::PlatformCalculator);
    EXPECT_EQ(quantora::calculatorLaunch(2, "/usr/bin/bc"), Launch::ChosenProgram);
    EXPECT_EQ(quantora::calculatorLaunch(2, ""), Launch::TextEditor);
    EXPECT_EQ(quantora::calculatorLaunch(7, ""), Launch::OwnCalculator);
    EXPECT_EQ(quantora::programLaunch(""), Launch::TextEditor);
    EXPECT_EQ(quantora::programLaunch("/opt/tool"), Launch::ChosenProgram);
}

TEST(ProgramChoice, TheFirstInstalledOfTheListWins) {
    std::set<std::string_view> installed = {"xcalc", "kcalc"};
    std::vector<std::string_view> asked;
    const auto find = [&](std::string_view name) -> std::optional<std::string> {
        asked.push_back(name);
        if (!installed.contains(name))
            return std::nullopt;
        return "/usr/bin/" + std::string(name);
    };
    EXPECT_EQ(quantora::firstInstalled(quantora::kPlatformCalculators, find), "/usr/bin/kcalc");
    EXPECT_EQ(asked, (std::vector<std::string_view>{"gnome-calculator", "kcalc"}));
    installed.clear();
    EXPECT_EQ(quantora::firstInstalled(quantora::kPlatformEditors, find), std::nullopt);
}

TEST(ProgramChoice, NotFoundTextNamesTheProgram) {
    EXPECT_EQ(quantora::programNotFoundText(0, ""), "The executable file cannot be found.");
    EXPECT_EQ(quantora::programNotFoundText(1, "/x/y"), "The executable fileCalc.exe cannot be found.");
    EXPECT_EQ(quantora::programNotFoundText(2, "/opt/tools/mycalc"),
              "The executable file 'mycalc' cannot be found.");
    EXPECT_EQ(quantora::programNotFoundText(2, "mycalc"), "The executable file 'mycalc' cannot be found.");
    EXPECT_EQ(quantora::programNotFoundText(2, ""), "The executable file cannot be found.");
}

}  // namespace
