#pragma once

#include <QWidget>
#include <memory>

#include "ui/DefaultInstance.h"

namespace Ui {
class Form5;
}

namespace scriptloom {

class CheckBox;
class DriveListBox;
class FileListBox;
class FolderListBox;

// "Save Config File": the folder, file name and comments of the config script, and the button
// that writes it. It starts in the program's current folder with "NoName.cfg", and keeps what the
// user chose while it is hidden. A save that fails keeps the dialog open and says why. Cancel and
// Escape hide it as a save does; the lines under the name box and above the buttons tell what
// saving will do, without stopping it, among them the game sets in use whose names a script
// cannot hold.
class Form5 : public QWidget, public DefaultInstance<Form5> {
    Q_OBJECT

public:
    ~Form5() override;

    DriveListBox* Drive1() const;
    FolderListBox* Dir1() const;
    FileListBox* File1() const;
    // Whether "Add comments" is ticked.
    bool commentsChosen() const;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class DefaultInstance<Form5>;
    Form5();

    void showUnnamedSets();

    void Drive1_Change();
    void Dir1_Change();
    void Command1_Click();
    void cmdCancel_Click();
    void cmdGameFolder_Click();
    void showNameInfo();

    std::unique_ptr<Ui::Form5> ui;
};

}  // namespace scriptloom
