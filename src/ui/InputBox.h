#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace scriptloom {

// Asks for one line of text in a modal box with a prompt, a title and a default answer. OK (or
// Enter) gives the text as it stands; Cancel, Escape or closing the box gives an empty text.
// "Browse..." opens the platform's file dialog on the files `browseFilter` lets through and puts
// the chosen file's path into the box. The file dialog starts in the folder of the path in the box
// when there is one, else in `browseFolder` when it exists, else in the user's home folder.
QString inputBox(QWidget* parent, const QString& prompt, const QString& title,
                 const QString& defaultAnswer, const QString& browseFilter,
                 const QString& browseFolder);

// Replaces the box (tests, which run unattended): the handler is given the prompt, the title and
// the default answer and returns the answer. An empty function restores the box.
using InputBoxHandler =
    std::function<QString(const QString& prompt, const QString& title, const QString& answer)>;
void setInputBoxHandler(InputBoxHandler handler);

}  // namespace scriptloom
