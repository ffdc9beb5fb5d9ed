#include "converter/settings/program_choice.h"

namespace quantora {

Launch calculatorLaunch(int calcType, std::string_view calcPath) {
    switch (static_cast<CalculatorKind>(calcType)) {
        case CalculatorKind::Companion:
            return Launch::OwnCalculator;
        case CalculatorKind::Platform:
            return Launch::PlatformCalculator;
        case CalculatorKind::Other:
            return programLaunch(calcPath);
    }
    // An unknown stored type starts the own calculator, as type 0 does.
    return Launch::OwnCalculator;
}

Launch programLaunch(std::string_view calcPath) {
    return calcPath.empty() ? Launch::TextEditor : Launch::ChosenProgram;
}

std::optional<std::string> firstInstalled(
    std::span<const std::string_view> names,
    const std::function<std::optional<std::string>(std::string_view)>& find) {
    for (const std::string_view name : names) {
        if (std::optional<std::string> path = find(name))
            return path;
    }
    return std::nullopt;
}

std::string programNotFoundText(int calcType, std::string_view calcPath) {
    std::string program;
    if (calcType == static_cast<int>(CalculatorKind::Other) && !calcPath.empty()) {
        const std::size_t slash = calcPath.find_last_of('/');
        program =
            " '" + std::string(slash == std::string_view::npos ? calcPath : calcPath.substr(slash + 1)) + "'";
    } else if (calcType == static_cast<int>(CalculatorKind::Platform)) {
        program = "Calc.exe";
    }
    return "The executable file" + program + " cannot be found.";
}

}  // namespace quantora
