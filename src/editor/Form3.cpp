#include "editor/Form3.h"

#include <QCloseEvent>
#include <QPointer>
#include <QShortcut>
#include <QSignalBlocker>
#include <algorithm>

#include "gamesets/Form4.h"
#include "gamesets/Form7.h"
#include "menu/MenuActions.h"
#include "model/GameSetTables.h"
#include "output/ConfigWriter.h"
#include "output/Form5.h"
#include "output/Form6.h"
#include "output/OneCommand.h"
#include "ui/ImageList.h"
#include "ui/ProgramControl.h"
#include "ui/ProgramFolder.h"
#include "ui_Form3.h"

namespace scriptloom {

Form3::Form3() : ui(std::make_unique<Ui::Form3>()), imageList_(new ImageList(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    ui->setupUi(this);
    imageList_->setObjectName(QStringLiteral("ImageList1"));
    ui->TreeView1->setImageList(imageList_);
    // The frames share one cell of the panel area, so whichever is shown stands on the same spot.
    // Sized for the tallest of them, so the window does not shift as the user moves between kinds.
    int panelHeight = 0;
    for (const QWidget* frame : {ui->frmSelection, ui->frmBinding, ui->frmSwitch}) {
        panelHeight = std::max(panelHeight, frame->sizeHint().height());
    }
    ui->panelArea->setMinimumHeight(panelHeight);
    // Measured with them, the warnings under the value boxes find room without moving the window.
    ui->lblBreakoutSelection->hide();
    ui->lblBreakoutBinding->hide();
    // The room a hidden warning leaves goes to the help text, not to the one-line name and
    // command labels.
    for (QLabel* line : {ui->Label1, ui->Label7, ui->Label4, ui->Label6, ui->Label10, ui->Label8}) {
        line->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }
    showPanel(ui->frmSelection);
    ui->lblStatus->hide();
    // Long file names must wrap inside the window, not widen it.
    ui->lblStatus->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // Typing must not be completed or turned into new list items: the text typed is the value.
    ui->Combo1->setCompleter(nullptr);
    connectEvents();
}

Form3::~Form3() = default;

TreeView* Form3::TreeView1() const {
    return ui->TreeView1;
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
    // Ctrl+S (the platform's Save keys) is "Save...".
    auto* save = new QShortcut(QKeySequence::Save, this);
    connect(save, &QShortcut::activated, this, &Form3::Command1_Click);
}

void Form3::clearLoadProblems() {
    loadProblems_.clear();
    ui->lblStatus->clear();
    ui->lblStatus->setToolTip(QString());
    ui->lblStatus->hide();
}

// The status line shows the first few problems and how many more there are; its tooltip holds
// them all, so a badly damaged game set cannot stretch the window.
void Form3::reportLoadProblems(const QStringList& problems) {
    if (problems.isEmpty()) {
        return;
    }
    constexpr qsizetype kShown = 3;
    loadProblems_ += problems;
    QString text = loadProblems_.mid(0, kShown).join(u'\n');
    if (loadProblems_.size() > kShown) {
        text += QStringLiteral("\n(and %1 more problems; point here to see them all)")
                    .arg(loadProblems_.size() - kShown);
    }
    ui->lblStatus->setText(text);
    ui->lblStatus->setToolTip(loadProblems_.join(u'\n'));
    ui->lblStatus->show();
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
    GameSetTables& tables = programTables();
    if (const int i = tables.Selections.firstNamed(name); i >= 0) {
        showSelection(tables.Selections[i]);
    } else if (const int j = tables.Switches.firstNamed(name); j >= 0) {
        showSwitch(tables.Switches[j]);
    } else if (const int k = tables.Bindings.firstNamed(name); k >= 0) {
        showBinding(tables.Bindings[k]);
    }
}

void Form3::TreeView1_KeyUp(int /*keyCode*/, int /*shift*/) {
    TreeView1_Click();
}

// One panel at a time is on screen, on the spot the three share.
void Form3::showPanel(QWidget* panel) {
    for (QWidget* frame : {ui->frmSelection, ui->frmBinding, ui->frmSwitch}) {
        frame->setVisible(frame == panel);
    }
}

void Form3::showSelection(const SelectionEntry& entry) {
    showPanel(ui->frmSelection);
    ui->Label1->setText(entry.Name);
    ui->Label7->setText(entry.Command);
    ui->Label2->setText(entry.Comment);
    Form4::instance()->fillFromSelection(entry);
    // Filling the list is not the user's edit: it must not store a value, least of all the empty
    // text the box holds while its list is cleared.
    const QSignalBlocker blocker(ui->Combo1);
    ui->Combo1->clear();
    for (int j = 0; j < entry.OptionCount; ++j) {
        ui->Combo1->addItem(entry.Options[static_cast<std::size_t>(j)]);
    }
    ui->Combo1->setEditText(entry.Choice);
    showBreakoutWarnings();
}

void Form3::showSwitch(SwitchEntry& entry) {
    showPanel(ui->frmSwitch);
    ui->Label10->setText(entry.Name);
    ui->Label11->setText(entry.Comment);
    ui->Label8->setText(entry.Command);
    Form4::instance()->fillFromSwitch(entry);
    if (entry.State == QLatin1String("2")) {
        entry.State.clear();
    }
    if (entry.State.isEmpty()) {
        ui->Check1->setValue(CheckBox::kGreyed);
    } else if (entry.State == QLatin1String("0")) {
        ui->Check1->setValue(CheckBox::kUnchecked);
    } else if (entry.State == QLatin1String("1")) {
        ui->Check1->setValue(CheckBox::kChecked);
    }
}

void Form3::showBinding(const BindingEntry& entry) {
    showPanel(ui->frmBinding);
    ui->Label4->setText(entry.Name);
    ui->Label6->setText(entry.Command);
    {
        const QSignalBlocker blocker(ui->Text1);
        ui->Text1->setText(entry.Value);
    }
    ui->Label3->setText(entry.Comment);
    Form4::instance()->fillFromBinding(entry);
    showBreakoutWarnings();
}

// The value shown is judged in the line the script would hold for it; the warning stays up
// while that line runs more than its own command. The value itself is kept as typed.
void Form3::showBreakoutWarnings() {
    ui->lblBreakoutSelection->setVisible(
        valueEndsCommandEarly(ui->Label7->text(), selectionValue(ui->Combo1->currentText())));
    ui->lblBreakoutBinding->setVisible(
        valueEndsCommandEarly(ui->Label6->text(), ui->Text1->text()));
}

namespace {

// Stores a value into the given field of every entry of the table whose Name is the text of the
// tree's selected node; with no node selected nothing is stored. The value is made afresh for each
// entry, as the handlers read their control each time.
template <typename Record, typename MakeValue>
void storeForSelectedNode(const TreeView& tree, Table<Record>& table, QString Record::*field,
                          MakeValue makeValue) {
    if (tree.selectedNode() == 0) {
        return;
    }
    for (const std::int16_t i : table.indicesNamed(tree.selectedText())) {
        table[i].*field = makeValue();
    }
}

}  // namespace

// Each value handler stores into the entries of its own kind only, whatever the other kinds'
// names, and whichever panel is on screen.
void Form3::Check1_Click() {
    storeForSelectedNode(*ui->TreeView1, programTables().Switches, &SwitchEntry::State, [this] {
        const std::int16_t value = ui->Check1->value();
        return value == CheckBox::kGreyed ? QString() : QString::number(value);
    });
}

void Form3::Combo1_Change() {
    storeForSelectedNode(*ui->TreeView1, programTables().Selections, &SelectionEntry::Choice,
                         [this] { return ui->Combo1->currentText(); });
    showBreakoutWarnings();
}

void Form3::Text1_Change() {
    storeForSelectedNode(*ui->TreeView1, programTables().Bindings, &BindingEntry::Value,
                         [this] { return ui->Text1->text(); });
    showBreakoutWarnings();
}

namespace {

// Shows a window, or brings it to the front when it is already open.
void showModeless(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

// "Save...": the save dialog, with the folder, name and comments of the last save.
void Form3::Command1_Click() {
    showModeless(Form5::instance());
}

// "Main Menu": the editor makes way for the menu, which runs afresh on its timer's next tick.
// The model, the tree and every window opened from here stay as they are.
void Form3::Command2_Click() {
    hide();
    showMainMenu();
}

// "Edit Game Set": the game set editor, holding the entry last clicked.
void Form3::Command3_Click() {
    showModeless(Form4::instance());
}

// "Add Game Set...": the list is read anew each time, so a set written meanwhile is offered.
void Form3::Command4_Click() {
    Form7* dialog = Form7::instance();
    dialog->pointFileListAt(programfolder::configDirectory());
    showModeless(dialog);
}

// "Add other commands": the free lines written before the entries' commands.
void Form3::Command5_Click() {
    showModeless(Form6::instance());
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
