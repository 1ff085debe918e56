#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace velnorix {

// A QR symbol: Width modules a side, each dark or light, row by row from the
// top left.
struct QrSymbol {
    int Width = 0;
    std::vector<bool> Dark;

    bool IsDark(int row, int column) const { return Dark[static_cast<std::size_t>(row * Width + column)]; }
};

// The smallest symbol that holds the text as bytes, with medium error
// correction, which phones read well off a screen. Raises Exception when the
// text is too long for any symbol.
QrSymbol EncodeQr(const std::string &text);

// Where a symbol of `modules` a side lands on a square picture of `side`
// pixels: every module Scale pixels square, so that no module is blurred, and
// the symbol centred at Offset from the left and top edges, inside the light
// quiet zone of four modules that readers need. The scale is the largest that
// leaves room for that zone. Raises Exception when even one pixel a module
// does not fit.
struct QrPlacement {
    int Scale;
    int Offset;
};
QrPlacement PlaceQr(int modules, int side);

// The picture of a symbol: side × side pixels row by row, true where dark.
std::vector<bool> DrawQr(const QrSymbol &symbol, int side);

} // namespace velnorix
