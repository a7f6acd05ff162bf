#include "Maker.h"
#include "ProgramFolderFixture.h"
#include "frmAbout.h"
#include "frmUpdate.h"
#include "services/Forms.h"

#include <QPushButton>
#include <gtest/gtest.h>

using platform::Icon;

namespace {

class LinksTest : public testsupport::ProgramFolderTest {
protected:
    template <class Window> QPushButton *button(const char *name) {
        auto *found = platform::Forms::show<Window>()->template findChild<QPushButton *>(
            QString::fromLatin1(name));
        EXPECT_TRUE(found) << name;
        return found;
    }
};

TEST_F(LinksTest, CheckNowClosesTheUpdateWindowOnlyOnceTheBrowserStarted)
{
    QPointer<maintenance::frmUpdate> window = platform::Forms::show<maintenance::frmUpdate>();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Check for Update"));

    fakes_.shell->succeeds = false;
    button<maintenance::frmUpdate>("cmdCheck")->click();
    ASSERT_EQ(fakes_.prompter->calls.size(), 1u);
    EXPECT_EQ(fakes_.prompter->calls[0].icon, Icon::Exclamation);
    EXPECT_EQ(fakes_.prompter->calls[0].text,
              QStringLiteral("There is a problem connecting to the Internet.\nThis feature may "
                             "not work if you are using a browser \nother than Microsoft "
                             "Internet Explorer."));
    EXPECT_EQ(fakes_.prompter->calls[0].title, QStringLiteral("Connection Problem"));
    EXPECT_TRUE(window->isVisible());

    fakes_.shell->succeeds = true;
    button<maintenance::frmUpdate>("cmdCheck")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(fakes_.shell->opened,
              (std::vector<QUrl>{maintenance::makerWebsite, maintenance::makerWebsite}));
    EXPECT_EQ(fakes_.prompter->calls.size(), 1u);
}

TEST_F(LinksTest, AboutOpensTheWebSiteAndTheMailProgramOrSaysWhyNot)
{
    const struct {
        const char *button;
        QUrl address;
        const char *failure;
        const char *title;
    } links[] = {
        {"cmdWebsite", maintenance::makerWebsite,
         "Can't find Browser.\nThis command may not work if you are not using Internet Explorer.",
         "Browser not found"},
        {"cmdEmail", QUrl(QStringLiteral("mailto:") + maintenance::makerEmail),
         "Can't find Email program.\nThis command may not work if you are not using MS Outlook.",
         "Email Program not found"},
    };
    EXPECT_EQ(platform::Forms::show<maintenance::frmAbout>()->windowTitle(),
              QStringLiteral("About"));
    for (const auto &link : links) {
        SCOPED_TRACE(link.button);
        fakes_.prompter->calls.clear();
        fakes_.shell->opened.clear();
        fakes_.shell->succeeds = true;
        button<maintenance::frmAbout>(link.button)->click();
        EXPECT_TRUE(fakes_.prompter->calls.empty());

        fakes_.shell->succeeds = false;
        button<maintenance::frmAbout>(link.button)->click();
        EXPECT_EQ(fakes_.shell->opened, (std::vector<QUrl>{link.address, link.address}));
        ASSERT_EQ(fakes_.prompter->calls.size(), 1u);
        EXPECT_EQ(fakes_.prompter->calls[0].icon, Icon::Exclamation);
        EXPECT_EQ(fakes_.prompter->calls[0].text, QString::fromLatin1(link.failure));
        EXPECT_EQ(fakes_.prompter->calls[0].title, QString::fromLatin1(link.title));
    }
    EXPECT_EQ(maintenance::makerEmail, QStringLiteral("support@brackwater.example"));
}

} // namespace
