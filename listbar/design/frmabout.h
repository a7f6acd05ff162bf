#pragma once

#include <QDialog>

#include <memory>

namespace PathwellControls {

namespace Ui {
class frmAbout;
}

// The library's about window: fixed in size, without a close box, closed by "OK".
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);
    ~frmAbout() override;

private:
    std::unique_ptr<Ui::frmAbout> ui;
};

} // namespace PathwellControls
