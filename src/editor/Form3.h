#pragma once

#include <QHash>
#include <QWidget>
#include <memory>
#include <vector>

#include "ui/DefaultInstance.h"

namespace Ui {
class Form3;
}

namespace scriptloom {

class ImageList;
class TreeView;
struct BindingEntry;
struct NodeMark;
struct SelectionEntry;
struct SwitchEntry;

// The config editor: the tree of the loaded entries and one panel per entry kind. Clicking a node
// shows the entry whose Name is the node's text; the panel's control stores the user's value in
// every entry of that kind and name, and the game set editor's boxes take the entry shown. The
// window holds no data of its own: entries and values live in the program-wide tables. Closing it
// ends the program. A find box narrows the tree, the nodes show which entries have values, and a
// preview beside the panel shows the script as it would be saved now.
class Form3 : public QWidget, public DefaultInstance<Form3> {
    Q_OBJECT

public:
    ~Form3() override;

    TreeView* TreeView1() const;

    // The status line tells what went wrong while game sets were loaded.
    void clearLoadProblems();
    void reportLoadProblems(const QStringList& problems);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class DefaultInstance<Form3>;
    Form3();

    void connectEvents();

    void TreeView1_Click();
    void TreeView1_KeyUp(int keyCode, int shift);
    void Check1_Click();
    void Combo1_Change();
    void Text1_Change();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Form_Unload(int& cancel);

    void showPanel(QWidget* panel);
    void showSelection(const SelectionEntry& entry);
    void showSwitch(SwitchEntry& entry);
    void showBinding(const BindingEntry& entry);
    void showBreakoutWarnings();

    // The find box, the marks beside the nodes and the preview of the script.
    void txtFind_Change();
    void applyFind();
    void enterTreeAtFirstMatch();
    const std::vector<QString>& findTexts();
    NodeMark markOf(int number);
    int setEntriesUnder(int number);
    void updatePreview();
    void highlightShownEntry();

    std::unique_ptr<Ui::Form3> ui;
    ImageList* imageList_;
    QStringList loadProblems_;
    // What the find box compares with, per node number, folded to one letter case; rebuilt when
    // the entries or the nodes change.
    std::vector<QString> findTexts_;
    bool findTextsStale_ = true;
    // How many entries under each section have a value; cleared when a value changes.
    QHash<int, int> setCounts_;
    // The kind (0 Selection, 1 Switch, 2 Binding) and Name of the entry on the panel, or -1.
    int shownKind_ = -1;
    QString shownName_;
};

}  // namespace scriptloom
