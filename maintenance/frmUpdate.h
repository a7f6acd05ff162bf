#pragma once

#include "ui_frmUpdate.h"

#include <QDialog>

namespace maintenance {

// Sends the user to the maker's web site, where the latest version is offered.
class frmUpdate : public QDialog, private Ui::frmUpdate {
    Q_OBJECT
public:
    explicit frmUpdate(QWidget *parent = nullptr);

private:
    void checkNow();
};

} // namespace maintenance
