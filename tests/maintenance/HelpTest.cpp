#include "HelpWindow.h"
#include "ProgramFolderFixture.h"
#include "services/Forms.h"

#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <gtest/gtest.h>

using namespace maintenance;

namespace {

TEST(HelpFile, TopicsAreKeyedByContextNumber)
{
    const HelpFile help = HelpFile::parse(QStringLiteral(
        "About this file\n=== 0 Contents\n<a href=\"topic:100\">Main</a>\n"
        "=== 100 The main window\n<p>Panels</p>\n=== 300\n"));
    EXPECT_EQ(help.contexts(), (QList<int>{0, 100, 300}));
    ASSERT_TRUE(help.topic(100));
    EXPECT_EQ(help.topic(100)->title, QStringLiteral("The main window"));
    EXPECT_EQ(help.topic(100)->html, QStringLiteral("<p>Panels</p>\n"));
    EXPECT_FALSE(help.topic(1400));
    EXPECT_FALSE(help.topic(0)->html.contains(QStringLiteral("About this file")));
}

class HelpServiceTest : public testsupport::ProgramFolderTest {};

TEST_F(HelpServiceTest, ShowsTheInstalledTopicsAndFollowsLinks)
{
    install();
    HelpService service;
    service.setHelpFile(path(QStringLiteral("Kelso.hlp")));

    service.showTopic(100);
    auto *window = platform::Forms::find<HelpWindow>();
    ASSERT_TRUE(window);
    EXPECT_EQ(window->currentTopic(), 100);
    EXPECT_TRUE(window->isVisible());

    // An unknown topic falls back to the contents, which link to topic 100.
    service.showTopic(4242);
    EXPECT_EQ(window->currentTopic(), HelpFile::contentsTopic);
    auto *text = window->findChild<QTextBrowser *>(QStringLiteral("txtTopic"));
    EXPECT_TRUE(text->toHtml().contains(QStringLiteral("topic:100")));
    emit text->anchorClicked(QUrl(QStringLiteral("topic:100")));
    EXPECT_EQ(window->currentTopic(), 100);
    window->findChild<QPushButton *>(QStringLiteral("cmdBack"))->click();
    EXPECT_EQ(window->currentTopic(), HelpFile::contentsTopic);

    // Asking again uses the same window.
    service.showContents();
    EXPECT_EQ(platform::Forms::find<HelpWindow>(), window);
    EXPECT_TRUE(fakes_.prompter->calls.empty());
}

TEST_F(HelpServiceTest, EveryTopicTheProgramOpensHasAPageAndEveryLinkLeadsToOne)
{
    install();
    const auto help = HelpFile::read(path(QStringLiteral("Kelso.hlp")));
    ASSERT_TRUE(help);
    const QList<int> opened = {100, 300, 1100, 1200, 1300, 1400};
    static const QRegularExpression link(QStringLiteral("href=\"topic:(\\d+)\""));
    for (const int context : help->contexts()) {
        SCOPED_TRACE(context);
        for (const auto &match : link.globalMatch(help->topic(context)->html))
            EXPECT_TRUE(help->topic(match.captured(1).toInt())) << match.captured(0).toStdString();
    }

    HelpService service;
    service.setHelpFile(path(QStringLiteral("Kelso.hlp")));
    for (const int context : opened) {
        SCOPED_TRACE(context);
        EXPECT_TRUE(help->topic(HelpFile::contentsTopic)
                        ->html.contains(QStringLiteral("topic:%1\"").arg(context)));
        service.showTopic(context);
        EXPECT_EQ(platform::Forms::find<HelpWindow>()->currentTopic(), context);
    }
    EXPECT_TRUE(fakes_.prompter->calls.empty());
}

TEST_F(HelpServiceTest, AMissingHelpFileIsReported)
{
    HelpService service;
    service.setHelpFile(path(QStringLiteral("Kelso.hlp")));
    service.showContents();
    ASSERT_EQ(fakes_.prompter->calls.size(), 1u);
    EXPECT_TRUE(fakes_.prompter->calls[0].text.contains(QStringLiteral("Kelso.hlp")));
    EXPECT_FALSE(platform::Forms::find<HelpWindow>());
}

} // namespace
