#pragma once

#include <QString>

// Points CREELBOOK_HOME at `home` and installs there a club database with
// that many more members and tournaments than the installed one.
void installLargeClub(const QString &home, int members = 10000, int tournaments = 2000);
