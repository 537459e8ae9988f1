#pragma once

#include <QHash>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "ui/DefaultInstance.h"

namespace Ui {
class Form3;
}

namespace scriptloom {

class ImageList;
class KeyClashes;
class TreeView;
class ValueHistory;
enum class EntryKind : std::uint8_t;
struct BindingEntry;
struct NodeMark;
struct SelectionEntry;

// The config editor: the tree of the loaded entries and one panel per entry kind. Clicking a node
// shows the entry whose Name is the node's text; the panel's control stores the user's value in
// every entry of that kind and name, and the game set editor's boxes take the entry shown. The
// window holds no data of its own: entries and values live in the program-wide tables. Closing it
// ends the program. A find box narrows the tree, the nodes show which entries have values, and a
// preview beside the panel shows the script as it would be saved now. Beyond typing, the panels
// let the user bind a key by pressing it, see which other actions a key is bound to, clear a
// value, and take edits back; gentle hints say when a value is none the game or the set knows.
class Form3 : public QWidget, public DefaultInstance<Form3> {
    Q_OBJECT

public:
    ~Form3() override;

    TreeView* TreeView1() const;

    // Discards every entry, node and step of the undo history, before a new config is loaded.
    void startNewConfig();

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

    void showEntry(EntryKind kind, const QString& name);
    void showPanel(QWidget* panel);
    void showSelection(const SelectionEntry& entry);
    void showSwitch(int index);
    void showBinding(const BindingEntry& entry);
    void showBreakoutWarnings();
    template <typename MakeValue>
    void storeEdit(EntryKind kind, MakeValue makeValue);

    // Clearing, undo, key capture, clashes and hints (Form3Editing.cpp).
    void connectEditingAids();
    void cmdClearSelection_Click();
    void cmdClearSwitch_Click();
    void cmdClearBinding_Click();
    void clearShownEntry();
    void cmdPressKey_KeyCaptured(const QString& name);
    void showEditedEntry(EntryKind kind, const QString& name);
    void showValueAids();
    const KeyClashes& keyClashes();
    bool filterPanelEvent(QObject* watched, QEvent* event);
    void showPanelMenu(QWidget* widget, const QPoint& globalPos);

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
    // The kind and Name of the entry on the panel, once one was shown.
    std::optional<EntryKind> shownKind_;
    QString shownName_;
    ValueHistory* history_;
    // Keys typed into one entry merge into one step of the history; the run moves on whenever
    // another entry is shown or the history is walked.
    int typingRun_ = 0;
    bool typing_ = false;
    // Which key Bindings share a key, built again when the bindings or the values have changed.
    std::unique_ptr<KeyClashes> keyClashes_;
    std::uint32_t keyClashesRevision_ = 0;
    std::uint32_t keyClashesValues_ = 0;
};

}  // namespace scriptloom
