#include "gamesets/Form7.h"

#include "editor/GameSetLoading.h"
#include "gamesets/Form2.h"
#include "gamesets/GameSetList.h"
#include "ui/FileListBox.h"
#include "ui/ProgramFolder.h"
#include "ui_Form7.h"

namespace scriptloom {

Form7::Form7() : ui(std::make_unique<Ui::Form7>()) {
    setAttribute(Qt::WA_DeleteOnClose);
    ui->setupUi(this);
    ui->lblStatus->hide();
    connect(ui->Command1, &QPushButton::clicked, this, &Form7::Command1_Click);
    // Choosing a set with a double click is the same as choosing it and pressing OK.
    connect(ui->File1, &QListWidget::itemDoubleClicked, this, &Form7::Command1_Click);
}

Form7::~Form7() = default;

FileListBox* Form7::File1() const {
    return ui->File1;
}

void Form7::pointFileListAt(const QString& folder) {
    pointGameSetListAt(*ui->File1, *ui->lblStatus, folder);
}

// The sets in use are the items selected in the first dialog's list. The chosen set joins them,
// and its entries are appended to those loaded, unless it is in use already. A set missing from
// that list (written after the list was read) is not loaded.
void Form7::Command1_Click() {
    const QString chosen = ui->File1->fileName();
    if (!chosen.isEmpty()) {
        FileListBox* inUse = Form2::instance()->File1();
        for (int i = 0; i < inUse->count(); ++i) {
            if (inUse->itemName(i) == chosen && !inUse->isSelected(i)) {
                inUse->setSelected(i, true);
                loadGameSetIntoEditor(programfolder::gameSetPath(chosen));
            }
        }
    }
    hide();
}

}  // namespace scriptloom
