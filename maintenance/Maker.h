#pragma once

#include <QString>
#include <QUrl>

// Who distributes Creelbook, and where users find updates and write to.
namespace maintenance {

inline const QUrl makerWebsite(QStringLiteral("https://www.brackwater.example"));
inline const QString makerEmail = QStringLiteral("support@brackwater.example");

} // namespace maintenance
