#pragma once

#include "data/RecordSource.h"

class QString;

// The main window's parts that the club data windows bring up to date. The
// main window is found through the loaded windows, so that these windows do
// not depend on it; every function does nothing once it is gone.
namespace clubdata::mainwindow {

// One of the main window's record sources by name ("Data1", "datEvents",
// "DatMembers", "DatListmem"), or null.
data::RecordSource *recordSource(const char *name);
// Rewrites the status line.
void setStatus(const QString &text);
void show();
void hide();

} // namespace clubdata::mainwindow
