#pragma once
// Which program the Tools commands start, by CalcType and CalcPath: the own
// calculator beside the converter, the platform's calculator, the program at
// CalcPath, or the platform's text editor. The platform's calculator and
// editor are the first installed of a short list of common ones.

#include "converter/settings/options_choice.h"

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quantora {

enum class Launch {
    OwnCalculator,       // tallix beside the converter
    PlatformCalculator,  // the first installed of kPlatformCalculators
    ChosenProgram,       // CalcPath
    TextEditor,          // the first installed of kPlatformEditors
};

// Stand-ins for the platform's calculator and text editor ("Calc.exe",
// "NotePad.exe"), in the order they are tried.
inline constexpr std::array<std::string_view, 5> kPlatformCalculators = {
    "gnome-calculator", "kcalc", "galculator", "qalculate-gtk", "xcalc"};
inline constexpr std::array<std::string_view, 5> kPlatformEditors = {"gnome-text-editor", "gedit", "kate",
                                                                     "mousepad", "xed"};
// Opens a new empty text file when none of the editors is installed.
inline constexpr std::string_view kOpenerFallback = "xdg-open";

// What Run Calculator starts (mRunCalculator).
Launch calculatorLaunch(int calcType, std::string_view calcPath);
// What the second Tools item starts (mRunProgram).
Launch programLaunch(std::string_view calcPath);

// The full path of the first name that find locates; find gives nothing for
// a program that is not installed.
std::optional<std::string> firstInstalled(
    std::span<const std::string_view> names,
    const std::function<std::optional<std::string>(std::string_view)>& find);

// The message when Run Calculator cannot start its program.
std::string programNotFoundText(int calcType, std::string_view calcPath);

}  // namespace quantora
