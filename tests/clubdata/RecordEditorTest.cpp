#include "ProgramFolderFixture.h"
#include "RecordEditor.h"
#include "widgets/BoundWidgets.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using clubdata::EditorButtons;
using clubdata::EditorTexts;
using clubdata::RecordEditor;
using platform::Answer;
using platform::Icon;
using testsupport::executeSql;
using testsupport::queryRows;

namespace {

// A window editing a table "Boats" of short names, with every editor button.
class RecordEditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        path = folder.filePath(QStringLiteral("boats.mdb"));
        auto database = data::Database::CreateDatabase(path);
        auto table = database.CreateTableDef(QStringLiteral("Boats"));
        table.Append(table.CreateField(QStringLiteral("Name"), data::FieldType::Text, 12));
        database.Append(table);
        executeSql(path, QStringLiteral("INSERT INTO \"Boats\" VALUES ('Ranger'), ('Skeeter'), ('Nitro')"));
    }
    void TearDown() override { delete window; }

    void open(RecordEditor::Variant variant = RecordEditor::Variant::InPlace)
    {
        window = new QWidget;
        source = new data::RecordSource(path, QStringLiteral("Boats"), window);
        name = new widgets::BoundLineEdit(window);
        name->bindTo(source, QStringLiteral("Name"));
        for (QPushButton **button : {&add, &edit, &save, &cancel, &remove, &back, &next, &close})
            *button = new QPushButton(window);
        notice = new QWidget(window);
        chooser = new QWidget(window);
        EditorTexts texts;
        texts.recordName = QStringLiteral("Boat");
        texts.refusalName = QStringLiteral("Boat");
        texts.deleteQuestion = [this] { return QStringLiteral("Delete %1?").arg(name->text()); };
        texts.missingInput = QStringLiteral("Please enter a Boat.");
        texts.savedMessage = QStringLiteral("Saved.");
        editor = new RecordEditor(source, texts, window, variant);
        editor->setBoxes({name});
        editor->setRequiredBox(name);
        editor->setNotice(notice);
        editor->setLockedWhileEditing({chooser});
        editor->setButtons({.add = add, .edit = edit, .save = save, .cancel = cancel,
                            .remove = remove, .back = back, .next = next, .close = close});
        editor->showBrowsing();
        window->show();
    }

    QStringList stored() const
    {
        QStringList names;
        for (const auto &row : queryRows(path, QStringLiteral("SELECT \"Name\" FROM \"Boats\"")))
            names << row[0].toString();
        return names;
    }
    std::vector<QString> messages() const
    {
        std::vector<QString> texts;
        for (const auto &call : fakes.prompter->calls)
            texts.push_back(call.text);
        return texts;
    }
    bool editingState() const
    {
        return !name->isReadOnly() && save->isEnabled() && cancel->isEnabled() &&
               !add->isEnabled() && !edit->isEnabled() && !remove->isEnabled() &&
               !back->isEnabled() && !next->isEnabled() && !close->isEnabled() &&
               notice->isVisible() && !chooser->isEnabled();
    }
    bool browsingState() const
    {
        return name->isReadOnly() && !save->isEnabled() && !cancel->isEnabled() &&
               add->isEnabled() && edit->isEnabled() && remove->isEnabled() &&
               back->isEnabled() && next->isEnabled() && close->isEnabled() &&
               !notice->isVisible() && chooser->isEnabled();
    }

    testsupport::FakeServices fakes;
    QTemporaryDir folder;
    QString path;
    QWidget *window = nullptr;
    data::RecordSource *source = nullptr;
    widgets::BoundLineEdit *name = nullptr;
    QPushButton *add, *edit, *save, *cancel, *remove, *back, *next, *close;
    QWidget *notice = nullptr;
    QWidget *chooser = nullptr;
    RecordEditor *editor = nullptr;
};

TEST_F(RecordEditorTest, AddAndEditEnterTheEditingStateAndSaveLeavesIt)
{
    open();
    EXPECT_TRUE(browsingState());
    edit->click();
    EXPECT_TRUE(editingState());
    EXPECT_EQ(window->focusWidget(), name);
    EXPECT_EQ(name->selectedText(), QStringLiteral("Ranger"));
    name->setText(QStringLiteral("Ranger Z520"));
    save->click();
    EXPECT_TRUE(browsingState());
    EXPECT_EQ(stored(), (QStringList{"Ranger Z520", "Skeeter", "Nitro"}));
    EXPECT_EQ(messages(), std::vector<QString>{"Saved."});
    EXPECT_EQ(fakes.prompter->calls[0].icon, Icon::Information);

    // The window refuses to close while editing, and closes while browsing.
    add->click();
    EXPECT_TRUE(editingState());
    EXPECT_TRUE(name->text().isEmpty());
    EXPECT_FALSE(window->close());
    cancel->click();
    EXPECT_TRUE(browsingState());
    EXPECT_EQ(stored().size(), 3);
    EXPECT_EQ(name->text(), QStringLiteral("Ranger Z520"));
}

TEST_F(RecordEditorTest, SaveNeedsTheRequiredTextButBlanksCount)
{
    open();
    add->click();
    save->click();
    EXPECT_EQ(messages(), std::vector<QString>{"Please enter a Boat."});
    EXPECT_EQ(fakes.prompter->calls[0].icon, Icon::Exclamation);
    EXPECT_TRUE(editingState());
    EXPECT_EQ(window->focusWidget(), name);
    EXPECT_EQ(stored().size(), 3);

    name->setText(QStringLiteral("   "));
    save->click();
    EXPECT_TRUE(browsingState());
    EXPECT_EQ(stored(), (QStringList{"Ranger", "Skeeter", "Nitro", "   "}));
}

TEST_F(RecordEditorTest, ARefusedRecordIsShownAndStaysInTheEditor)
{
    open();
    editor->setFollowUpErrorsIgnored(true);
    int followUps = 0;
    editor->afterSave = [&] {
        ++followUps;
        throw data::EngineError(QStringLiteral("The other window is gone."));
    };
    add->click();
    name->setText(QStringLiteral("Far too long a name"));
    save->click();
    ASSERT_EQ(fakes.prompter->calls.size(), 1u);
    EXPECT_TRUE(messages()[0].contains(QStringLiteral("\"Name\"")));
    EXPECT_TRUE(editingState());
    EXPECT_EQ(name->text(), QStringLiteral("Far too long a name"));
    EXPECT_EQ(followUps, 0);

    // A failing follow-up does not keep the saved record in the editor.
    name->setText(QStringLiteral("Triton"));
    save->click();
    EXPECT_EQ(followUps, 1);
    EXPECT_TRUE(browsingState());
    EXPECT_EQ(stored().last(), QStringLiteral("Triton"));
}

TEST_F(RecordEditorTest, NavigationStopsAtEitherEndWithAMessage)
{
    open();
    back->click();
    EXPECT_EQ(name->text(), QStringLiteral("Ranger"));
    next->click();
    next->click();
    EXPECT_EQ(name->text(), QStringLiteral("Nitro"));
    next->click();
    EXPECT_EQ(name->text(), QStringLiteral("Nitro"));
    EXPECT_EQ(messages(), (std::vector<QString>{"This is the first Boat.", "This is the last Boat."}));
    EXPECT_EQ(fakes.prompter->calls[1].icon, Icon::Information);
    editor->first();
    EXPECT_EQ(name->text(), QStringLiteral("Ranger"));
    editor->last();
    EXPECT_EQ(name->text(), QStringLiteral("Nitro"));
    EXPECT_EQ(fakes.prompter->calls.size(), 2u);
}

TEST_F(RecordEditorTest, DeleteIsConfirmedShowsTheNeighbourAndKeepsTheLastRecord)
{
    open();
    int followUps = 0;
    editor->afterDelete = [&] { ++followUps; };

    // No keeps the record.
    remove->click();
    EXPECT_EQ(fakes.prompter->calls[0].text, QStringLiteral("Delete Ranger?"));
    EXPECT_EQ(fakes.prompter->calls[0].title, QStringLiteral("Delete Information"));
    EXPECT_EQ(fakes.prompter->calls[0].icon, Icon::Question);
    EXPECT_EQ(stored().size(), 3);

    const struct {
        const char *name;
        std::function<void()> moveTo;
        const char *shownAfter;
    } deletes[] = {
        {"a middle record shows the next", [&] { editor->next(); }, "Nitro"},
        {"the last record shows the new last", [&] { editor->last(); }, "Ranger"},
    };
    for (const auto &deletion : deletes) {
        SCOPED_TRACE(deletion.name);
        deletion.moveTo();
        fakes.prompter->answers.push_back(Answer::Yes);
        remove->click();
        EXPECT_EQ(name->text(), QString::fromUtf8(deletion.shownAfter));
    }
    EXPECT_EQ(stored(), QStringList{"Ranger"});
    EXPECT_EQ(followUps, 2);

    fakes.prompter->calls.clear();
    remove->click();
    EXPECT_EQ(messages(), std::vector<QString>{"This Boat can not be deleted.\nYou can edit this "
                                               "Boat.\nAt least one record has to be present at "
                                               "all times."});
    EXPECT_EQ(fakes.prompter->calls[0].icon, Icon::Exclamation);
    EXPECT_EQ(fakes.prompter->calls[0].title, QString());
    EXPECT_EQ(stored(), QStringList{"Ranger"});
}

TEST_F(RecordEditorTest, TheDialogVariantClosesOnSaveAndCancel)
{
    for (const bool saving : {true, false}) {
        SCOPED_TRACE(saving ? "save" : "cancel");
        open(RecordEditor::Variant::Dialog);
        editor->setShowSavedRecord(true);
        editor->add();
        EXPECT_EQ(window->focusWidget(), name);
        const QString boat = saving ? QStringLiteral("Bass Cat") : QStringLiteral("Xpress");
        name->setText(boat);
        (saving ? save : cancel)->click();
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(stored().contains(boat), saving);
        if (saving) {
            EXPECT_EQ(name->text(), boat);
        }
        delete window;
        window = nullptr;
    }
}

} // namespace
