#include "editor/Form3.h"

#include <QCloseEvent>
#include <QPointer>
#include <QShortcut>

#include "editor/EditingAids.h"
#include "editor/EntryPanels.h"
#include "editor/FindBox.h"
#include "editor/ImportBar.h"
#include "editor/KeyboardWindow.h"
#include "editor/NodeMarks.h"
#include "editor/StatusLine.h"
#include "editor/ValueNotes.h"
#include "files/ProgramFolder.h"
#include "gamesets/Form4.h"
#include "gamesets/Form7.h"
#include "menu/MenuActions.h"
#include "model/EntryLookup.h"
#include "model/ValueSnapshot.h"
#include "output/Form5.h"
#include "output/Form6.h"
#include "ui/ImageList.h"
#include "ui/ModelEvents.h"
#include "ui/ProgramControl.h"
#include "ui_Form3.h"

namespace scriptloom {

Form3::Form3() : ui(std::make_unique<Ui::Form3>()), imageList_(new ImageList(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    ui->setupUi(this);
    statusLine_ = std::make_unique<StatusLine>(ui->lblStatus);
    imageList_->setObjectName(QStringLiteral("ImageList1"));
    ui->TreeView1->setImageList(imageList_);
    setUpPanels();
    setUpParts();
    connectEvents();
}

Form3::~Form3() = default;

void Form3::setUpPanels() {
    panels_ = std::make_unique<EntryPanels>(EntryPanels::Controls{
        ui->panelArea, ui->frmSelection, ui->frmBinding, ui->frmSwitch, ui->Label1, ui->Label7,
        ui->Label2, ui->Combo1, ui->Label10, ui->Label8, ui->Label11, ui->Check1, ui->Label4,
        ui->Label6, ui->Label3, ui->Text1});
    // The panel keeps the width it had before the preview came beside it.
    ui->splPreview->setStretchFactor(0, 0);
    ui->splPreview->setStretchFactor(1, 1);
    ui->splPreview->setSizes({440, 440});
}

void Form3::setUpParts() {
    findBox_ = new FindBox(ui->txtFind, ui->lblNoMatch, ui->TreeView1, this);
    new NodeMarks(ui->TreeView1);
    valueNotes_ = new ValueNotes(
        {ui->Label7, ui->Combo1, ui->lblBreakoutSelection, ui->lblHintSelection, ui->Label6,
         ui->Text1, ui->lblBreakoutBinding, ui->lblHintBinding, ui->lblClash},
        this);
    editingAids_ = new EditingAids(
        {this, ui->TreeView1, ui->panelArea, ui->Combo1, ui->Check1, ui->Text1, ui->cmdPressKey,
         ui->lblCapture, ui->cmdClearSelection, ui->cmdClearSwitch, ui->cmdClearBinding});
    importBar_ = new ImportBar(
        {ui->barImport, ui->lblImport, ui->cmdImport, ui->cmdImportDismiss, statusLine_.get()},
        this);
}

TreeView* Form3::TreeView1() const {
    return ui->TreeView1;
}

void Form3::startNewConfig() {
    programTables().resetAll();
    ui->TreeView1->nodes().removeAll();
    // The previous config's free lines are no part of the new one.
    if (Form6::exists()) {
        Form6::instance()->setText(QString());
    }
    editingAids_->clearHistory();
    importBar_->close();
    // A find typed for the previous config would hide most of the new one's tree.
    findBox_->clear();
    ModelEvents::notifyEntries();
    clearLoadProblems();
}

void Form3::offerToBringIn(const QByteArray& script) {
    importBar_->offer(script);
}

void Form3::connectEvents() {
    connect(ui->TreeView1, &TreeView::Click, this, &Form3::TreeView1_Click);
    connect(ui->TreeView1, &TreeView::KeyUp, this, &Form3::TreeView1_KeyUp);
    connect(ui->Check1, &QCheckBox::clicked, this, &Form3::Check1_Click);
    connect(ui->Combo1, &QComboBox::editTextChanged, this, &Form3::Combo1_Change);
    connect(ui->Text1, &QLineEdit::textChanged, this, &Form3::Text1_Change);
    connect(ui->Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
    connect(ui->Command3, &QPushButton::clicked, this, &Form3::Command3_Click);
    connect(ui->Command4, &QPushButton::clicked, this, &Form3::Command4_Click);
    connect(ui->Command5, &QPushButton::clicked, this, &Form3::Command5_Click);
    connect(ui->cmdKeys, &QPushButton::clicked, this, &Form3::cmdKeys_Click);
    // Ctrl+S (the platform's Save keys) is "Save...".
    auto* save = new QShortcut(QKeySequence::Save, this);
    connect(save, &QShortcut::activated, this, &Form3::Command1_Click);
    connect(findBox_, &FindBox::matchChosen, this, &Form3::TreeView1_Click);
    connect(editingAids_, &EditingAids::entryRestored, this, &Form3::showRestoredEntry);
    connect(editingAids_, &EditingAids::controlCleared, this, &Form3::storeControl);
}

void Form3::clearLoadProblems() {
    statusLine_->clear();
}

void Form3::reportLoadProblems(const QStringList& problems) {
    statusLine_->report(problems);
}

// Shows the entry named by the selected node: the first Selection of that Name, else the first
// Switch, else the first Binding. A node that names no entry changes nothing.
void Form3::TreeView1_Click() {
    const QPointer<Form3> self(this);
    doEvents();
    if (self.isNull() || ui->TreeView1->selectedNode() == 0) {
        return;
    }
    const QString name = ui->TreeView1->selectedText();
    if (const std::optional<EntryKind> kind = kindShownFor(programTables(), name)) {
        showEntry(*kind, name);
    }
}

void Form3::TreeView1_KeyUp(int /*keyCode*/, int /*shift*/) {
    TreeView1_Click();
}

// Shows the first entry of the kind with this Name in its panel, and tells the parts.
void Form3::showEntry(EntryKind kind, const QString& name) {
    GameSetTables& tables = programTables();
    const int first = withValueField(
        tables, kind, [&name](const auto& table, auto) { return table.firstNamed(name); });
    if (first < 0) {
        return;
    }
    editingAids_->entryShown(kind, name);
    Form4* gameSetEditor = Form4::instance();
    switch (kind) {
        case EntryKind::Selection:
            panels_->showSelection(tables.Selections[first]);
            gameSetEditor->fillFromSelection(tables.Selections[first]);
            break;
        case EntryKind::Switch:
            // A State of "2" is the greyed box's own number; the entry keeps it as not set.
            if (tables.Switches[first].State == QLatin1String("2")) {
                storeValueAt(tables, tables.Switches, &SwitchEntry::State, first, QString());
                ModelEvents::notifyValues();
            }
            panels_->showSwitch(tables.Switches[first]);
            gameSetEditor->fillFromSwitch(tables.Switches[first]);
            break;
        case EntryKind::Binding:
            panels_->showBinding(tables.Bindings[first]);
            gameSetEditor->fillFromBinding(tables.Bindings[first]);
            break;
    }
    valueNotes_->entryShown(kind, name);
    ui->txtPreview->markEntry(kind, name);
}

// After an undo or redo the tree selects the entry it changed and the panel shows its value; a
// find that hides the entry gives way, so the panel and the selected node agree.
void Form3::showRestoredEntry(EntryKind kind, const QString& name) {
    const int node = ui->TreeView1->nodes().firstNodeWithText(name);
    if (node == 0) {
        return;
    }
    findBox_->reveal(node);
    ui->TreeView1->selectNode(node);
    showEntry(kind, name);
}

bool Form3::setShownKey(const QString& key) {
    return editingAids_->setShownKey(key);
}

// Stores a value into every entry of the kind whose Name is the text of the tree's selected node,
// and records the edit in the undo history; with no node selected nothing is stored. The value
// is made afresh for each entry, as the handlers read their control each time.
template <typename MakeValue>
void Form3::storeEdit(EntryKind kind, MakeValue makeValue) {
    if (ui->TreeView1->selectedNode() == 0) {
        return;
    }
    const QString name = ui->TreeView1->selectedText();
    GameSetTables& tables = programTables();
    ValueSnapshot before = snapshotValues(tables, kind, name);
    const int stored = withValueField(tables, kind, [&](auto& table, auto field) {
        return storeValueNamed(tables, table, field, name, makeValue);
    });
    if (stored > 0) {
        ModelEvents::notifyValues();
        editingAids_->recordEdit(std::move(before), snapshotValues(tables, kind, name));
    }
}

// Stores what the control of a kind holds now, as its handler does.
void Form3::storeControl(EntryKind kind) {
    switch (kind) {
        case EntryKind::Selection:
            return Combo1_Change();
        case EntryKind::Switch:
            return Check1_Click();
        case EntryKind::Binding:
            return Text1_Change();
    }
}

// Each value handler stores into the entries of its own kind only, whatever the other kinds'
// names, and whichever panel is on screen.
void Form3::Check1_Click() {
    storeEdit(EntryKind::Switch, [this] {
        const std::int16_t value = ui->Check1->value();
        return value == CheckBox::kGreyed ? QString() : QString::number(value);
    });
}

void Form3::Combo1_Change() {
    storeEdit(EntryKind::Selection, [this] { return ui->Combo1->currentText(); });
    valueNotes_->refresh();
}

void Form3::Text1_Change() {
    storeEdit(EntryKind::Binding, [this] { return ui->Text1->text(); });
    valueNotes_->refresh();
}

// "Save...": the save dialog, with the folder, name and comments of the last save.
void Form3::Command1_Click() {
    showModeless(Form5::instance(), this);
}

// "Main Menu": the editor makes way for the menu, which runs afresh on its timer's next tick.
// The model, the tree and every window opened from here stay as they are.
void Form3::Command2_Click() {
    hide();
    showMainMenu();
}

// "Edit Game Set": the game set editor, holding the entry last clicked.
void Form3::Command3_Click() {
    showModeless(Form4::instance(), this);
}

// "Add Game Set...": the list is read anew each time, so a set written meanwhile is offered.
void Form3::Command4_Click() {
    Form7* dialog = Form7::instance();
    dialog->pointFileListAt(programfolder::configDirectory());
    showModeless(dialog, this);
}

// "Add other commands": the free lines written before the entries' commands.
void Form3::Command5_Click() {
    showModeless(Form6::instance(), this);
}

// "Keys..." (Ctrl+K): the picture of what each key is bound to.
void Form3::cmdKeys_Click() {
    showModeless(KeyboardWindow::instance(), this);
}

void Form3::closeEvent(QCloseEvent* event) {
    int cancel = 0;
    Form_Unload(cancel);
    event->accept();
}

// Closing the editor ends the program, whatever else is open and whether or not it was saved.
void Form3::Form_Unload(int& /*cancel*/) {
    endProgram();
}

}  // namespace scriptloom
