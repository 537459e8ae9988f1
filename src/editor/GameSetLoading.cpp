#include "editor/GameSetLoading.h"

#include "editor/Form3.h"
#include "model/GameSetLoader.h"
#include "model/GameSetTables.h"
#include "ui/MousePointer.h"
#include "ui/TreeView.h"

namespace scriptloom {

void loadGameSetIntoEditor(const QString& path) {
    Form3* editor = Form3::instance();
    setMousePointer(editor, kBusyPointer);
    const GameSetLoadReport report =
        loadGameSet(path, programTables(), editor->TreeView1()->nodes());
    editor->reportLoadProblems(report.problems);
    setMousePointer(editor, kDefaultPointer);
}

}  // namespace scriptloom
