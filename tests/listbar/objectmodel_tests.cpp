#include <pathwell/handletable.h>
#include <pathwell/listbar.h>

#include <QApplication>

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <memory>

using namespace PathwellControls;

namespace {

// A control whose marks and repaints are counted.
class ListbarTest : public testing::Test {
protected:
    ListbarTest() {
        control->resize(120, 300);
        control->setPropertyChangedCallback([this](const QString &name) { marks.append(name); });
        QObject::connect(control.get(), &Listbar::Redrawn, [this] { ++repaints; });
    }

    void resetCounts() {
        marks.clear();
        repaints = 0;
    }

    std::unique_ptr<Listbar> control = std::make_unique<Listbar>();
    QStringList marks;
    int repaints = 0;
};

QStringList texts(const QList<std::shared_ptr<Group>> &groups) {
    QStringList result;
    for (const auto &group : groups)
        result.append(group->Text());
    return result;
}

} // namespace

TEST_F(ListbarTest, NewControlHasItsDefaults) {
    EXPECT_EQ(control->BorderStyle(), bsSoft3D);
    EXPECT_EQ(control->BorderColor(), 0x808080);
    EXPECT_EQ(control->ActiveGroup(), 1);
    EXPECT_EQ(control->Groupheight(), 22);
    EXPECT_FALSE(control->UseXPThemes());
    EXPECT_TRUE(control->Enabled());
    EXPECT_EQ(control->Groups()->Count(), 0);
    EXPECT_EQ(control->Groups()->owner(), control.get());
    EXPECT_EQ(control->LargeImages()->hIml(), 0);
    EXPECT_EQ(control->LargeImages()->IconSizeX(), 16);
    EXPECT_EQ(control->SmallImages()->IconSizeY(), 16);
    EXPECT_EQ(control->LargeImages(), control->LargeImages());
}

TEST_F(ListbarTest, GroupAddedWithATextOnlyHasTheGroupDefaults) {
    const auto group = control->Groups()->Add("Menu");
    EXPECT_EQ(group->Text(), "Menu");
    EXPECT_EQ(group->Key(), "");
    EXPECT_EQ(group->TextAlign(), gtaCenter);
    EXPECT_TRUE(group->Enabled());
    EXPECT_FALSE(group->UseSmallImages());
    EXPECT_FALSE(group->ItemButtonStyle());
    EXPECT_TRUE(group->ItemFlatStyle());
    EXPECT_EQ(group->ItemFlatBorderColor(), 0xC56A31);
    EXPECT_EQ(group->ItemForeColor(), 0);
    EXPECT_EQ(group->ItemHotForeColor(), 0);
    EXPECT_EQ(group->ItemHotBackColor(), 0xEED2C1);
    EXPECT_EQ(group->ItemSelectedBackColor(), 0xE2B598);
    EXPECT_EQ(group->ForeColor(), 0);
    EXPECT_EQ(group->HotForeColor(), 0x800000);
    EXPECT_EQ(group->GroupBackColor(), 0xE0E0E0);
    EXPECT_FALSE(group->FontBold() || group->FontItalic() || group->FontUnderline());
    EXPECT_EQ(group->FontSize(), 8);
    EXPECT_FALSE(group->HotFontBold() || group->HotFontItalic());
    EXPECT_TRUE(group->HotFontUnderline());
    EXPECT_EQ(group->ScrollPos(), 0);
    EXPECT_EQ(group->Items()->Count(), 0);
    EXPECT_EQ(group->owner(), control.get());
    EXPECT_EQ(group->Items()->owner(), control.get());
}

TEST_F(ListbarTest, NewItemHasTheItemDefaultsAndImageVariantsKeepTheirType) {
    const auto item = control->Groups()->Add("Menu")->Items()->Add("Club Members");
    EXPECT_EQ(item->Text(), "Club Members");
    EXPECT_EQ(item->Key(), "");
    EXPECT_TRUE(item->Enabled());
    EXPECT_FALSE(item->Checked());
    EXPECT_TRUE(item->Visible());
    EXPECT_FALSE(item->UseSmallImages());
    EXPECT_EQ(item->owner(), control.get());
    for (const QVariant &image : {item->SmallImage(), item->LargeImage()}) {
        EXPECT_EQ(image.typeId(), QMetaType::Short);
        EXPECT_EQ(image.value<qint16>(), -1);
    }

    item->setSmallImage(QStringLiteral("-1"));
    item->setLargeImage(QVariant::fromValue<qint16>(3));
    EXPECT_EQ(item->SmallImage().typeId(), QMetaType::QString);
    EXPECT_EQ(item->SmallImage().toString(), "-1");
    EXPECT_EQ(item->LargeImage().typeId(), QMetaType::Short);
}

TEST_F(ListbarTest, GroupsAreFoundByPositionAndByKeyWithoutCase) {
    const auto groups = control->Groups();
    const auto menu = groups->Add("Menu", gtaLeft, "menu");
    const auto more = groups->Add("More", gtaRight, "More");

    struct Case {
        QVariant index;
        std::shared_ptr<Group> found;
    };
    const Case cases[] = {
        {1, menu},
        {QVariant::fromValue<qint16>(2), more},
        {1.5, more}, // a fraction rounds half to even
        {0, nullptr},
        {3, nullptr},
        {-1, nullptr},
        {QStringLiteral("MENU"), menu},
        {QStringLiteral("more"), more},
        {QStringLiteral("1"), nullptr}, // digits in a string are a key here
        {QStringLiteral(""), nullptr},
        {QVariant(), nullptr},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(groups->Item(c.index), c.found) << c.index.toString().toStdString();
        EXPECT_EQ(groups->Exists(c.index), c.found != nullptr) << c.index.toString().toStdString();
    }
    EXPECT_EQ(groups->FromKey("menu"), menu);
    EXPECT_EQ(groups->FromKey("MENU"), nullptr);
    EXPECT_EQ(menu->TextAlign(), gtaLeft);
    EXPECT_EQ(groups->IndexOf(more), 2);
    EXPECT_EQ(groups->IndexOf(std::make_shared<Group>()), 0);
    EXPECT_EQ(groups->IndexOf(nullptr), 0);
    EXPECT_EQ(texts(groups->NewEnum()), (QStringList{"Menu", "More"}));
}

TEST_F(ListbarTest, KeyInUseLeavesTheCollectionAndReturnsADetachedObject) {
    const auto groups = control->Groups();
    groups->Add("Menu", gtaCenter, "Menu");
    const auto refused = groups->Add("Second menu", gtaCenter, "MENU");
    EXPECT_EQ(groups->Count(), 1);
    EXPECT_EQ(refused->Text(), "Second menu");
    EXPECT_EQ(groups->IndexOf(refused), 0);

    auto keyed = std::make_shared<Group>();
    keyed->setKey("menu");
    groups->AddObject(keyed);
    EXPECT_EQ(groups->Count(), 1);

    const auto items = groups->Item(1)->Items();
    items->Add("Club Members", "members");
    const auto refusedItem = items->Add("Members again", "Members");
    EXPECT_EQ(items->Count(), 1);
    EXPECT_EQ(refusedItem->Text(), "Members again");
    EXPECT_EQ(items->IndexOf(refusedItem), 0);
}

TEST_F(ListbarTest, WritingAKeyDoesNotReKeyTheCollection) {
    const auto groups = control->Groups();
    const auto group = groups->Add("Menu", gtaCenter, "old");
    resetCounts();
    group->setKey("new");
    EXPECT_EQ(groups->FromKey("new"), group);
    EXPECT_EQ(groups->Item("new"), nullptr);
    EXPECT_EQ(groups->Item("old"), group);
    EXPECT_EQ(groups->FromKey("old"), nullptr);

    const auto item = group->Items()->Add("Club Members", "old");
    resetCounts();
    item->setKey("new");
    EXPECT_EQ(group->Items()->FromKey("new"), item);
    EXPECT_EQ(group->Items()->Item("old"), item);
    EXPECT_EQ(repaints, 0);
}

TEST_F(ListbarTest, RemoveRepaintsAndClearReplacesTheContentWithoutRepaint) {
    const auto groups = control->Groups();
    const auto menu = groups->Add("Menu", gtaCenter, "Menu");
    groups->Add("More");
    groups->Add("Extra");
    control->setActiveGroup(3);
    resetCounts();

    groups->Remove("menu");
    EXPECT_EQ(texts(groups->NewEnum()), (QStringList{"More", "Extra"}));
    EXPECT_EQ(repaints, 1);
    groups->Remove(7);
    EXPECT_EQ(groups->Count(), 2);
    EXPECT_EQ(repaints, 2);
    EXPECT_EQ(control->ActiveGroup(), 3);

    groups->Clear();
    EXPECT_EQ(groups->Count(), 0);
    EXPECT_FALSE(groups->Exists(1));
    EXPECT_EQ(repaints, 2);
    EXPECT_EQ(control->ActiveGroup(), 3);
    // A group the host still holds stays usable.
    menu->setText("Still here");
    EXPECT_EQ(menu->Text(), "Still here");
}

TEST_F(ListbarTest, AddObjectAppendsUnderTheObjectsKeyKeepingItsBackReference) {
    const auto groups = control->Groups();
    auto loose = std::make_shared<Group>();
    loose->setKey("Loose");
    resetCounts();
    groups->AddObject(loose);
    EXPECT_EQ(groups->Item("LOOSE"), loose);
    EXPECT_EQ(loose->owner(), nullptr);
    EXPECT_EQ(repaints, 0);

    const auto items = groups->Add("Menu")->Items();
    auto item = std::make_shared<Item>();
    resetCounts();
    items->AddObject(item);
    items->AddObject(item);
    items->AddObject(nullptr);
    EXPECT_EQ(items->Count(), 2);
    EXPECT_EQ(items->IndexOf(item), 1);
    EXPECT_EQ(repaints, 2);
}

TEST_F(ListbarTest, UseSmallImagesResetsScrollOnlyOnChangeAndReachesEveryItem) {
    const auto group = control->Groups()->Add("Menu");
    const auto first = group->Items()->Add("Club Members");

    struct Case {
        bool write;
        std::int16_t scrollAfter;
    };
    const Case cases[] = {{false, -40}, {true, 0}, {true, -40}, {false, 0}};
    for (const Case &c : cases) {
        group->setScrollPos(-40);
        group->setUseSmallImages(c.write);
        EXPECT_EQ(group->ScrollPos(), c.scrollAfter) << c.write;
        EXPECT_EQ(first->UseSmallImages(), c.write);
        EXPECT_EQ(group->Items()->UseSmallImages(), c.write);
    }

    group->setUseSmallImages(true);
    EXPECT_TRUE(group->Items()->Add("Tournaments")->UseSmallImages());
}

TEST_F(ListbarTest, ActiveGroupIsWrittenWithoutRangeTest) {
    control->Groups()->Add("Menu");
    control->Groups()->Add("More");
    resetCounts();

    struct Case {
        std::int16_t write;
        std::int16_t read;
    };
    const Case cases[] = {
        {1, 1},
        {0, 0},
        {9, 9},
        {-5, -5},
        {std::numeric_limits<std::int16_t>::max(), std::numeric_limits<std::int16_t>::max()},
        {2, 2},
        {std::numeric_limits<std::int16_t>::min(), 2}, // refused: no 0-based index below it
    };
    for (const Case &c : cases) {
        control->setActiveGroup(c.write);
        EXPECT_EQ(control->ActiveGroup(), c.read) << c.write;
    }
    EXPECT_EQ(repaints, 6);
    EXPECT_TRUE(marks.isEmpty());
}

TEST_F(ListbarTest, EveryWriteRepaintsAndMarksAsItShould) {
    const auto group = control->Groups()->Add("Menu");
    const auto item = group->Items()->Add("Club Members");
    struct Case {
        const char *member;
        std::function<void()> write;
        bool repaints;
        QString mark;
    };
    const Case cases[] = {
        {"LargeImages", [&] { control->setLargeImages(std::make_shared<cImageList>()); }, false,
         "LargeImages"},
        {"SmallImages", [&] { control->setSmallImages(std::make_shared<cImageList>()); }, false,
         "SmallImages"},
        {"UseXPThemes", [&] { control->setUseXPThemes(true); }, true, "UseXPThemes"},
        {"Groupheight", [&] { control->setGroupheight(30); }, true, ""},
        {"BorderColor", [&] { control->setBorderColor(0xFF); }, true, "BorderColor"},
        {"ActiveGroup", [&] { control->setActiveGroup(1); }, true, ""},
        {"BorderStyle", [&] { control->setBorderStyle(bsDoubleLine); }, true, "BorderStyle"},
        {"Groups", [&] { control->setGroups(std::make_shared<Groups>()); }, false, ""},
        {"Font", [&] { control->setFont(QFont("DejaVu Sans", 12)); }, false, "Font"},
        {"PropChanged", [&] { control->PropChanged(); }, false, "Groups"},
        {"Enabled", [&] { control->setEnabled(false); }, true, "Enabled"},
        {"Redraw", [&] { control->Redraw(); }, true, ""},
        {"Group.Enabled", [&] { group->setEnabled(false); }, true, ""},
        {"Group.GroupBackColor", [&] { group->setGroupBackColor(1); }, true, ""},
        {"Group.HotFontUnderline", [&] { group->setHotFontUnderline(false); }, true, ""},
        {"Group.HotFontItalic", [&] { group->setHotFontItalic(true); }, true, ""},
        {"Group.HotFontBold", [&] { group->setHotFontBold(true); }, true, ""},
        {"Group.FontSize", [&] { group->setFontSize(10); }, true, ""},
        {"Group.FontUnderline", [&] { group->setFontUnderline(true); }, true, ""},
        {"Group.FontItalic", [&] { group->setFontItalic(true); }, true, ""},
        {"Group.FontBold", [&] { group->setFontBold(true); }, true, ""},
        {"Group.ForeColor", [&] { group->setForeColor(1); }, true, ""},
        {"Group.HotForeColor", [&] { group->setHotForeColor(1); }, true, ""},
        {"Group.ItemSelectedBackColor", [&] { group->setItemSelectedBackColor(1); }, true, ""},
        {"Group.ItemHotForeColor", [&] { group->setItemHotForeColor(1); }, true, ""},
        {"Group.ItemHotBackColor", [&] { group->setItemHotBackColor(1); }, true, ""},
        {"Group.ItemForeColor", [&] { group->setItemForeColor(1); }, true, ""},
        {"Group.ItemFlatBorderColor", [&] { group->setItemFlatBorderColor(1); }, true, ""},
        {"Group.ItemButtonStyle", [&] { group->setItemButtonStyle(true); }, true, ""},
        {"Group.ItemFlatStyle", [&] { group->setItemFlatStyle(false); }, true, ""},
        {"Group.UseSmallImages", [&] { group->setUseSmallImages(true); }, true, ""},
        {"Group.Items", [&] { group->setItems(std::make_shared<Items>()); }, false, ""},
        {"Group.Key", [&] { group->setKey("menu"); }, false, ""},
        {"Group.TextAlign", [&] { group->setTextAlign(gtaRight); }, true, ""},
        {"Group.Text", [&] { group->setText("Main"); }, true, ""},
        {"Item.Visible", [&] { item->setVisible(false); }, true, ""},
        {"Item.SmallImage", [&] { item->setSmallImage(2); }, true, ""},
        {"Item.LargeImage", [&] { item->setLargeImage("2"); }, true, ""},
        {"Item.Checked", [&] { item->setChecked(true); }, true, ""},
        {"Item.Enabled", [&] { item->setEnabled(false); }, true, ""},
        {"Item.Key", [&] { item->setKey("members"); }, false, ""},
        {"Item.Text", [&] { item->setText("Members"); }, true, ""},
    };
    for (const Case &c : cases) {
        resetCounts();
        c.write();
        EXPECT_EQ(repaints, c.repaints ? 1 : 0) << c.member;
        EXPECT_EQ(marks, c.mark.isEmpty() ? QStringList() : QStringList{c.mark}) << c.member;
    }
    EXPECT_FALSE(control->isEnabled());
    EXPECT_EQ(control->font().pointSize(), 12);
}

TEST_F(ListbarTest, CollectionsRepaintAsTheyShould) {
    const auto groups = control->Groups();
    resetCounts();
    const auto group = groups->Add("Menu");
    EXPECT_EQ(repaints, 1);
    groups->Add("Again", gtaCenter, "key");
    groups->Add("Refused", gtaCenter, "KEY");
    EXPECT_EQ(repaints, 2);
    group->Items()->Add("Club Members");
    EXPECT_EQ(repaints, 3);
    group->Items()->Remove(1);
    group->Items()->Remove(1);
    EXPECT_EQ(repaints, 5);
    group->Items()->Clear();
    groups->Clear();
    EXPECT_EQ(repaints, 5);
    EXPECT_TRUE(marks.isEmpty());
}

TEST_F(ListbarTest, RedrawFillsTheSurfaceWithTheBackground) {
    control->Redraw();
    const QImage *surface = HandleTable::surface(control->hdc());
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(surface->size(), QSize(120, 300));
    EXPECT_EQ(surface->pixel(60, 150), control->palette().color(QPalette::Button).rgb());
}

TEST_F(ListbarTest, HugeControlDrawsNothingAndRecoversWhenSmallAgain) {
    control->resize(100000, 100000);
    control->Redraw();
    EXPECT_TRUE(HandleTable::surface(control->hdc())->isNull());
    control->resize(50, 60);
    control->Redraw();
    EXPECT_EQ(HandleTable::surface(control->hdc())->size(), QSize(50, 60));
}

TEST_F(ListbarTest, ResizeScrollsTheOpenGroupBackAndRepaints) {
    const auto menu = control->Groups()->Add("Menu");
    const auto more = control->Groups()->Add("More");
    control->setActiveGroup(2);
    control->show();
    menu->setScrollPos(-30);
    more->setScrollPos(-30);
    resetCounts();

    control->resize(140, 320);
    EXPECT_EQ(more->ScrollPos(), 0);
    EXPECT_EQ(menu->ScrollPos(), -30);
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(HandleTable::surface(control->hdc())->size(), QSize(140, 320));
}

TEST_F(ListbarTest, ShowingTheControlBindsItsGroupsAgain) {
    const auto replacement = std::make_shared<Groups>();
    control->setGroups(replacement);
    EXPECT_EQ(replacement->owner(), nullptr);
    control->show();
    EXPECT_EQ(replacement->owner(), control.get());
}

TEST_F(ListbarTest, ObjectsTheHostHoldsOutliveTheControlSafely) {
    const auto groups = control->Groups();
    const auto group = groups->Add("Menu");
    const auto item = group->Items()->Add("Club Members");
    const std::int32_t surface = control->hdc();

    control.reset();
    EXPECT_EQ(HandleTable::kind(surface), HandleTable::Kind::None);
    EXPECT_EQ(group->owner(), nullptr);
    EXPECT_EQ(item->owner(), nullptr);
    group->setText("Main");
    item->setText("Members");
    group->setUseSmallImages(true);
    groups->Remove(1);
    EXPECT_EQ(groups->Add("More")->owner(), nullptr);
    EXPECT_TRUE(item->UseSmallImages());
}

TEST(KeyedCollectionLimits, PositionsStayWithinSixteenBits) {
    Items items;
    for (int i = 0; i < Items::kMaxCount; ++i)
        items.Add(QString());
    const auto last = items.Item(Items::kMaxCount);
    const auto refused = items.Add("One too many");
    EXPECT_EQ(items.Count(), Items::kMaxCount);
    EXPECT_EQ(items.IndexOf(last), Items::kMaxCount);
    EXPECT_EQ(items.IndexOf(refused), 0);
}
