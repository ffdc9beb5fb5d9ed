#pragma once
// Stay-on-top for the converter's windows. setStayOnTop: 1 makes a window
// topmost, 0 removes that, any other value only brings it to the front.

class QWidget;

namespace quantora {

// 1: above other windows, 0: a normal window, anything else: only raised (pSetStayTop).
void setStayOnTop(QWidget& window, int value);

}  // namespace quantora
