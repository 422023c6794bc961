#include "notewindows/NotesMenu.h"

#include "eventdata/DataFile.h"

#include <QAction>
#include <QMenu>

NotesMenu::NotesMenu(QMenu *menu, const NoteTable &notes) : QObject(menu), notes_(notes)
{
    separator_ = menu->addSeparator();
    separator_->setObjectName(QStringLiteral("menuSeparator4"));
    separator_->setVisible(false);
    for (int i = 0; i < NoteTable::Capacity; ++i) {
        QAction *entry = menu->addAction(QStringLiteral("NOTE%1").arg(i));
        entry->setObjectName(QStringLiteral("menuNotesNote%1").arg(i));
        entry->setVisible(false);
        connect(entry, &QAction::triggered, this, [this, i] { emit noteChosen(i); });
        entries_[i] = entry;
    }
}

QString NotesMenu::captionFor(const QString &content)
{
    return noteMenuCaption(content).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

void NotesMenu::refreshNotesMenu()
{
    separator_->setVisible(notes_.noteCount >= 0);
    for (int i = 0; i <= notes_.noteCount; ++i) {
        entries_[i]->setText(captionFor(notes_.notes[i].content));
        entries_[i]->setVisible(true);
    }
}

void NotesMenu::setOpen(int index, bool open)
{
    entries_.at(index)->setEnabled(!open);
}

void NotesMenu::hideEntry(int index)
{
    entries_.at(index)->setVisible(false);
    entries_.at(index)->setEnabled(true);
}
