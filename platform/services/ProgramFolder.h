#pragma once

#include <QString>

namespace platform {

// The folder holding the club's data: $CREELBOOK_HOME when set, else
// "creelbook" in the user's data folder.
QString programFolder();

// Maps a path as the windows write it ("C:\Program Files\Creelbook\rosterbase.mdb",
// or a sub-path such as "Tournaments\Open") to a path in the program folder.
QString programPath(const QString &windowsPath);

// Makes sure the program folder exists and can be written, then copies every
// file of the installed content that is missing. Existing files are never
// touched. Returns an empty string, or a message naming the folder and the
// reason when the folder can not be used; nothing is copied then.
QString installMissingContent(const QString &resourceRoot = QStringLiteral(":/install"));

} // namespace platform
