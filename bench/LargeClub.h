#pragma once

#include <QString>

// Points CREELBOOK_HOME at `home` and installs there a club database with
// 10,000 more members and 2,000 more tournaments than the installed one.
void installLargeClub(const QString &home);
