#pragma once
// Custom functions: favourite expressions in x, y and z kept by the user, for
// example "x^2+2*x+1" or "area:pi*x^2" (a description before the first ":").
// The list is stored text, never parsed; choosing an entry puts its expression
// followed by ":" into the input, ready for the argument values.
//
// CustomFunctionEditor is the dialog's working state: it edits a copy of the
// list, and only OK hands the copy back.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallix {

// The expression part of an entry: the text after its first ":", else all of it.
std::string_view customFunctionExpression(std::string_view entry);

class CustomFunctionEditor {
public:
    // Opening: the list entries trimmed, nothing selected; the text offered for
    // adding is the calculator input trimmed and cut before its first ":".
    CustomFunctionEditor(const std::vector<std::string>& functions, std::string_view calculatorInput);

    const std::vector<std::string>& entries() const { return m_entries; }
    int selected() const { return m_selected; }  // -1 when nothing is selected
    const std::string& text() const { return m_text; }

    bool addEnabled() const { return !m_text.empty(); }
    bool removeEnabled() const { return !m_entries.empty() && m_selected >= 0; }

    // List click: the text becomes the entry.
    void select(int index);
    // The text box changed.
    void setText(std::string text);
    // Appends the text, trimmed (duplicates allowed, nothing validated).
    void add();
    // Removes the selected entry; the selection is gone afterwards.
    void remove();

    struct Accepted {
        std::vector<std::string> functions;  // the new stored list
        // The calculator's new input (expression + ":"), none when the text is blank.
        std::optional<std::string> input;
    };
    // OK. Cancel is simply not calling this: the stored list stays as it was.
    Accepted ok() const;

private:
    std::vector<std::string> m_entries;
    int m_selected = -1;
    std::string m_text;
};

}  // namespace tallix
