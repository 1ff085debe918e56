#pragma once

#include <QImage>

namespace velnorix {

// Tolerances of the screenshot check. Every pixel of each picture must lie,
// channel by channel, within the range of the pixels around the same place in
// the other picture, widened by ChannelTolerance. A text drawn a pixel further
// or anti-aliased a little differently by another FreeType thus still passes;
// glyphs replaced by boxes, a missing widget or a changed colour leave many
// pixels outside that range.
constexpr int ShiftAllowed = 1;
constexpr int ChannelTolerance = 8;
// Stray pixels where another FreeType ends a stroke differently; a missing
// character costs more.
constexpr int MismatchesAllowed = 10;

struct PictureComparison {
    bool sameSize = false;
    // In both directions; counted only when the sizes agree.
    int mismatchedPixels = 0;

    bool Matches() const { return sameSize && mismatchedPixels <= MismatchesAllowed; }
};

PictureComparison ComparePictures(const QImage &reference, const QImage &shot);

} // namespace velnorix
