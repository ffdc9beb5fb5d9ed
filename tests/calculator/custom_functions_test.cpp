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
}

TEST(CustomFunctions, WithoutDescriptionTheWholeText) {
    CustomFunctionEditor editor({}, "");
    editor.setText("  x^2+2*x+1  ");
    EXPECT_EQ(editor.ok().input, "x^2+2*x+1:");
    Calculator calculator;
    EXPECT_EQ(calculator.run("x^2+2*x+1:3").resultText, "16.000000");
}

TEST(CustomFunctions, OpeningOffersTheInputWithoutItsArguments) {
    CustomFunctionEditor editor({}, "  x^2+1:3 ");
    EXPECT_EQ(editor.text(), "x^2+1");
    EXPECT_TRUE(editor.addEnabled());
    EXPECT_FALSE(editor.removeEnabled());
}

TEST(CustomFunctions, OpeningWithAnEmptyInputDisablesAdd) {
    CustomFunctionEditor editor({"a"}, "");
    EXPECT_FALSE(editor.addEnabled());
    editor.setText("x");
    EXPECT_TRUE(editor.addEnabled());
}

TEST(CustomFunctions, OkWithEmptyTextOnlyStoresTheList) {
    CustomFunctionEditor editor({"x^2"}, "");
    editor.setText("x+1");
    editor.add();
    editor.setText("   ");
    const CustomFunctionEditor::Accepted accepted = editor.ok();
    EXPECT_FALSE(accepted.input.has_value());
    EXPECT_EQ(accepted.functions, (std::vector<std::string>{"x^2", "x+1"}));
}

TEST(CustomFunctions, AddAllowsDuplicatesAndTrims) {
    CustomFunctionEditor editor({}, " y*2 ");
    editor.add();
    editor.add();
    EXPECT_EQ(editor.entries(), (std::vector<std::string>{"y*2", "y*2"}));
}

TEST(CustomFunctions, SelectTakesTheEntryIntoTheText) {
    CustomFunctionEditor editor({" sq:x^2 ", "x^3"}, "");
    EXPECT_EQ(editor.entries()[0], "sq:x^2");
    editor.select(0);
    EXPECT_EQ(editor.text(), "sq:x^2");
    EXPECT_TRUE(editor.removeEnabled());
    EXPECT_EQ(editor.ok().input, "x^2:");
}

TEST(CustomFunctions, RemovingTheLastEntryDisablesRemove) {
    CustomFunctionEditor editor({"x^2"}, "");
    editor.select(0);
    EXPECT_TRUE(editor.removeEnabled());
    editor.remove();
    EXPECT_TRUE(editor.entries().empty());
    EXPECT_FALSE(editor.removeEnabled());
}

TEST(CustomFunctions, RemoveWithoutSelectionDoesNothing) {
    CustomFunctionEditor editor({"a", "b"}, "");
    editor.remove();
    EXPECT_EQ(editor.entries().size(), 2u);
}

TEST(CustomFunctions, CancelLeavesTheStoredListAsItWas) {
    const std::vector<std::string> stored{"x^2"};
    CustomFunctionEditor editor(stored, "x+1");
    editor.add();
    editor.select(0);
    editor.remove();
    // Cancel: Ok() is not called; the stored list is untouched.
    EXPECT_EQ(stored, (std::vector<std::string>{"x^2"}));
}

}  // namespace
}  // namespace tallix
