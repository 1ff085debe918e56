#pragma once

#include <QString>

namespace velnorix {

// The product web site: the Web command opens it and the QR-code window shows
// it. It is fixed when the program is built, by the CMake cache variable
// VELNORIX_WEB_ADDRESS.
QString WebSiteAddress();

} // namespace velnorix
