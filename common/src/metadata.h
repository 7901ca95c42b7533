#pragma once

#include <QString>

class QQmlContext;

// The build's identity, shown in the About dialog, the version label and printed reports.
namespace Metadata {

inline const QString BUILD_NUMBER = QStringLiteral("39");
inline const QString BUILD_DATE = QStringLiteral("05.02.2024");
inline const QString VERSION_NUMBER = QStringLiteral("2.1.0");
inline const QString DISPLAY_NAME = QStringLiteral("Quillmark");
inline const QString COPYRIGHT = QStringLiteral("© 2024 Brennhof Gebäudeautomation GmbH");
inline const QString COMPANY_FULL_NAME = QStringLiteral("Brennhof Gebäudeautomation GmbH");

// Sets "buildnumber", "builddate", "versionnumber", "appName", "copyright" and
// "companyfullname", in this order.
void publish(QQmlContext* context);

} // namespace Metadata
