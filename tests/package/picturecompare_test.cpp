#include "picturecompare.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <string>

using namespace velnorix;

namespace {

// A made-up window: an edit field with a row of "glyphs" on the window's grey.
struct Look {
    QPoint shift = {0, 0};         // of everything inside the window
    bool field = true;
    bool boxesForGlyphs = false;   // what a missing font shows
    bool softEdges = false;        // anti-aliasing beside every stroke
    bool missingGlyph = false;
    QColor background = QColor(0xEF, 0xEF, 0xEF);
};

constexpr int Glyphs = 12;

void DrawGlyph(QPainter &painter, int left, const Look &look)
{
    if (look.boxesForGlyphs) {
        painter.setPen(Qt::black);
        painter.drawRect(left, 14, 6, 10);
        return;
    }
    painter.fillRect(left, 14, 1, 11, Qt::black);
    painter.fillRect(left, 19, 7, 1, Qt::black);
    painter.fillRect(left + 6, 14, 1, 11, Qt::black);
    if (look.softEdges)
        painter.fillRect(left + 1, 14, 1, 11, QColor(0x80, 0x80, 0x80));
}

QImage Window(const Look &look)
{
    QImage picture(200, 40, QImage::Format_RGB32);
    picture.fill(look.background);
    QPainter painter(&picture);
    painter.translate(look.shift);
    if (look.field) {
        painter.fillRect(10, 10, 150, 20, Qt::white);
        painter.setPen(QColor(0x60, 0x60, 0x60));
        painter.drawRect(10, 10, 150, 20);
    }
    for (int glyph = look.missingGlyph ? 1 : 0; glyph < Glyphs; ++glyph)
        DrawGlyph(painter, 14 + 10 * glyph, look);
    return picture;
}

struct Case {
    std::string name;
    Look look;
    bool matches;
};

class ComparePicturesTest : public ::testing::TestWithParam<Case> {};

TEST_P(ComparePicturesTest, ToleratesRenderingButNotChanges)
{
    const PictureComparison comparison = ComparePictures(Window({}), Window(GetParam().look));
    EXPECT_TRUE(comparison.sameSize);
    EXPECT_EQ(comparison.Matches(), GetParam().matches) << comparison.mismatchedPixels << " pixels differ";
}

INSTANTIATE_TEST_SUITE_P(
    Looks, ComparePicturesTest,
    ::testing::Values(Case{"Same", {}, true},
                      Case{"OnePixelRight", {.shift = {1, 0}}, true},
                      Case{"OnePixelUpLeft", {.shift = {-1, -1}}, true},
                      Case{"AntiAliased", {.softEdges = true}, true},
                      Case{"SlightlyOtherGrey", {.background = QColor(0xF5, 0xF5, 0xF5)}, true},
                      Case{"TwoPixelsRight", {.shift = {2, 0}}, false},
                      Case{"FieldMissing", {.field = false}, false},
                      Case{"BoxesForGlyphs", {.boxesForGlyphs = true}, false},
                      Case{"OneGlyphMissing", {.missingGlyph = true}, false},
                      Case{"OtherBackground", {.background = QColor(0xD0, 0xEF, 0xEF)}, false}),
    [](const auto &info) { return info.param.name; });

TEST(ComparePictures, RefusesAnotherSize)
{
    const QImage window = Window({});
    const PictureComparison comparison = ComparePictures(window, window.copy(0, 0, 200, 39));
    EXPECT_FALSE(comparison.sameSize);
    EXPECT_FALSE(comparison.Matches());
}

} // namespace
