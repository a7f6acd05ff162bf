#include "frmAddmember.h"

#include "ClubDatabase.h"
#include "MainWindowLink.h"

#include <QScreen>

using clubdata::RecordEditor;

namespace {

QString memberCount(const data::RecordSource &members)
{
    return QString::number(members.RecordCount()) + QStringLiteral(" Members are listed.");
}
} // namespace

frmAddmember::frmAddmember(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      Data1(clubdata::openClubSource(this, "Data1", QStringLiteral("Members"))),
      Data2(clubdata::openClubSource(this, "Data2", QStringLiteral("Options")))
{
    setupUi(this);
    // The lists are filled before binding, so that filling them is no change of the record.
    DBCombo1->setRowSource(Data2, QStringLiteral("Membership"));
    Combo2->addItems({QStringLiteral("Yes"), QStringLiteral("No")});
    const std::pair<data::BoundControl *, const char *> fields[] = {
        {Text1, "Name"},          {Text5, "Address"},      {Text6, "Address2"},
        {Text7, "City"},          {Text8, "State"},        {Text9, "Zip Code"},
        {Text2, "Home Phone"},    {Text3, "Work Phone"},   {Text4, "Mobile Phone"},
        {Text10, "Email Address"}, {DBCombo1, "Club Status"}, {Combo2, "Boater"},
        {Text11, "Member Number"}, {Text12, "Remarks"},
    };
    for (const auto &[control, field] : fields)
        control->bindTo(Data1, QString::fromLatin1(field));

    clubdata::EditorTexts texts;
    texts.missingInput = QStringLiteral("Please enter the Member's name.");
    editor_ = new RecordEditor(Data1, texts, this, RecordEditor::Variant::Dialog);
    editor_->setBoxes({Text1, Text5, Text6, Text7, Text8, Text9, Text2, Text3, Text4, Text10,
                       DBCombo1, Combo2, Text11, Text12});
    editor_->setRequiredBox(Text1);
    editor_->setButtons({.save = cmdSave, .cancel = cmdCancel});
    editor_->setFollowUpErrorsIgnored(true);
    editor_->afterSave = [] {
        auto *members = clubdata::mainwindow::recordSource("DatMembers");
        auto *list = clubdata::mainwindow::recordSource("DatListmem");
        if (!members || !list)
            return;
        members->Refresh();
        list->Refresh();
        members->MoveLast();
        list->MoveLast();
        clubdata::mainwindow::setStatus(memberCount(*members));
    };

    setFixedSize(sizeHint().expandedTo(minimumSize()));
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void frmAddmember::addMember()
{
    editor_->add();
    Text11->setText(QStringLiteral("None"));
}

void frmAddmember::editMember(const data::Bookmark &member)
{
    setWindowTitle(QStringLiteral("Editing this member information"));
    Data1->setBookmark(member);
    editor_->edit();
}
