#include "frmAdddata.h"

#include "ClubDatabase.h"
#include "MainWindowLink.h"

#include <QScreen>

using clubdata::EditorButtons;
using clubdata::EditorTexts;
using clubdata::RecordEditor;

namespace {

// What each lookup list says.
EditorTexts listTexts(const QString &recordName, const QString &refusalName,
                      const QString &missingInput)
{
    EditorTexts texts;
    texts.recordName = recordName;
    texts.refusalName = refusalName;
    texts.deleteQuestion = [refusalName] {
        return QStringLiteral("Are you sure you want to delete this %1?").arg(refusalName);
    };
    texts.missingInput = missingInput;
    texts.savedMessage = QStringLiteral("Information has been saved.");
    return texts;
}

} // namespace

frmAdddata::frmAdddata(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      Data1(clubdata::openClubSource(this, "Data1", QStringLiteral("Club Info"))),
      DataOptions(clubdata::openClubSource(this, "DataOptions", QStringLiteral("Options"))),
      DataLakes(clubdata::openClubSource(this, "DataLakes", QStringLiteral("Lakes"))),
      DataRamps(clubdata::openClubSource(this, "DataRamps", QStringLiteral("Ramps")))
{
    setupUi(this);
    Image3->setPicture(widgets::pictureFromFile(QStringLiteral(":/clubdata/options.png")));

    Text1->bindTo(Data1, QStringLiteral("Club Name"));
    Text2->bindTo(Data1, QStringLiteral("Club Address"));
    Text3->bindTo(Data1, QStringLiteral("Club City"));

    EditorTexts clubTexts;
    clubTexts.missingInput = QStringLiteral("Please enter a Club name.");
    clubTexts.savedMessage = QStringLiteral("Changes have been saved.");
    clubEditor_ = new RecordEditor(Data1, clubTexts, this);
    clubEditor_->setBoxes({Text1, Text2, Text3});
    clubEditor_->setRequiredBox(Text1);
    clubEditor_->setNotice(Label13);
    clubEditor_->setButtons({.edit = cmdEdit, .save = cmdSave, .cancel = cmdCancel, .close = cmdExit});
    clubEditor_->afterSave = [] {
        // The main window shows the club's name under its picture.
        if (auto *clubInfo = clubdata::mainwindow::recordSource("Data1"))
            clubInfo->Refresh();
    };
    connect(clubEditor_, &RecordEditor::editingChanged, this,
            [this](bool editing) { SSTab1->setTabEnabled(1, !editing); });
    clubEditor_->showBrowsing();

    listEditor("DataOptions", QStringLiteral("Membership"), Text4, Frame1,
               {.add = cmdAddmem, .edit = cmdEditmem, .save = cmdSavemem, .cancel = cmdCancelmem,
                .remove = cmdDeletemem, .back = cmdBackmem, .next = cmdNextmem, .close = cmdExit},
               listTexts(QStringLiteral("Member Type"), QStringLiteral("Member Type"),
                         QStringLiteral("Please enter a Membership Type.")));
    listEditor("DataLakes", QStringLiteral("Lakes"), Text5, Frame2,
               {.add = cmdAddlake, .edit = cmdEditLake, .save = cmdSavelake,
                .cancel = cmdCancellake, .remove = cmdDeletelake, .back = cmdBacklake,
                .next = cmdNextlake, .close = cmdExit},
               listTexts(QStringLiteral("Lake"), QStringLiteral("Lake or River"),
                         QStringLiteral("Please enter a Lake or River.")));
    listEditor("DataRamps", QStringLiteral("Ramps"), Text6, Frame3,
               {.add = cmdAddramp, .edit = cmdEditramp, .save = cmdSaveramp,
                .cancel = cmdCancelramp, .remove = cmdDeleteramp, .back = cmdBackramp,
                .next = cmdNextramp, .close = cmdExit},
               listTexts(QStringLiteral("Ramp / Launch Area"), QStringLiteral("Ramp / Launch Area"),
                         QStringLiteral("Please enter a Ramp or Launch Area.")));

    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);

    adjustSize();
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

RecordEditor *frmAdddata::listEditor(const char *sourceName, const QString &field,
                                     widgets::BoundLineEdit *box, QGroupBox *frame,
                                     const EditorButtons &buttons, EditorTexts texts)
{
    auto *source = findChild<data::RecordSource *>(QString::fromLatin1(sourceName));
    box->bindTo(source, field);
    auto *editor = new RecordEditor(source, std::move(texts), this);
    editor->setBoxes({box});
    editor->setRequiredBox(box);
    editor->setNotice(Label13);
    editor->setButtons(buttons);
    connect(editor, &RecordEditor::editingChanged, this,
            [this, editor](bool editing) { lockOthers(editor, editing); });
    editor->showBrowsing();
    listEditors_ << std::pair{editor, frame};
    return editor;
}

// While one list is edited, the club information and the other lists wait.
void frmAdddata::lockOthers(QObject *editor, bool editing)
{
    SSTab1->setTabEnabled(0, !editing);
    for (const auto &[other, frame] : std::as_const(listEditors_)) {
        if (other != editor)
            frame->setEnabled(!editing);
    }
}

frmAdddata::~frmAdddata() { clubdata::mainwindow::show(); }
