#include "qrcode.h"

#include "exceptions.h"

#include <gtest/gtest.h>

using namespace velnorix;

namespace {

// The 7 × 7 finder pattern: a dark ring, a light ring, a dark 3 × 3 centre.
bool FinderAt(const QrSymbol &symbol, int top, int left)
{
    for (int row = 0; row < 7; ++row)
        for (int column = 0; column < 7; ++column) {
            const bool ring = row == 0 || row == 6 || column == 0 || column == 6;
            const bool centre = row >= 2 && row <= 4 && column >= 2 && column <= 4;
            if (symbol.IsDark(top + row, left + column) != (ring || centre))
                return false;
        }
    return true;
}

std::string AsText(const std::vector<bool> &pixels, int side)
{
    std::string text;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x)
            text += pixels[static_cast<std::size_t>(y * side + x)] ? '#' : '.';
        text += '\n';
    }
    return text;
}

TEST(EncodeQr, PutsTheFinderPatternsInThreeCornersOnly)
{
    const QrSymbol symbol = EncodeQr("https://velnorix.example.com/");
    const int far = symbol.Width - 7;
    ASSERT_EQ((symbol.Width - 21) % 4, 0); // the side of some version from 1 to 40
    ASSERT_EQ(symbol.Dark.size(), static_cast<std::size_t>(symbol.Width * symbol.Width));
    EXPECT_TRUE(FinderAt(symbol, 0, 0));
    EXPECT_TRUE(FinderAt(symbol, 0, far));
    EXPECT_TRUE(FinderAt(symbol, far, 0));
    EXPECT_FALSE(FinderAt(symbol, far, far));
}

TEST(EncodeQr, RefusesTextTooLongForAnySymbol)
{
    EXPECT_THROW(EncodeQr(std::string(3000, 'x')), Exception);
}

TEST(PlaceQr, CentresTheLargestWholeScaleInsideTheQuietZone)
{
    for (int modules = 21; modules <= 177; modules += 4)
        for (const int side : {modules + 8, 210, 211, 500}) {
            SCOPED_TRACE(std::to_string(modules) + " modules on " + std::to_string(side) + " pixels");
            const QrPlacement place = PlaceQr(modules, side);
            const int right = side - place.Offset - modules * place.Scale;
            EXPECT_GE(place.Offset, 4 * place.Scale);
            EXPECT_GE(right - place.Offset, 0);
            EXPECT_LE(right - place.Offset, 1);
            EXPECT_GT((modules + 8) * (place.Scale + 1), side);
        }
}

TEST(PlaceQr, RefusesAPictureWithoutRoomForTheQuietZone)
{
    EXPECT_THROW(PlaceQr(21, 28), Exception);
}

TEST(DrawQr, PaintsEachModuleAsASquareOfWholePixels)
{
    // Not symmetric about either diagonal, so a swapped row and column shows;
    // 21 pixels give two a module and one spare, which goes right and below.
    const QrSymbol symbol{2, {true, false, true, true}};
    EXPECT_EQ(AsText(DrawQr(symbol, 21), 21), ".....................\n"
                                              ".....................\n"
                                              ".....................\n"
                                              ".....................\n"
                                              ".....................\n"
                                              ".....................\n"
                                              ".....................\n"
                                              ".....................\n"
                                              "........##...........\n"
                                              "........##...........\n"
                                              "........####.........\n"
                                              "........####.........\n"
                                              ".....................\n"
                                              ".....................\n"
                                              ".....................\n"
                                              ".....................\n"
                                              ".....................\n"
                                              ".....................\n"
                                              ".....................\n"
                                              ".....................\n"
                                              ".....................\n");
}

} // namespace
