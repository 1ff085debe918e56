#include "designfont.h"

#include <QStringList>

namespace velnorix {

QFont DesignFont(int pixelSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")});
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace velnorix
