#include "qrcode.h"

#include "exceptions.h"

#include <qrencode.h>

#include <memory>

namespace velnorix {

namespace {

constexpr int QuietZone = 4; // modules of light margin on every side

std::size_t Index(int row, int column, int width)
{
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(width) + static_cast<std::size_t>(column);
}

} // namespace

QrSymbol EncodeQr(const std::string &text)
{
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString(text.c_str(), 0, QR_ECLEVEL_M, QR_MODE_8, 1), &QRcode_free);
    if (!code)
        throw Exception("Text of " + std::to_string(text.size()) + " bytes does not fit a QR code");

    const auto modules = static_cast<std::size_t>(code->width);
    QrSymbol symbol{code->width, std::vector<bool>(modules * modules)};
    // The lowest bit of each module's byte is its colour; the others say which
    // part of the symbol it belongs to.
    for (std::size_t i = 0; i < symbol.Dark.size(); ++i)
        symbol.Dark[i] = (code->data[i] & 1) != 0;
    return symbol;
}

QrPlacement PlaceQr(int modules, int side)
{
    const int scale = side / (modules + 2 * QuietZone);
    if (scale < 1)
        throw Exception("A QR code of " + std::to_string(modules) + " modules does not fit " + std::to_string(side)
                        + " pixels");
    return {scale, (side - modules * scale) / 2};
}

std::vector<bool> DrawQr(const QrSymbol &symbol, int side)
{
    const QrPlacement place = PlaceQr(symbol.Width, side);
    const int drawn = symbol.Width * place.Scale;
    std::vector<bool> pixels(Index(side, 0, side));
    for (int y = 0; y < drawn; ++y)
        for (int x = 0; x < drawn; ++x)
            pixels[Index(place.Offset + y, place.Offset + x, side)] = symbol.IsDark(y / place.Scale, x / place.Scale);
    return pixels;
}

} // namespace velnorix
