#pragma once

class QApplication;

// Installs the desktop services, fills in the program folder, prepares the
// club database and shows the main window. Returns false after telling the
// user why the program can not start.
bool startCreelbook(QApplication &application);
