#include "frmUpdate.h"

#include "FixedWindow.h"
#include "Maker.h"
#include "services/Services.h"

namespace maintenance {

using platform::services;

frmUpdate::frmUpdate(QWidget *parent) : QDialog(parent) {
    setupUi(this);
    useFixedBorder(this);
    connect(cmdCheck, &QPushButton::clicked, this, &frmUpdate::checkNow);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::close);
    centreOnScreen(this);
}

void frmUpdate::checkNow() {
    if (!services().shell->open(makerWebsite)) {
        // The window stays open, so the user can try again.
        services().prompter->message(
            platform::Icon::Exclamation,
            platform::lines(
                {QStringLiteral("There is a problem connecting to the Internet."),
                 QStringLiteral("This feature may not work if you are using a browser "),
                 QStringLiteral("other than Microsoft Internet Explorer.")}),
            platform::Buttons::Ok, QStringLiteral("Connection Problem"));
        return;
    }
    close();
}

} // namespace maintenance
