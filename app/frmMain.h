#pragma once

#include "RecordEditor.h"
#include "data/RecordSource.h"
#include "ui_frmMain.h"

#include <QMainWindow>

// The window the program opens with: the club's name under a large picture,
// the tournament panel and the member panel, the menus, and the record
// sources that other windows refresh.
class frmMain : public QMainWindow, private Ui::frmMain {
    Q_OBJECT
public:
    explicit frmMain(QWidget *parent = nullptr);

    static constexpr int helpTopic = 100;

    void showMemberPanel();
    void showTournamentPanel();
    void hidePanels();

    // The action panes: an item's text chooses the action; other texts do nothing.
    void memberAction(const QString &item);
    void tournamentAction(const QString &item);

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void bindControls();
    void connectCommands();
    void fillActionPanes();
    void emailMember();
    // The File menu ends with the program's other open windows.
    void listOpenWindows();

    data::RecordSource *Data1;
    data::RecordSource *datEvents;
    data::RecordSource *DatListmem;
    data::RecordSource *DatMembers;
    // Deleting from the panels follows the record editor's guarded delete.
    clubdata::RecordEditor *memberDelete_;
    clubdata::RecordEditor *tournamentDelete_;
    QList<QAction *> openWindowEntries_;
    bool closing_ = false;
};
