#pragma once

#include <QStringList>
#include <QWidget>
#include <memory>
#include <optional>

#include "ui/DefaultInstance.h"

namespace Ui {
class Form3;
}

namespace scriptloom {

class EditingAids;
class EntryPanels;
class FindBox;
class ImageList;
class ImportBar;
class StatusLine;
class TreeView;
class ValueNotes;
enum class EntryKind : std::uint8_t;

// The config editor: the tree of the loaded entries and one panel per entry kind. Clicking a node
// shows the entry whose Name is the node's text; the panel's control stores the user's value in
// every entry of that kind and name, and the game set editor's boxes take the entry shown. The
// window holds no data of its own: entries and values live in the program-wide tables. Closing it
// ends the program. It coordinates its parts, each with one job: the find box, the marks beside
// the nodes, the panels, the preview of the script, the notes under the value boxes, the editing
// aids and the offer to bring a script's commands in.
class Form3 : public QWidget, public DefaultInstance<Form3> {
    Q_OBJECT

public:
    ~Form3() override;

    TreeView* TreeView1() const;

    // Discards every entry, node, free line and step of the undo history, before a new config is
    // loaded.
    void startNewConfig();

    // After a script was read: offers to bring in its other commands as entries of game sets that
    // are not loaded.
    void offerToBringIn(const QByteArray& script);

    // The status line tells what went wrong while game sets were loaded.
    void clearLoadProblems();
    void reportLoadProblems(const QStringList& problems);

    // What the keys window asks of the editor. The entry of this kind and Name is selected and
    // shown, as after an undo.
    void showRestoredEntry(EntryKind kind, const QString& name);
    // A key goes into the key Binding on the panel as a pressed key does; false when the panel
    // shows none.
    bool setShownKey(const QString& key);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    friend class DefaultInstance<Form3>;
    Form3();

    void setUpPanels();
    void setUpParts();
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
    void cmdKeys_Click();
    void Form_Unload(int& cancel);

    void showEntry(EntryKind kind, const QString& name);
    template <typename MakeValue>
    void storeEdit(EntryKind kind, MakeValue makeValue);
    void storeControl(EntryKind kind);

    std::unique_ptr<Ui::Form3> ui;
    ImageList* imageList_;
    FindBox* findBox_ = nullptr;
    ValueNotes* valueNotes_ = nullptr;
    EditingAids* editingAids_ = nullptr;
    ImportBar* importBar_ = nullptr;
    std::unique_ptr<StatusLine> statusLine_;
    std::unique_ptr<EntryPanels> panels_;
};

}  // namespace scriptloom
