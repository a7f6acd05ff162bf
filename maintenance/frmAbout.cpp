#include "frmAbout.h"

#include "FixedWindow.h"
#include "Maker.h"
#include "services/Services.h"

namespace maintenance {

using platform::services;

frmAbout::frmAbout(QWidget *parent) : QDialog(parent) {
    setupUi(this);
    useFixedBorder(this);
    Label6->setText(makerWebsite.toString());
    connect(cmdWebsite, &QPushButton::clicked, this, &frmAbout::visitWebsite);
    connect(cmdEmail, &QPushButton::clicked, this, &frmAbout::sendEmail);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
}

void frmAbout::visitWebsite() {
    if (services().shell->open(makerWebsite))
        return;
    services().prompter->message(
        platform::Icon::Exclamation,
        platform::lines({QStringLiteral("Can't find Browser."),
                         QStringLiteral("This command may not work if you are not using "
                                        "Internet Explorer.")}),
        platform::Buttons::Ok, QStringLiteral("Browser not found"));
}

void frmAbout::sendEmail() {
    if (services().shell->open(QUrl(QStringLiteral("mailto:") + makerEmail)))
        return;
    services().prompter->message(
        platform::Icon::Exclamation,
        platform::lines({QStringLiteral("Can't find Email program."),
                         QStringLiteral("This command may not work if you are not using "
                                        "MS Outlook.")}),
        platform::Buttons::Ok, QStringLiteral("Email Program not found"));
}

} // namespace maintenance
