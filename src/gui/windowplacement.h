#pragma once

class QWidget;

namespace velnorix {

// Puts the window in the middle of the primary screen, where every window of
// the program opens.
void CentreOnScreen(QWidget &window);

} // namespace velnorix
