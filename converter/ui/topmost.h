#pragma once
// Stay-on-top for the converter's windows. pSetStayTop: 1 makes a window
// topmost, 0 removes that, any other value only brings it to the front.

class QWidget;

namespace quantora {

void pSetStayTop(QWidget& window, int value);

}  // namespace quantora
