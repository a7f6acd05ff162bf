#include "FakeServices.h"

namespace testsupport {

using platform::Answer;
using platform::Buttons;

Answer FakePrompter::message(platform::Icon icon, const QString &text, Buttons buttons,
                             const QString &title)
{
    calls.push_back({icon, text, buttons, title});
    if (!answers.empty()) {
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    switch (buttons) {
    case Buttons::Ok:
    case Buttons::OkCancel:
        return Answer::Ok;
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
        break;
    }
    return Answer::No;
}

QString FakeDialogs::openFile(const QString &title, const QString &, const QString &)
{
    titles << title;
    if (fileNames.empty())
        return {};
    const QString name = fileNames.front();
    fileNames.pop_front();
    return name;
}

QString FakeDialogs::saveFile(const QString &title, const QString &folder, const QString &,
                              const QString &filter)
{
    return openFile(title, folder, filter);
}

FakeServices::FakeServices()
{
    platform::Services fakes;
    fakes.prompter = std::make_unique<FakePrompter>();
    fakes.dialogs = std::make_unique<FakeDialogs>();
    fakes.shell = std::make_unique<FakeShell>();
    fakes.help = std::make_unique<FakeHelp>();
    fakes.reports = std::make_unique<FakeReports>();
    fakes.printer = std::make_unique<FakePrinter>();
    fakes.clipboard = std::make_unique<FakeClipboard>();
    fakes.clock = std::make_unique<FakeClock>();
    prompter = static_cast<FakePrompter *>(fakes.prompter.get());
    dialogs = static_cast<FakeDialogs *>(fakes.dialogs.get());
    shell = static_cast<FakeShell *>(fakes.shell.get());
    help = static_cast<FakeHelp *>(fakes.help.get());
    reports = static_cast<FakeReports *>(fakes.reports.get());
    printer = static_cast<FakePrinter *>(fakes.printer.get());
    clipboard = static_cast<FakeClipboard *>(fakes.clipboard.get());
    clock = static_cast<FakeClock *>(fakes.clock.get());
    previous_ = platform::installServices(std::move(fakes));
}

FakeServices::~FakeServices() { platform::installServices(std::move(previous_)); }

} // namespace testsupport
