#include "windowplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace velnorix {

// The window's inside is placed, not its frame, whose size the window
// manager only tells once the window is up.
void CentreOnScreen(QWidget &window)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.setGeometry(
            QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(), screen->availableGeometry()));
}

} // namespace velnorix
