#include "FakeServices.h"
#include "ProgramFolderFixture.h"
#include "data/RecordSource.h"
#include "services/Handlers.h"
#include "widgets/BoundWidgets.h"
#include "widgets/DBList.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace data;
using testsupport::executeSql;
using testsupport::queryRows;

namespace {

// A window with a record source over "Anglers" and a box bound to each field.
class RecordSourceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        path = folder.filePath(QStringLiteral("club.mdb"));
        auto database = Database::CreateDatabase(path);
        auto table = database.CreateTableDef(QStringLiteral("Anglers"));
        table.Append(table.CreateField(QStringLiteral("Name"), FieldType::Text, 20));
        table.Append(table.CreateField(QStringLiteral("Remarks"), FieldType::Memo));
        database.Append(table);
        executeSql(path, QStringLiteral("INSERT INTO \"Anglers\" VALUES ('Ann', 'one'), "
                                        "('Bob', 'two'), ('Cy', 'three')"));

        window = new QWidget;
        source = new RecordSource(path, QStringLiteral("Anglers"), window);
        name = new widgets::BoundLineEdit(window);
        name->bindTo(source, QStringLiteral("Name"));
        remarks = new widgets::BoundTextEdit(window);
        remarks->bindTo(source, QStringLiteral("Remarks"));
    }
    void TearDown() override { delete window; }

    QStringList storedRemarks() const
    {
        QStringList result;
        for (const auto &row : queryRows(path, QStringLiteral("SELECT \"Remarks\" FROM \"Anglers\"")))
            result << row[0].toString();
        return result;
    }

    testsupport::FakeServices fakes;
    QTemporaryDir folder;
    QString path;
    QWidget *window = nullptr;
    RecordSource *source = nullptr;
    widgets::BoundLineEdit *name = nullptr;
    widgets::BoundTextEdit *remarks = nullptr;
};

TEST_F(RecordSourceTest, BoundBoxesFollowTheCurrentRecord)
{
    EXPECT_EQ(name->text(), QStringLiteral("Ann"));
    source->MoveNext();
    EXPECT_EQ(name->text(), QStringLiteral("Bob"));
    EXPECT_EQ(remarks->toPlainText(), QStringLiteral("two"));
    source->AddNew();
    EXPECT_EQ(name->text(), QString());
}

TEST_F(RecordSourceTest, ChangedBoxesAreWrittenOnMoveRefreshAndClose)
{
    const struct {
        const char *name;
        std::function<void()> leave;
    } ways[] = {
        {"move", [&] { source->MoveNext(); }},
        {"bookmark", [&] { source->setBookmark(source->bookmark()); }},
        {"refresh", [&] { source->Refresh(); }},
        {"window close", [&] { window->close(); }},
    };
    for (const auto &way : ways) {
        SCOPED_TRACE(way.name);
        source->MoveFirst();
        remarks->moveCursor(QTextCursor::End);
        QTest::keyClicks(remarks, QStringLiteral(" edited"));
        way.leave();
        EXPECT_EQ(storedRemarks().first(), QStringLiteral("one edited"));
        executeSql(path, QStringLiteral("UPDATE \"Anglers\" SET \"Remarks\" = 'one' WHERE rowid = 1"));
        source->Refresh();
    }
    // Showing another record is no change of its own.
    source->MoveNext();
    source->MoveNext();
    EXPECT_EQ(storedRemarks(), (QStringList{"one", "two", "three"}));
}

TEST_F(RecordSourceTest, UpdateStoresWhatTheBoxesHoldAndRefusedWritesKeepTheEdit)
{
    source->AddNew();
    name->setText(QStringLiteral("Dee"));
    source->Update();
    EXPECT_EQ(queryRows(path, QStringLiteral("SELECT \"Name\", \"Remarks\" FROM \"Anglers\" "
                                             "WHERE rowid = 4")),
              (QList<QVariantList>{{QStringLiteral("Dee"), QVariant()}}));

    // A combo's typed text is its value, whether or not the list offers it.
    auto *remarksChoice = new widgets::BoundComboBox(window);
    remarksChoice->addItems({QStringLiteral("Yes"), QStringLiteral("No")});
    remarksChoice->bindTo(source, QStringLiteral("Remarks"));
    EXPECT_EQ(remarksChoice->currentText(), QStringLiteral("one"));
    source->Edit();
    remarksChoice->setCurrentText(QStringLiteral("Maybe"));
    source->Update();
    EXPECT_EQ(queryRows(path, QStringLiteral("SELECT \"Remarks\" FROM \"Anglers\" WHERE rowid = 1")),
              (QList<QVariantList>{{QStringLiteral("Maybe")}}));
    delete remarksChoice;

    // A value too long for its field stops the move and stays in the box.
    source->MoveFirst();
    name->setText(QStringLiteral("A name far too long for twenty"));
    EXPECT_THROW(source->MoveNext(), EngineError);
    EXPECT_EQ(name->text(), QStringLiteral("A name far too long for twenty"));
    EXPECT_EQ(queryRows(path, QStringLiteral("SELECT \"Name\" FROM \"Anglers\" WHERE rowid = 1")),
              (QList<QVariantList>{{QStringLiteral("Ann")}}));

    // A handler reports the error it did not catch, with the program's title.
    platform::handler([&] { source->MoveNext(); })();
    ASSERT_EQ(fakes.prompter->calls.size(), 1u);
    EXPECT_EQ(fakes.prompter->calls[0].icon, platform::Icon::Exclamation);
    EXPECT_TRUE(fakes.prompter->calls[0].text.contains(QStringLiteral("\"Name\"")));
}

TEST_F(RecordSourceTest, ListFillsFromOneFieldAndYieldsBookmarks)
{
    auto *listSource = new RecordSource(path, QStringLiteral("Anglers"), window);
    auto *list = new widgets::DBList(window);
    list->setRowSource(listSource, QStringLiteral("Name"));
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->entryText(2), QStringLiteral("Cy"));
    EXPECT_FALSE(list->selectedBookmark());

    list->selectRow(2);
    source->setBookmark(*list->selectedBookmark());
    EXPECT_EQ(name->text(), QStringLiteral("Cy"));

    listSource->AddNew();
    listSource->recordset().setValue(QStringLiteral("Name"), QStringLiteral("Dee"));
    listSource->Update();
    EXPECT_EQ(list->count(), 4);
    listSource->MoveFirst();
    listSource->Delete();
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(list->entryText(0), QStringLiteral("Bob"));
}

} // namespace
