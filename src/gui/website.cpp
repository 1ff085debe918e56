#include "website.h"

namespace velnorix {

QString WebSiteAddress()
{
    return QString::fromUtf8(VELNORIX_WEB_ADDRESS);
}

} // namespace velnorix
