#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// What a click on a tree entry, a toolbar button or the logo does.
struct Command
{
    enum Kind {
        Nothing,   // a group head: opening and closing it is the tree's own doing
        LocalPage, // argument: a path relative to the program's folder
        Link,      // argument: the query appended to the link service
        HomePage,  // the publisher's home page
        Exit,      // close the main window
        Lesson,    // the lesson named by the entry's text
    };
    Kind kind;
    QStringView argument;
};

// The command of a tree entry, decided by its whole text, exactly as written.
Command treeCommand(const QString &nodeText);

// The fixed command of each toolbar button and of the logo, by object name.
struct ControlCommand
{
    QStringView objectName;
    Command command;
};
QList<ControlCommand> controlCommands();
