#pragma once
// Always on top for the calculator window.

class QWidget;

namespace tallix {

// Changing the flag re-creates the native window, which hides it: a visible
// window is shown again where it was.
void setStayOnTop(QWidget& window, bool on);

}  // namespace tallix
