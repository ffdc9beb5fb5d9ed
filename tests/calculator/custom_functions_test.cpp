// Custom functions: the dialog's rules without the dialog.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculator/eval/custom_functions.h"
#include "calculator/eval/evaluation_cycle.h"

namespace tallix {
namespace {

TEST(CustomFunctions, OkPutsTheExpressionAndAColonIntoTheInput) {
    CustomFunctionEditor editor({}, "");
    editor.setText("area:pi*x^2");
    const CustomFunctionEditor::Accepted accepted = editor.ok();
    ASSERT_TRUE(accepted.input.has_value());
    EXPECT_EQ(*accepted.input, "pi*x^2:");
    // Typing 2 and evaluating shows the area of a circle of radius 2.
    Calculator calculator;
    EXPECT_EQ(calculator.run(*accepted.input + "2").resultText, "12.566371");

    // Without a description the whole text is the expression.
    editor.setText("  x^2+2*x+1  ");
    EXPECT_EQ(editor.ok().input, "x^2+2*x+1:");
    EXPECT_EQ(calculator.run("x^2+2*x+1:3").resultText, "16.000000");
}

TEST(CustomFunctions, OpeningOffersTheInputWithoutItsArguments) {
    CustomFunctionEditor editor({}, "  x^2+1:3 ");
    EXPECT_EQ(editor.text(), "x^2+1");
    EXPECT_TRUE(editor.addEnabled());
    EXPECT_FALSE(editor.removeEnabled());

    CustomFunctionEditor empty({"a"}, "");
    EXPECT_FALSE(empty.addEnabled());
    empty.setText("x");
    EXPECT_TRUE(empty.addEnabled());
}

TEST(CustomFunctions, TheListIsEditedAndOnlyOkStoresIt) {
    const std::vector<std::string> stored{" sq:x^2 ", "x^3"};
    CustomFunctionEditor editor(stored, " y*2 ");
    EXPECT_EQ(editor.entries()[0], "sq:x^2");
    editor.remove();  // nothing selected: nothing removed
    editor.add();
    editor.add();  // duplicates are allowed, trimmed
    EXPECT_EQ(editor.entries(), (std::vector<std::string>{"sq:x^2", "x^3", "y*2", "y*2"}));
    editor.select(0);
    EXPECT_EQ(editor.text(), "sq:x^2");
    EXPECT_TRUE(editor.removeEnabled());
    editor.remove();
    EXPECT_EQ(editor.entries().size(), 3u);
    // Cancel never calls ok(): the stored list is what it was.
    EXPECT_EQ(stored, (std::vector<std::string>{" sq:x^2 ", "x^3"}));
    editor.setText("   ");
    const CustomFunctionEditor::Accepted accepted = editor.ok();
    EXPECT_FALSE(accepted.input.has_value());
    EXPECT_EQ(accepted.functions, (std::vector<std::string>{"x^3", "y*2", "y*2"}));
}

TEST(CustomFunctions, RemovingTheLastEntryDisablesRemove) {
    CustomFunctionEditor editor({"sq:x^2"}, "");
    editor.select(0);
    EXPECT_EQ(editor.ok().input, "x^2:");
    EXPECT_TRUE(editor.removeEnabled());
    editor.remove();
    EXPECT_TRUE(editor.entries().empty());
    EXPECT_FALSE(editor.removeEnabled());
}

}  // namespace
}  // namespace tallix
