#include "picturecompare.h"

#include <algorithm>
#include <array>

namespace velnorix {

namespace {

using Channels = std::array<int, 3>;

Channels ChannelsOf(QRgb pixel)
{
    return {qRed(pixel), qGreen(pixel), qBlue(pixel)};
}

// Whether the pixel's channels lie within the range that `other` spans around
// (x, y), widened by the tolerance.
bool MatchedNearby(QRgb pixel, const QImage &other, int x, int y)
{
    Channels low{255, 255, 255}, high{0, 0, 0};
    for (int ny = std::max(y - ShiftAllowed, 0); ny <= std::min(y + ShiftAllowed, other.height() - 1); ++ny)
        for (int nx = std::max(x - ShiftAllowed, 0); nx <= std::min(x + ShiftAllowed, other.width() - 1); ++nx) {
            const Channels near = ChannelsOf(other.pixel(nx, ny));
            for (std::size_t c = 0; c < near.size(); ++c) {
                low[c] = std::min(low[c], near[c]);
                high[c] = std::max(high[c], near[c]);
            }
        }
    const Channels own = ChannelsOf(pixel);
    for (std::size_t c = 0; c < own.size(); ++c)
        if (own[c] < low[c] - ChannelTolerance || own[c] > high[c] + ChannelTolerance)
            return false;
    return true;
}

int Unmatched(const QImage &picture, const QImage &other)
{
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            count += MatchedNearby(picture.pixel(x, y), other, x, y) ? 0 : 1;
    return count;
}

} // namespace

// Both ways round: a stroke missing from the shot finds no dark pixel near it
// there, though the shot's background finds its like near the stroke.
PictureComparison ComparePictures(const QImage &reference, const QImage &shot)
{
    if (reference.size() != shot.size())
        return {};
    const QImage opaqueReference = reference.convertToFormat(QImage::Format_RGB32);
    const QImage opaqueShot = shot.convertToFormat(QImage::Format_RGB32);
    return {true, Unmatched(opaqueShot, opaqueReference) + Unmatched(opaqueReference, opaqueShot)};
}

} // namespace velnorix
