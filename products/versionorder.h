#pragma once

#include <QString>

// The order of plug-in versions. A version text is a numeric prefix (trailing zero segments
// do not count: 1.2 equals 1.2.0) followed by an optional text such as "-beta" or "rc1".
namespace VersionOrder {

// Negative, zero or positive as `first` is below, equal to or above `second`: by the numeric
// prefix, then by the text. A version without a text is above the same prefix with one, as a
// release is above its pre-releases: 1.2.0 is above 1.2.0-beta, which is above 1.2.0-alpha.
int compare(const QString& first, const QString& second);

} // namespace VersionOrder
