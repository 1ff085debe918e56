#pragma once

#include <QFont>

namespace velnorix {

// The windows' design font at a pixel size. The layouts are placed in pixels
// for this font, so it is asked for in pixels, not points. The Chinese system
// font is named first; where it is missing, a simplified-Chinese CJK font is
// named explicitly so that Han characters never fall back to Japanese forms.
QFont DesignFont(int pixelSize);

} // namespace velnorix
