#include "ClubDatabase.h"
#include "ProgramFolderFixture.h"
#include "frmAdddata.h"
#include "services/Forms.h"
#include "widgets/BoundWidgets.h"

#include <QGroupBox>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

using platform::Answer;
using platform::Forms;
using testsupport::executeSql;
using testsupport::queryRows;

namespace {

class ClubOptionsTest : public testsupport::ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        install();
        // A stand-in for the main window: it shows the club name from its own Data1.
        main = new QWidget;
        mainData1 = new data::RecordSource(clubdata::clubDatabasePath(),
                                           QStringLiteral("Club Info"), main);
        mainData1->setObjectName(QStringLiteral("Data1"));
        mainLabel = new widgets::BoundLabel(main);
        mainLabel->bindTo(mainData1, QStringLiteral("Club Name"));
        Forms::setMainWindow(main);
        window = Forms::show<frmAdddata>();
    }
    void TearDown() override
    {
        ProgramFolderTest::TearDown();
        delete main;
    }

    template <class T = QPushButton> T *child(const QString &name)
    {
        auto *found = window->findChild<T *>(name);
        EXPECT_TRUE(found) << name.toStdString();
        return found;
    }
    void click(const QString &button) { child(button)->click(); }
    QLineEdit *box(const QString &name) { return child<QLineEdit>(name); }
    QStringList rows(const QString &table)
    {
        QStringList values;
        for (const auto &row : queryRows(clubdata::clubDatabasePath(),
                                         QStringLiteral("SELECT * FROM \"%1\"").arg(table)))
            values << row[0].toString();
        return values;
    }
    QString lastMessage() const
    {
        return fakes_.prompter->calls.empty() ? QString() : fakes_.prompter->calls.back().text;
    }

    QWidget *main = nullptr;
    data::RecordSource *mainData1 = nullptr;
    widgets::BoundLabel *mainLabel = nullptr;
    frmAdddata *window = nullptr;
};

TEST_F(ClubOptionsTest, OpensBrowsingWithEveryBoxLocked)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral(" Club Options"));
    EXPECT_FALSE(window->windowFlags() & Qt::WindowCloseButtonHint);
    auto *tabs = child<QTabWidget>(QStringLiteral("SSTab1"));
    EXPECT_EQ(tabs->tabText(0), QStringLiteral(" Club Information"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral(" Club Preferences"));
    for (const char *name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"})
        EXPECT_TRUE(box(QString::fromLatin1(name))->isReadOnly()) << name;
    EXPECT_EQ(box(QStringLiteral("Text1"))->text(), QStringLiteral("Cedar Hollow Bassmasters"));
    EXPECT_EQ(box(QStringLiteral("Text5"))->text(), QStringLiteral("Percy Priest Lake"));
    EXPECT_FALSE(child(QStringLiteral("cmdSave"))->isEnabled());
    EXPECT_FALSE(child(QStringLiteral("cmdCancelramp"))->isEnabled());
    EXPECT_FALSE(child<QWidget>(QStringLiteral("Label13"))->isVisible());
    EXPECT_EQ(child(QStringLiteral("cmdBacklake"))->toolTip(),
              QStringLiteral("Move back to the previous item"));
}

TEST_F(ClubOptionsTest, ClubInformationIsSavedAndShownOnTheMainWindow)
{
    auto *tabs = child<QTabWidget>(QStringLiteral("SSTab1"));
    click(QStringLiteral("cmdEdit"));
    EXPECT_FALSE(tabs->isTabEnabled(1));
    EXPECT_FALSE(child(QStringLiteral("cmdExit"))->isEnabled());
    EXPECT_EQ(child<QLabel>(QStringLiteral("Label13"))->text(),
              QStringLiteral(" Click Cancel or Save before you can exit. "));

    box(QStringLiteral("Text1"))->clear();
    click(QStringLiteral("cmdSave"));
    EXPECT_EQ(lastMessage(), QStringLiteral("Please enter a Club name."));
    EXPECT_FALSE(tabs->isTabEnabled(1));
    EXPECT_EQ(mainLabel->text(), QStringLiteral("Cedar Hollow Bassmasters"));

    box(QStringLiteral("Text1"))->setText(QStringLiteral("Lakeside Anglers"));
    click(QStringLiteral("cmdSave"));
    EXPECT_EQ(lastMessage(), QStringLiteral("Changes have been saved."));
    EXPECT_EQ(rows(QStringLiteral("Club Info")), QStringList{"Lakeside Anglers"});
    EXPECT_EQ(mainLabel->text(), QStringLiteral("Lakeside Anglers"));
    EXPECT_TRUE(tabs->isTabEnabled(1));
    EXPECT_TRUE(box(QStringLiteral("Text1"))->isReadOnly());

    // Closing shows the main window again.
    EXPECT_FALSE(main->isVisible());
    click(QStringLiteral("cmdExit"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(Forms::find<frmAdddata>());
    EXPECT_TRUE(main->isVisible());
}

struct ListCase {
    const char *table;
    const char *suffix;
    const char *editButton;
    const char *box;
    const char *frame;
    const char *missing;
    const char *first;
    const char *refusal;
    const char *question;
};

const ListCase lists[] = {
    {"Options", "mem", "cmdEditmem", "Text4", "Frame1", "Please enter a Membership Type.",
     "This is the first Member Type.", "This Member Type can not be deleted.\nYou can edit this Member Type.",
     "Are you sure you want to delete this Member Type?"},
    {"Lakes", "lake", "cmdEditLake", "Text5", "Frame2", "Please enter a Lake or River.",
     "This is the first Lake.", "This Lake or River can not be deleted.\nYou can edit this Lake or River.",
     "Are you sure you want to delete this Lake or River?"},
    {"Ramps", "ramp", "cmdEditramp", "Text6", "Frame3", "Please enter a Ramp or Launch Area.",
     "This is the first Ramp / Launch Area.",
     "This Ramp / Launch Area can not be deleted.\nYou can edit this Ramp / Launch Area.",
     "Are you sure you want to delete this Ramp / Launch Area?"},
};

TEST_F(ClubOptionsTest, EachListAddsCancelsNavigatesAndGuardsItsLastEntry)
{
    for (const ListCase &list : lists) {
        SCOPED_TRACE(list.table);
        const QString suffix = QString::fromLatin1(list.suffix);
        const QString table = QString::fromLatin1(list.table);
        const QStringList before = rows(table);

        click(QStringLiteral("cmdBack") + suffix);
        EXPECT_EQ(lastMessage(), QString::fromUtf8(list.first));

        click(QStringLiteral("cmdAdd") + suffix);
        click(QStringLiteral("cmdSave") + suffix);
        EXPECT_EQ(lastMessage(), QString::fromUtf8(list.missing));
        click(QStringLiteral("cmdCancel") + suffix);
        EXPECT_EQ(rows(table), before);

        click(QStringLiteral("cmdAdd") + suffix);
        box(QString::fromLatin1(list.box))->setText(QStringLiteral("Added entry"));
        click(QStringLiteral("cmdSave") + suffix);
        EXPECT_EQ(lastMessage(), QStringLiteral("Information has been saved."));
        EXPECT_EQ(rows(table), before + QStringList{"Added entry"});

        // Down to two entries, deleting the second shows the first.
        executeSql(clubdata::clubDatabasePath(),
                   QStringLiteral("DELETE FROM \"%1\" WHERE rowid NOT IN (SELECT rowid FROM \"%1\" "
                                  "ORDER BY rowid LIMIT 2)").arg(table));
        window->findChild<data::RecordSource *>(QStringLiteral("Data") + table)->Refresh();
        click(QStringLiteral("cmdNext") + suffix);
        fakes_.prompter->answers.push_back(Answer::Yes);
        click(QStringLiteral("cmdDelete") + suffix);
        EXPECT_EQ(fakes_.prompter->calls.back().text, QString::fromUtf8(list.question));
        EXPECT_EQ(box(QString::fromLatin1(list.box))->text(), before.first());
        EXPECT_EQ(rows(table), QStringList{before.first()});

        click(QStringLiteral("cmdDelete") + suffix);
        EXPECT_EQ(lastMessage(), QString::fromUtf8(list.refusal) +
                                     QStringLiteral("\nAt least one record has to be present at all times."));
        EXPECT_EQ(rows(table), QStringList{before.first()});
    }
}

TEST_F(ClubOptionsTest, EditingOneListLocksTheRestOfTheWindow)
{
    auto *tabs = child<QTabWidget>(QStringLiteral("SSTab1"));
    tabs->setCurrentIndex(1);
    click(QStringLiteral("cmdEditramp"));
    EXPECT_FALSE(box(QStringLiteral("Text6"))->isReadOnly());
    EXPECT_EQ(box(QStringLiteral("Text6"))->selectedText(), QStringLiteral("Seven Points Marina"));
    EXPECT_FALSE(tabs->isTabEnabled(0));
    EXPECT_FALSE(child<QGroupBox>(QStringLiteral("Frame1"))->isEnabled());
    EXPECT_FALSE(child<QGroupBox>(QStringLiteral("Frame2"))->isEnabled());
    EXPECT_TRUE(child<QGroupBox>(QStringLiteral("Frame3"))->isEnabled());
    EXPECT_FALSE(child(QStringLiteral("cmdExit"))->isEnabled());
    EXPECT_TRUE(child<QWidget>(QStringLiteral("Label13"))->isVisible());
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());

    click(QStringLiteral("cmdCancelramp"));
    EXPECT_TRUE(tabs->isTabEnabled(0));
    EXPECT_TRUE(child<QGroupBox>(QStringLiteral("Frame1"))->isEnabled());
    EXPECT_TRUE(window->close());
}

} // namespace
