#include "gamesets/Form2.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPointer>

#include "editor/Form3.h"
#include "editor/GameSetLoading.h"
#include "files/ProgramFolder.h"
#include "gamesets/GameSetList.h"
#include "menu/MenuActions.h"
#include "ui/FileListBox.h"
#include "ui/ProgramControl.h"
#include "ui/TreeView.h"
#include "ui_Form2.h"

namespace scriptloom {

Form2::Form2() : ui(std::make_unique<Ui::Form2>()) {
    setAttribute(Qt::WA_DeleteOnClose);
    ui->setupUi(this);
    ui->lblStatus->hide();
    connect(ui->Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
}

Form2::~Form2() = default;

FileListBox* Form2::File1() const {
    return ui->File1;
}

QStringList Form2::gameSetsInUse() const {
    QStringList names;
    for (int i = 0; i < ui->File1->count(); ++i) {
        if (ui->File1->isSelected(i)) {
            names << ui->File1->itemName(i);
        }
    }
    return names;
}

void Form2::pointFileListAt(const QString& folder) {
    pointGameSetListAt(*ui->File1, *ui->lblStatus, folder);
}

void Form2::rereadFileList() {
    const QStringList inUse = gameSetsInUse();
    FileListBox* list = ui->File1;
    pointFileListAt(programfolder::configDirectory());
    for (const QString& name : inUse) {
        int at = 0;
        while (at < list->count() && FileListBox::listedBefore(list->itemName(at), name)) {
            ++at;
        }
        if (list->itemName(at) != name) {
            list->insertItem(at, name);
        }
        list->setSelected(at, true);
    }
}

// Opens the editor on an empty model, then loads every selected game set in list order.
void Form2::Command1_Click() {
    // A second press that arrives while the sets are loading would only load them all again.
    if (loading_) {
        return;
    }
    loading_ = true;
    const QPointer<Form2> self(this);
    Form3* editor = Form3::instance();
    showModeless(editor, this);
    doEvents();
    if (self.isNull()) {
        return;
    }
    editor->startNewConfig();
    for (int i = 0; i < ui->File1->count(); ++i) {
        if (ui->File1->isSelected(i)) {
            loadGameSetIntoEditor(programfolder::gameSetPath(ui->File1->itemName(i)));
        }
    }
    hide();
    loading_ = false;
}

// Closing the picker instead of pressing OK starts no config: the user goes back to the main
// menu, the only window left to go on from.
void Form2::closeEvent(QCloseEvent* event) {
    showMainMenu();
    event->accept();
}

// Enter presses OK, as in any dialog; the list passes the key on when it does not use it. Escape
// goes back to the main menu as closing does, and keeps the dialog with its list.
void Form2::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        ui->Command1->click();
        return;
    }
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        hide();
        showMainMenu();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace scriptloom
