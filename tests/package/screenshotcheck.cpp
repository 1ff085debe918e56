// Takes a picture of a window on the X display and compares it with a
// reference picture, with the tolerances of picturecompare.h:
//   screenshotcheck WINDOW-ID REFERENCE.png SHOT.png
// The picture is saved as SHOT.png either way, to look at after a failure or to
// become the new reference. Exit status 0 when the pictures match.
#include "picturecompare.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

using namespace velnorix;

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    bool numeric = false;
    const WId window = arguments.size() == 4 ? arguments[1].toULongLong(&numeric) : 0;
    if (!numeric) {
        std::fputs("usage: screenshotcheck WINDOW-ID REFERENCE.png SHOT.png\n", stderr);
        return 2;
    }
    const QImage reference(arguments[2]);
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(window).toImage();
    if (reference.isNull() || shot.isNull() || !shot.save(arguments[3])) {
        std::fputs("screenshotcheck: cannot read the reference, take the picture or save it\n", stderr);
        return 2;
    }
    const PictureComparison comparison = ComparePictures(reference, shot);
    if (!comparison.sameSize)
        std::fprintf(stderr, "screenshotcheck: the window is %d x %d pixels, the reference %d x %d\n", shot.width(),
                     shot.height(), reference.width(), reference.height());
    else
        std::fprintf(stderr, "screenshotcheck: %d pixels differ, %d allowed\n", comparison.mismatchedPixels,
                     MismatchesAllowed);
    return comparison.Matches() ? 0 : 1;
}
