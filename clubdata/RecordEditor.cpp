#include "RecordEditor.h"

#include "services/Handlers.h"
#include "services/Services.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace clubdata {

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using platform::services;

QString boxText(const QWidget *box)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(box))
        return line->text();
    if (const auto *text = qobject_cast<const QPlainTextEdit *>(box))
        return text->toPlainText();
    if (const auto *combo = qobject_cast<const QComboBox *>(box))
        return combo->currentText();
    return {};
}

namespace {
void setLocked(QWidget *box, bool locked)
{
    if (auto *line = qobject_cast<QLineEdit *>(box))
        line->setReadOnly(locked);
    else if (auto *text = qobject_cast<QPlainTextEdit *>(box))
        text->setReadOnly(locked);
    else
        box->setEnabled(!locked);
}

void selectWholeText(QWidget *box)
{
    if (auto *line = qobject_cast<QLineEdit *>(box))
        line->setSelection(0, int(line->text().size()));
    else if (auto *text = qobject_cast<QPlainTextEdit *>(box))
        text->selectAll();
    else if (auto *combo = qobject_cast<QComboBox *>(box); combo && combo->lineEdit())
        combo->lineEdit()->selectAll();
}

void enable(QAbstractButton *button, bool enabled)
{
    if (button)
        button->setEnabled(enabled);
}
} // namespace

RecordEditor::RecordEditor(data::RecordSource *source, EditorTexts texts, QWidget *window,
                           Variant variant)
    : QObject(window), source_(source), texts_(std::move(texts)), window_(window),
      variant_(variant)
{
    // A window without a close box must not be closed while editing.
    if (window_)
        window_->installEventFilter(this);
}

void RecordEditor::setBoxes(const QList<QWidget *> &boxes)
{
    boxes_ = boxes;
    for (QWidget *box : boxes_)
        setLocked(box, !editing_);
}

void RecordEditor::setButtons(const EditorButtons &buttons)
{
    buttons_ = buttons;
    const std::pair<QAbstractButton *, void (RecordEditor::*)()> commands[] = {
        {buttons.add, &RecordEditor::add},       {buttons.edit, &RecordEditor::edit},
        {buttons.cancel, &RecordEditor::cancel}, {buttons.remove, &RecordEditor::remove},
        {buttons.first, &RecordEditor::first},   {buttons.back, &RecordEditor::back},
        {buttons.next, &RecordEditor::next},     {buttons.last, &RecordEditor::last},
    };
    for (const auto &[button, command] : commands) {
        if (button)
            connect(button, &QAbstractButton::clicked, this,
                    platform::handler([this, command] { (this->*command)(); }));
    }
    if (buttons.save)
        connect(buttons.save, &QAbstractButton::clicked, this,
                platform::handler([this] { save(); }));
}

void RecordEditor::setEditing(bool editing)
{
    editing_ = editing;
    for (QWidget *box : std::as_const(boxes_))
        setLocked(box, !editing);
    for (QWidget *control : std::as_const(enabledWhileEditing_))
        control->setEnabled(editing);
    for (QWidget *part : std::as_const(lockedWhileEditing_))
        part->setEnabled(!editing);
    enable(buttons_.save, editing);
    enable(buttons_.cancel, editing);
    for (QAbstractButton *button : {buttons_.add, buttons_.edit, buttons_.remove, buttons_.first,
                                    buttons_.back, buttons_.next, buttons_.last, buttons_.close})
        enable(button, !editing);
    if (notice_)
        notice_->setVisible(editing);
    emit editingChanged(editing);
}

void RecordEditor::enterEditing(bool selectAll)
{
    setEditing(true);
    if (!boxes_.isEmpty()) {
        boxes_.first()->setFocus();
        if (selectAll)
            selectWholeText(boxes_.first());
    }
}

void RecordEditor::leaveEditing()
{
    if (variant_ == Variant::Dialog && window_) {
        editing_ = false;
        window_->close();
    } else {
        setEditing(false);
    }
}

void RecordEditor::add()
{
    source_->AddNew();
    enterEditing(false);
    if (afterAdd)
        afterAdd();
}

void RecordEditor::edit()
{
    source_->Edit();
    enterEditing(true);
}

bool RecordEditor::save()
{
    if (required_ && boxText(required_).isEmpty()) {
        services().prompter->message(Icon::Exclamation, texts_.missingInput);
        required_->setFocus();
        return false;
    }
    // A refused record stays in the editor: the handler shows why.
    source_->Update();
    if (!texts_.savedMessage.isEmpty())
        services().prompter->message(Icon::Information, texts_.savedMessage, Buttons::Ok,
                                     texts_.savedTitle);
    if (showSavedRecord_)
        runFollowUp([this] { source_->setBookmark(source_->LastModified()); });
    runFollowUp(afterSave);
    leaveEditing();
    return true;
}

void RecordEditor::cancel()
{
    source_->CancelUpdate();
    leaveEditing();
}

void RecordEditor::first() { source_->MoveFirst(); }

void RecordEditor::last() { source_->MoveLast(); }

void RecordEditor::back()
{
    source_->MovePrevious();
    if (source_->isBOF()) {
        source_->MoveNext();
        services().prompter->message(Icon::Information,
                                     QStringLiteral("This is the first %1.").arg(texts_.recordName));
    }
}

void RecordEditor::next()
{
    source_->MoveNext();
    if (source_->isEOF()) {
        source_->MovePrevious();
        services().prompter->message(Icon::Information,
                                     QStringLiteral("This is the last %1.").arg(texts_.recordName));
    }
}

void RecordEditor::remove()
{
    if (source_->RecordCount() == 1) {
        services().prompter->message(
            Icon::Exclamation,
            platform::lines({QStringLiteral("This %1 can not be deleted.").arg(texts_.refusalName),
                             QStringLiteral("You can edit this %1.").arg(texts_.refusalName),
                             QStringLiteral("At least one record has to be present at all times.")}));
        return;
    }
    const QString question = texts_.deleteQuestion ? texts_.deleteQuestion() : QString();
    if (services().prompter->message(Icon::Question, question, Buttons::YesNo,
                                     QStringLiteral("Delete Information")) != Answer::Yes)
        return;
    source_->Delete();
    if (!deleteWithoutMoves_) {
        source_->MoveNext();
        if (source_->isEOF())
            source_->MovePrevious();
    }
    runFollowUp(afterDelete);
}

void RecordEditor::runFollowUp(const std::function<void()> &followUp)
{
    if (!followUp)
        return;
    if (!followUpErrorsIgnored_) {
        followUp();
        return;
    }
    try {
        followUp();
    } catch (const data::EngineError &) {
        // This window's save goes on whatever its follow-ups meet.
    }
}

bool RecordEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window_ && event->type() == QEvent::Close && editing_) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace clubdata
