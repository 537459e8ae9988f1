#pragma once

#include <QObject>
#include <QStringList>
#include <QTest>

#include "editor/Form3.h"
#include "model/GameSetTables.h"
#include "support/TestSupport.h"
#include "ui/ProgramControl.h"
#include "ui/TreeView.h"

namespace scriptloom::test {

// Opens the config editor on the named game sets of the program folder, as the picker's OK does;
// false when the editor does not come on screen.
bool openEditorOn(const QStringList& sets);

// What the config editor's suites share: its controls by name, its tree, clicking nodes as the
// user does, and the marks and values the editor shows.
class EditorFixture : public QObject {
protected:
    template <typename T>
    static T* control(const char* name) {
        return Form3::instance()->findChild<T*>(QLatin1String(name));
    }
    static TreeView* tree() { return Form3::instance()->TreeView1(); }
    // The number of the n-th node (from 1) with this text, or 0.
    static int node(const QString& text, int nth = 1);
    // Clicks the n-th node with this text, with every section open, as the user would; false
    // when it did not become the selected node.
    static bool clickNode(const QString& text, int nth = 1);
    // A node's note, then " bold" when it is drawn bold and "!" when it warns: "= 110 bold".
    static QString mark(const QString& text);
    // Every value, as entryValues() gives them, joined by blanks.
    static QString values();
    // The text of a label while it is on show, else "".
    static QString shownText(const char* label);
};

}  // namespace scriptloom::test
