#include "support/EditorSupport.h"

#include <QLabel>
#include <QPushButton>

#include "files/ProgramFolder.h"
#include "gamesets/Form2.h"
#include "ui/FileListBox.h"

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

int EditorFixture::node(const QString& text, int nth) {
    const NodeTree& nodes = tree()->nodes();
    for (int number = 1; number <= nodes.count(); ++number) {
        if (nodes.text(number) == text && --nth == 0) {
            return number;
        }
    }
    return 0;
}

bool EditorFixture::clickNode(const QString& text, int nth) {
    const int number = node(text, nth);
    tree()->expandAll();
    QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, tree()->nodeRect(number).center());
    return number != 0 && tree()->selectedNode() == number;
}

QString EditorFixture::mark(const QString& text) {
    const auto* model = static_cast<NodeTreeModel*>(tree()->model());
    const QModelIndex index = model->indexOfNode(node(text));
    return index.data(kNodeNoteRole).toString() +
           (index.data(Qt::FontRole).value<QFont>().bold() ? " bold" : "") +
           (index.data(kNodeWarnsRole).toBool() ? "!" : "");
}

QString EditorFixture::values() {
    return entryValues(programTables()).join(u' ');
}

QString EditorFixture::shownText(const char* label) {
    const auto* line = control<QLabel>(label);
    return line->isVisible() ? line->text() : QString();
}

}  // namespace scriptloom::test
