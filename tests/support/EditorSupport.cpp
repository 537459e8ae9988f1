#include "support/EditorSupport.h"

#include <QPushButton>
#include <QTest>

#include "editor/Form3.h"
#include "files/ProgramFolder.h"
#include "gamesets/Form2.h"
#include "ui/FileListBox.h"
#include "ui/TreeView.h"

namespace scriptloom::test {

bool openEditorOn(const QStringList& sets) {
    Form2* picker = Form2::instance();
    picker->pointFileListAt(programfolder::configDirectory());
    FileListBox* list = picker->File1();
    for (int i = 0; i < list->count(); ++i) {
        list->setSelected(i, sets.contains(list->itemName(i)));
    }
    QTest::mouseClick(picker->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    return QTest::qWaitForWindowExposed(Form3::instance());
}

void clickNode(TreeView& tree, int number) {
    tree.expandAll();
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.nodeRect(number).center());
}

}  // namespace scriptloom::test
