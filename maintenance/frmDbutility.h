#pragma once

#include "ui_frmDbutility.h"

#include <QWidget>

namespace maintenance {

// The database utility: backs up, restores and repairs the club database.
// It opens when the user asks for a backup while closing the main window.
class frmDbutility : public QWidget, private Ui::frmDbutility {
    Q_OBJECT
public:
    explicit frmDbutility(QWidget *parent = nullptr);

    static constexpr int helpTopic = 300;

private:
    void backup();
    void restore();
    void repair();
    // Closes every other window, then this one; the program ends.
    void exitProgram();
};

} // namespace maintenance
