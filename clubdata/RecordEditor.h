#pragma once

#include "data/RecordSource.h"

#include <QObject>
#include <QPointer>
#include <functional>

class QAbstractButton;

namespace clubdata {

// What one editor says to the user. Empty texts are not shown.
struct EditorTexts {
    // X in "This is the first X." and "This is the last X."
    QString recordName;
    // X in "This X can not be deleted." and "You can edit this X."
    QString refusalName;
    // The delete confirmation; a function because some name the current record.
    std::function<QString()> deleteQuestion;
    // Shown when the required box is empty at Save.
    QString missingInput;
    QString savedMessage;
    QString savedTitle;
};

// The buttons of one editor; any may be missing.
struct EditorButtons {
    QAbstractButton *add = nullptr;
    QAbstractButton *edit = nullptr;
    QAbstractButton *save = nullptr;
    QAbstractButton *cancel = nullptr;
    QAbstractButton *remove = nullptr;
    QAbstractButton *first = nullptr;
    QAbstractButton *back = nullptr;
    QAbstractButton *next = nullptr;
    QAbstractButton *last = nullptr;
    QAbstractButton *close = nullptr;
};

// The record editor every editing window uses: one record source, boxes that
// are locked while browsing, an editing state left only by Save or Cancel, a
// required box, the navigation messages at either end, and a confirmed delete
// that never removes the last record.
//
// In place, the window browses and edits; as a dialog, the window opens
// already adding or editing, and Save or Cancel close it.
class RecordEditor : public QObject {
    Q_OBJECT
public:
    enum class Variant { InPlace, Dialog };

    RecordEditor(data::RecordSource *source, EditorTexts texts, QWidget *window,
                 Variant variant = Variant::InPlace);

    // Boxes unlocked while editing; the first one gets the focus.
    void setBoxes(const QList<QWidget *> &boxes);
    // Controls enabled only while editing (date pickers, lists that feed fields).
    void setEnabledWhileEditing(const QList<QWidget *> &controls) { enabledWhileEditing_ = controls; }
    void setRequiredBox(QWidget *box) { required_ = box; }
    // Connects the buttons to the editor's commands.
    void setButtons(const EditorButtons &buttons);
    // The label that tells the user how to leave the editing state.
    void setNotice(QWidget *notice) { notice_ = notice; }
    // Parts of the window that choose another record or table, locked while editing.
    void setLockedWhileEditing(const QList<QWidget *> &parts) { lockedWhileEditing_ = parts; }

    // A refused Update is shown and keeps the editing state, so nothing typed is
    // lost; the follow-ups after it go on whatever they meet.
    void setFollowUpErrorsIgnored(bool ignored) { followUpErrorsIgnored_ = ignored; }
    // After Save the saved record is made current again.
    void setShowSavedRecord(bool show) { showSavedRecord_ = show; }
    // The delete skips the moves to a neighbour: a follow-up refreshes the source.
    void setDeleteWithoutMoves(bool withoutMoves) { deleteWithoutMoves_ = withoutMoves; }

    // Window-specific steps: defaults of a new record, and what follows a save or delete.
    std::function<void()> afterAdd;
    std::function<void()> afterSave;
    std::function<void()> afterDelete;

    data::RecordSource *source() const { return source_; }
    bool isEditing() const { return editing_; }

    // Shows the browsing state: boxes locked, Save and Cancel off, the rest on.
    void showBrowsing() { setEditing(false); }

    void add();
    void edit();
    // False when the required box was empty or the record was refused.
    bool save();
    void cancel();
    void first();
    void back();
    void next();
    void last();
    void remove();

signals:
    void editingChanged(bool editing);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setEditing(bool editing);
    void enterEditing(bool selectAll);
    void leaveEditing();
    void runFollowUp(const std::function<void()> &followUp);

    data::RecordSource *source_;
    EditorTexts texts_;
    QPointer<QWidget> window_;
    Variant variant_;
    QList<QWidget *> boxes_;
    QList<QWidget *> enabledWhileEditing_;
    QList<QWidget *> lockedWhileEditing_;
    QWidget *required_ = nullptr;
    QWidget *notice_ = nullptr;
    EditorButtons buttons_;
    bool editing_ = false;
    bool followUpErrorsIgnored_ = false;
    bool showSavedRecord_ = false;
    bool deleteWithoutMoves_ = false;
};

// The text a box holds: line edits, multi-line boxes and combos.
QString boxText(const QWidget *box);

} // namespace clubdata
