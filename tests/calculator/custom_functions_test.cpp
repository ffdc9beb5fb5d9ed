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
    editor.SetText("area:pi*x^2");
    const CustomFunctionEditor::Accepted accepted = editor.Ok();
    ASSERT_TRUE(accepted.input.has_value());
    EXPECT_EQ(*accepted.input, "pi*x^2:");

    // Typing 2 and evaluating shows the area of a circle of radius 2.
    Calculator calculator;
    EXPECT_EQ(calculator.Run(*accepted.input + "2").resultText, "12.566371");
}

TEST(CustomFunctions, WithoutDescriptionTheWholeText) {
    CustomFunctionEditor editor({}, "");
    editor.SetText("  x^2+2*x+1  ");
    EXPECT_EQ(editor.Ok().input, "x^2+2*x+1:");
    Calculator calculator;
    EXPECT_EQ(calculator.Run("x^2+2*x+1:3").resultText, "16.000000");
}

TEST(CustomFunctions, OpeningOffersTheInputWithoutItsArguments) {
    CustomFunctionEditor editor({}, "  x^2+1:3 ");
    EXPECT_EQ(editor.Text(), "x^2+1");
    EXPECT_TRUE(editor.AddEnabled());
    EXPECT_FALSE(editor.RemoveEnabled());
}

TEST(CustomFunctions, OpeningWithAnEmptyInputDisablesAdd) {
    CustomFunctionEditor editor({"a"}, "");
    EXPECT_FALSE(editor.AddEnabled());
    editor.SetText("x");
    EXPECT_TRUE(editor.AddEnabled());
}

TEST(CustomFunctions, OkWithEmptyTextOnlyStoresTheList) {
    CustomFunctionEditor editor({"x^2"}, "");
    editor.SetText("x+1");
    editor.Add();
    editor.SetText("   ");
    const CustomFunctionEditor::Accepted accepted = editor.Ok();
    EXPECT_FALSE(accepted.input.has_value());
    EXPECT_EQ(accepted.functions, (std::vector<std::string>{"x^2", "x+1"}));
}

TEST(CustomFunctions, AddAllowsDuplicatesAndTrims) {
    CustomFunctionEditor editor({}, " y*2 ");
    editor.Add();
    editor.Add();
    EXPECT_EQ(editor.Entries(), (std::vector<std::string>{"y*2", "y*2"}));
}

TEST(CustomFunctions, SelectTakesTheEntryIntoTheText) {
    CustomFunctionEditor editor({" sq:x^2 ", "x^3"}, "");
    EXPECT_EQ(editor.Entries()[0], "sq:x^2");
    editor.Select(0);
    EXPECT_EQ(editor.Text(), "sq:x^2");
    EXPECT_TRUE(editor.RemoveEnabled());
    EXPECT_EQ(editor.Ok().input, "x^2:");
}

TEST(CustomFunctions, RemovingTheLastEntryDisablesRemove) {
    CustomFunctionEditor editor({"x^2"}, "");
    editor.Select(0);
    EXPECT_TRUE(editor.RemoveEnabled());
    editor.Remove();
    EXPECT_TRUE(editor.Entries().empty());
    EXPECT_FALSE(editor.RemoveEnabled());
}

TEST(CustomFunctions, RemoveWithoutSelectionDoesNothing) {
    CustomFunctionEditor editor({"a", "b"}, "");
    editor.Remove();
    EXPECT_EQ(editor.Entries().size(), 2u);
}

TEST(CustomFunctions, CancelLeavesTheStoredListAsItWas) {
    const std::vector<std::string> stored{"x^2"};
    CustomFunctionEditor editor(stored, "x+1");
    editor.Add();
    editor.Select(0);
    editor.Remove();
    // Cancel: Ok() is not called; the stored list is untouched.
    EXPECT_EQ(stored, (std::vector<std::string>{"x^2"}));
}

}  // namespace
}  // namespace tallix
