#include "gamesets/Form7.h"

#include <QKeyEvent>
#include <QStyledItemDelegate>

#include "editor/GameSetLoading.h"
#include "files/ProgramFolder.h"
#include "gamesets/Form2.h"
#include "gamesets/GameSetList.h"
#include "ui/FileListBox.h"
#include "ui_Form7.h"

namespace scriptloom {

namespace {

// Draws a set in use dimmed and with "(in use)" after its name. Only the drawing changes: the
// item's text, which OK compares with the sets in use, stays the file name.
class InUseMarks : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.data(Form7::kInUseRole).toBool()) {
            option->text += QStringLiteral(" (in use)");
            option->palette.setColor(QPalette::Text,
                                     option->palette.color(QPalette::Disabled, QPalette::Text));
        }
    }
};

}  // namespace

Form7::Form7() : ui(std::make_unique<Ui::Form7>()) {
    setAttribute(Qt::WA_DeleteOnClose);
    ui->setupUi(this);
    ui->lblStatus->hide();
    connect(ui->Command1, &QPushButton::clicked, this, &Form7::Command1_Click);
    // Choosing a set with a double click is the same as choosing it and pressing OK.
    connect(ui->File1, &QListWidget::itemDoubleClicked, this, &Form7::Command1_Click);
    ui->File1->setItemDelegate(new InUseMarks(ui->File1));
}

Form7::~Form7() = default;

FileListBox* Form7::File1() const {
    return ui->File1;
}

void Form7::pointFileListAt(const QString& folder) {
    pointGameSetListAt(*ui->File1, *ui->lblStatus, folder);
    markSetsInUse();
}

void Form7::markSetsInUse() {
    const QStringList inUse = Form2::instance()->gameSetsInUse();
    for (int i = 0; i < ui->File1->count(); ++i) {
        ui->File1->item(i)->setData(kInUseRole, inUse.contains(ui->File1->itemName(i)));
    }
}

// The sets in use are the items selected in the first dialog's list. The chosen set joins them,
// and its entries are appended to those loaded, unless it is in use already. A set missing from
// that list (written after the list was read, by the game set editor say) has the list read again
// first, so it can join.
void Form7::Command1_Click() {
    const QString chosen = ui->File1->fileName();
    if (!chosen.isEmpty()) {
        FileListBox* inUse = Form2::instance()->File1();
        if (inUse->findItems(chosen, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty()) {
            Form2::instance()->rereadFileList();
        }
        for (int i = 0; i < inUse->count(); ++i) {
            if (inUse->itemName(i) == chosen && !inUse->isSelected(i)) {
                inUse->setSelected(i, true);
                loadGameSetIntoEditor(programfolder::gameSetPath(chosen));
            }
        }
    }
    hide();
}

// Enter presses OK, as in any dialog; the list passes the key on when it does not use it. Escape
// puts the dialog away with its list, as the other dialogs do.
void Form7::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        ui->Command1->click();
        return;
    }
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace scriptloom
