#pragma once

#include <QString>

// The licence and terms-of-use texts that the about pop-up shows, held as resources.
namespace LicenseTexts {

// ":/" + license, or ":/6/" + license for the shell's terms of use (6 is its application id).
QString resourcePath(const QString& license);

// The whole text decoded as UTF-8, or "" when there is no such resource.
QString read(const QString& license);

} // namespace LicenseTexts
