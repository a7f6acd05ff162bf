#pragma once

#include "HelpFile.h"
#include "services/Services.h"

#include <QWidget>

class QTextBrowser;
class QPushButton;

namespace maintenance {

// Shows the topics of the help file and follows the links between them.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    void setHelpFile(const HelpFile &help) { help_ = help; }
    // Shows a topic; false when the help file has no topic of that number.
    bool showTopic(int context);
    int currentTopic() const { return current_; }

private:
    QTextBrowser *text_;
    QPushButton *contents_;
    QPushButton *back_;
    HelpFile help_;
    int current_ = -1;
    QList<int> history_;
};

// The help service: our help window over the program's help file.
class HelpService : public platform::Help {
public:
    void setHelpFile(const QString &path) override { path_ = path; }
    void showTopic(int context) override;
    void showContents() override { showTopic(HelpFile::contentsTopic); }

private:
    QString path_;
};

} // namespace maintenance
