#pragma once

#include "ui_frmAbout.h"

#include <QDialog>

namespace maintenance {

// The program's name and version, who makes it, and links to the maker's
// web site and mail address.
class frmAbout : public QDialog, private Ui::frmAbout {
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);

private:
    void visitWebsite();
    void sendEmail();
};

} // namespace maintenance
