#include "HelpWindow.h"

#include "services/Forms.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace maintenance {

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window), text_(new QTextBrowser(this)),
      contents_(new QPushButton(tr("&Contents"), this)), back_(new QPushButton(tr("&Back"), this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Creelbook Help"));
    text_->setObjectName(QStringLiteral("txtTopic"));
    text_->setOpenLinks(false);
    text_->setAccessibleName(tr("Help topic"));
    contents_->setObjectName(QStringLiteral("cmdContents"));
    back_->setObjectName(QStringLiteral("cmdBack"));
    back_->setEnabled(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(contents_);
    buttons->addWidget(back_);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(text_);
    resize(560, 520);

    connect(contents_, &QPushButton::clicked, this,
            [this] { showTopic(HelpFile::contentsTopic); });
    connect(back_, &QPushButton::clicked, this, [this] {
        if (history_.size() < 2)
            return;
        history_.removeLast();
        const int previous = history_.takeLast();
        showTopic(previous);
    });
    connect(text_, &QTextBrowser::anchorClicked, this, [this](const QUrl &link) {
        if (link.scheme() == QLatin1String("topic"))
            showTopic(link.path().toInt());
    });
}

bool HelpWindow::showTopic(int context)
{
    const HelpFile::Topic *topic = help_.topic(context);
    if (!topic)
        return false;
    current_ = context;
    history_ << context;
    back_->setEnabled(history_.size() > 1);
    setWindowTitle(tr("Creelbook Help - %1").arg(topic->title));
    text_->setHtml(QStringLiteral("<h2>%1</h2>").arg(topic->title.toHtmlEscaped()) + topic->html);
    return true;
}

void HelpService::showTopic(int context)
{
    using platform::services;
    const auto help = HelpFile::read(path_);
    if (!help) {
        services().prompter->message(
            platform::Icon::Exclamation,
            QStringLiteral("The help file \"%1\" can not be read.").arg(path_));
        return;
    }
    auto *window = platform::Forms::show<HelpWindow>();
    window->setHelpFile(*help);
    if (!window->showTopic(context))
        window->showTopic(HelpFile::contentsTopic);
}

} // namespace maintenance
