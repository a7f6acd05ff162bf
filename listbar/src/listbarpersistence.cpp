#include <pathwell/listbar.h>

#include <pathwell/identifiers.h>

namespace PathwellControls {

namespace {

constexpr std::int32_t kDefaultBorderColor = 0x808080;
constexpr std::int16_t kDefaultGroupHeight = 22;

const QUuid &imageListClass() {
    static const QUuid id(Identifiers::kImageListClass);
    return id;
}

QString groupKey(qsizetype group, QLatin1StringView name) {
    return QLatin1String("Group") + QString::number(group) + name;
}

QString itemKey(qsizetype group, qsizetype item, QLatin1StringView name) {
    return QLatin1String("Group") + QString::number(group) + QLatin1String("-Item") +
           QString::number(item) + name;
}

std::int32_t readInt32(const PropertyBag &bag, const QString &name, std::int32_t fallback = 0) {
    return toInt32(bag.read(name, fallback)).value_or(fallback);
}

std::int16_t readInt16(const PropertyBag &bag, const QString &name, std::int16_t fallback = 0) {
    return toInt16(bag.read(name, fallback)).value_or(fallback);
}

bool readBoolean(const PropertyBag &bag, const QString &name, bool fallback = false) {
    return toBoolean(bag.read(name, fallback)).value_or(fallback);
}

QString readText(const PropertyBag &bag, const QString &name) {
    return toText(bag.read(name)).value_or(QString());
}

PersistedObject savedImageList(const cImageList &list) {
    PropertyBag properties;
    list.WriteProperties(properties);
    return PersistedObject(imageListClass(), std::move(properties));
}

// The saved list, or null when there is none of the image-list class.
std::shared_ptr<cImageList> readImageList(const PropertyBag &bag, const QString &name) {
    const PropertyValue value = bag.read(name);
    const auto *object = std::get_if<PersistedObject>(&value);
    if (!object || object->classId() != imageListClass())
        return nullptr;
    auto list = std::make_shared<cImageList>();
    list->ReadProperties(object->properties());
    return list;
}

void writeGroup(PropertyBag &bag, qsizetype i, Group &group) {
    const auto key = [i](const char *name) { return groupKey(i, QLatin1StringView(name)); };
    bag.write(key("TextAlign"), std::int32_t(group.TextAlign()), std::int32_t(gtaCenter));
    bag.write(key("Key"), group.Key());
    bag.write(key("UseSmallImages"), group.UseSmallImages());
    bag.write(key("ItemFlatStyle"), group.ItemFlatStyle());
    bag.write(key("ItemButtonStyle"), group.ItemButtonStyle());
    bag.write(key("ItemFlatBorderColor"), group.ItemFlatBorderColor());
    bag.write(key("ItemForeColor"), group.ItemForeColor());
    bag.write(key("ItemHotBackColor"), group.ItemHotBackColor());
    bag.write(key("ItemHotForeColor"), group.ItemHotForeColor());
    bag.write(key("ItemSelectedBackColor"), group.ItemSelectedBackColor());
    bag.write(key("HotForeColor"), group.HotForeColor());
    bag.write(key("ForeColor"), group.ForeColor());
    bag.write(key("FontBold"), group.FontBold());
    bag.write(key("FontItalic"), group.FontItalic());
    bag.write(key("FontUnderline"), group.FontUnderline());
    bag.write(key("FontSize"), group.FontSize());
    bag.write(key("HotFontBold"), group.HotFontBold());
    bag.write(key("HotFontItalic"), group.HotFontItalic());
    bag.write(key("HotFontUnderline"), group.HotFontUnderline());
    bag.write(key("GroupBackColor"), group.GroupBackColor());
    bag.write(key("ScrollPos"), group.ScrollPos());
    bag.write(key("Enabled"), group.Enabled());
    bag.write(key("Text"), group.Text());
    const auto items = group.Items()->NewEnum();
    bag.write(key("-ItemCount"), static_cast<std::int32_t>(items.size()));
    for (qsizetype n = 0; n < items.size(); ++n) {
        const Item &item = *items[n];
        const auto itemName = [i, n](const char *name) {
            return itemKey(i, n, QLatin1StringView(name));
        };
        bag.write(itemName("Text"), item.Text());
        bag.write(itemName("Key"), item.Key());
        bag.write(itemName("SmallImage"), fromVariant(item.SmallImage()));
        bag.write(itemName("LargeImage"), fromVariant(item.LargeImage()));
        bag.write(itemName("Enabled"), item.Enabled());
        bag.write(itemName("Checked"), item.Checked());
        bag.write(itemName("UseSmallImages"), item.UseSmallImages());
        bag.write(itemName("Visible"), item.Visible());
    }
}

// Groups and items are made only while the budget lasts: every genuine group and item
// stores entries of its own, so a count beyond the bag's entries cannot be genuine.
std::shared_ptr<Group> readGroup(const PropertyBag &bag, qsizetype i, Listbar *owner,
                                 qsizetype &budget) {
    const auto key = [i](const char *name) { return groupKey(i, QLatin1StringView(name)); };
    auto group = std::make_shared<Group>();
    group->setTextAlign(
        static_cast<GroupTextAlignment>(readInt32(bag, key("TextAlign"), std::int32_t(gtaCenter))));
    group->setKey(readText(bag, key("Key")));
    group->setUseSmallImages(readBoolean(bag, key("UseSmallImages")));
    group->setItemFlatStyle(readBoolean(bag, key("ItemFlatStyle")));
    group->setItemButtonStyle(readBoolean(bag, key("ItemButtonStyle")));
    group->setItemFlatBorderColor(readInt32(bag, key("ItemFlatBorderColor")));
    group->setItemForeColor(readInt32(bag, key("ItemForeColor")));
    group->setItemHotBackColor(readInt32(bag, key("ItemHotBackColor")));
    group->setItemHotForeColor(readInt32(bag, key("ItemHotForeColor")));
    group->setItemSelectedBackColor(readInt32(bag, key("ItemSelectedBackColor")));
    group->setHotForeColor(readInt32(bag, key("HotForeColor")));
    group->setForeColor(readInt32(bag, key("ForeColor")));
    group->setFontBold(readBoolean(bag, key("FontBold")));
    group->setFontItalic(readBoolean(bag, key("FontItalic")));
    group->setFontUnderline(readBoolean(bag, key("FontUnderline")));
    group->setFontSize(readInt16(bag, key("FontSize")));
    group->setHotFontBold(readBoolean(bag, key("HotFontBold")));
    group->setHotFontItalic(readBoolean(bag, key("HotFontItalic")));
    group->setHotFontUnderline(readBoolean(bag, key("HotFontUnderline")));
    group->setGroupBackColor(readInt32(bag, key("GroupBackColor")));
    group->setScrollPos(readInt16(bag, key("ScrollPos")));
    group->setEnabled(readBoolean(bag, key("Enabled")));
    group->setText(readText(bag, key("Text")));
    group->setOwner(owner);

    const std::int32_t itemCount = readInt32(bag, key("-ItemCount"));
    for (std::int32_t n = 0; n < itemCount && budget > 0; ++n, --budget) {
        const auto itemName = [i, n](const char *name) {
            return itemKey(i, n, QLatin1StringView(name));
        };
        auto item = std::make_shared<Item>();
        item->setText(readText(bag, itemName("Text")));
        item->setKey(readText(bag, itemName("Key")));
        item->setSmallImage(toVariant(bag.read(itemName("SmallImage"))));
        item->setLargeImage(toVariant(bag.read(itemName("LargeImage"))));
        item->setEnabled(readBoolean(bag, itemName("Enabled")));
        item->setChecked(readBoolean(bag, itemName("Checked")));
        item->setUseSmallImages(readBoolean(bag, itemName("UseSmallImages")));
        item->setVisible(readBoolean(bag, itemName("Visible")));
        item->setOwner(owner);
        group->Items()->AddObject(item);
    }
    return group;
}

} // namespace

void Listbar::WriteProperties(PropertyBag &bag) {
    bag.write(QStringLiteral("BorderStyle"), std::int32_t(m_borderStyle), std::int32_t(bsNone));
    bag.write(QStringLiteral("BorderColor"), m_borderColor, kDefaultBorderColor);
    bag.write(QStringLiteral("ActiveGroup"), m_activeGroupIndex, std::int16_t(0));
    // Always stored: the host's ambient font is another font object, even when it looks alike.
    bag.write(QStringLiteral("Font"), StandardFont::fromQFont(font()));
    bag.write(QStringLiteral("Groupheight"), m_groupHeight, kDefaultGroupHeight);
    const auto groups = Groups()->NewEnum();
    bag.write(QStringLiteral("GroupCount"), static_cast<std::int32_t>(groups.size()), 0);
    for (qsizetype i = 0; i < groups.size(); ++i)
        writeGroup(bag, i, *groups[i]);
    bag.write(QStringLiteral("UseXPThemes"), m_useXPThemes, false);
    bag.write(QStringLiteral("Enabled"), !testAttribute(Qt::WA_ForceDisabled), true);
    bag.write(QStringLiteral("SmallImages"), savedImageList(*SmallImages()));
    bag.write(QStringLiteral("LargeImages"), savedImageList(*LargeImages()));
}

void Listbar::ReadProperties(const PropertyBag &bag) {
    m_groups = std::make_shared<PathwellControls::Groups>();
    m_groups->setOwner(this);
    m_borderStyle = static_cast<ListbarBorderStyles>(
        readInt32(bag, QStringLiteral("BorderStyle"), std::int32_t(bsNone)));
    m_borderColor = readInt32(bag, QStringLiteral("BorderColor"), kDefaultBorderColor);
    m_activeGroupIndex = readInt16(bag, QStringLiteral("ActiveGroup"));
    m_groupHeight = readInt16(bag, QStringLiteral("Groupheight"), kDefaultGroupHeight);
    const PropertyValue font = bag.read(QStringLiteral("Font"));
    const auto *savedFont = std::get_if<StandardFont>(&font);
    // A font without any setting of its own is the host's ambient font.
    QWidget::setFont(savedFont ? savedFont->toQFont() : QFont());

    qsizetype budget = bag.entries().size();
    const std::int32_t groupCount = readInt32(bag, QStringLiteral("GroupCount"));
    for (std::int32_t i = 0; i < groupCount && budget > 0; ++i, --budget)
        m_groups->AddObject(readGroup(bag, i, this, budget));

    m_useXPThemes = readBoolean(bag, QStringLiteral("UseXPThemes"));
    QWidget::setEnabled(readBoolean(bag, QStringLiteral("Enabled"), true));
    if (auto list = readImageList(bag, QStringLiteral("SmallImages")))
        m_smallImages = std::move(list);
    if (auto list = readImageList(bag, QStringLiteral("LargeImages")))
        m_largeImages = std::move(list);
    Redraw();
}

} // namespace PathwellControls
