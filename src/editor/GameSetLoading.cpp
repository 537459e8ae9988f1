#include "editor/GameSetLoading.h"

#include "editor/Form3.h"
#include "model/GameSetLoader.h"
#include "model/GameSetTables.h"
#include "ui/ModelEvents.h"
#include "ui/MousePointer.h"
#include "ui/TreeView.h"

namespace scriptloom {

void loadGameSetIntoEditor(const QString& path) {
    Form3* editor = Form3::instance();
    setMousePointer(editor, kBusyPointer);
    const GameSetLoadReport report =
        loadGameSet(path, programTables(), editor->TreeView1()->nodes());
    QStringList problems = report.problems;
    if (!report.notice.isEmpty()) {
        problems << report.notice;
    }
    editor->reportLoadProblems(problems);
    ModelEvents::notifyEntries();
    setMousePointer(editor, kDefaultPointer);
}

}  // namespace scriptloom
