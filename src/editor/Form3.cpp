#include "editor/Form3.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPointer>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTextBlock>
#include <algorithm>

#include "editor/ValueHistory.h"
#include "files/ProgramFolder.h"
#include "files/TextFile.h"
#include "gamesets/Form2.h"
#include "gamesets/Form4.h"
#include "gamesets/Form7.h"
#include "menu/MenuActions.h"
#include "model/GameSetTables.h"
#include "model/KeyClashes.h"
#include "model/ValueSnapshot.h"
#include "model/ValueStore.h"
#include "output/ConfigWriter.h"
#include "output/Form5.h"
#include "output/Form6.h"
#include "output/OneCommand.h"
#include "ui/ImageList.h"
#include "ui/ModelEvents.h"
#include "ui/ProgramControl.h"
#include "ui_Form3.h"

namespace scriptloom {

Form3::Form3()
    : ui(std::make_unique<Ui::Form3>()),
      imageList_(new ImageList(this)),
      history_(new ValueHistory(this)) {
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
    // Measured with them, the warnings and hints under the value boxes find room without moving
    // the window.
    for (QLabel* line : {ui->lblBreakoutSelection, ui->lblBreakoutBinding, ui->lblHintSelection,
                         ui->lblHintBinding, ui->lblClash, ui->lblCapture}) {
        line->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        line->hide();
    }
    ui->cmdPressKey->hide();
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
    ui->lblNoMatch->hide();
    ui->txtFind->installEventFilter(this);
    ui->TreeView1->setMarkSource([this](int number) { return markOf(number); });
    // Script lines line up in a fixed-width font, as in the other commands' editor.
    ui->txtPreview->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // The panel keeps the width it had before the preview came beside it.
    ui->splPreview->setStretchFactor(0, 0);
    ui->splPreview->setStretchFactor(1, 1);
    ui->splPreview->setSizes({440, 440});
    connectEvents();
    updatePreview();
}

Form3::~Form3() = default;

TreeView* Form3::TreeView1() const {
    return ui->TreeView1;
}

void Form3::startNewConfig() {
    programTables().resetAll();
    ui->TreeView1->nodes().removeAll();
    history_->clear();
    ModelEvents::notifyEntries();
    clearLoadProblems();
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
    // Ctrl+F (the platform's Find keys) goes to the find box.
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, [this] {
        ui->txtFind->setFocus();
        ui->txtFind->selectAll();
    });
    connect(ui->txtFind, &QLineEdit::textChanged, this, &Form3::txtFind_Change);
    ModelEvents* events = ModelEvents::instance();
    connect(events, &ModelEvents::entriesChanged, this, [this] {
        findTextsStale_ = true;
        setCounts_.clear();
        applyFind();
        ui->TreeView1->refreshMarks();
        updatePreview();
        showValueAids();
    });
    connect(events, &ModelEvents::valuesChanged, this, [this] {
        setCounts_.clear();
        ui->TreeView1->refreshMarks();
        updatePreview();
        showValueAids();
    });
    connectEditingAids();
    connect(events, &ModelEvents::scriptOptionsChanged, this, &Form3::updatePreview);
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
    const GameSetTables& tables = programTables();
    if (tables.Selections.firstNamed(name) >= 0) {
        showEntry(EntryKind::Selection, name);
    } else if (tables.Switches.firstNamed(name) >= 0) {
        showEntry(EntryKind::Switch, name);
    } else if (tables.Bindings.firstNamed(name) >= 0) {
        showEntry(EntryKind::Binding, name);
    }
}

// Shows the first entry of the kind with this Name in its panel.
void Form3::showEntry(EntryKind kind, const QString& name) {
    GameSetTables& tables = programTables();
    const int first = withValueField(
        tables, kind, [&name](const auto& table, auto) { return table.firstNamed(name); });
    if (first < 0) {
        return;
    }
    shownKind_ = kind;
    shownName_ = name;
    ++typingRun_;
    switch (kind) {
        case EntryKind::Selection:
            showSelection(tables.Selections[first]);
            break;
        case EntryKind::Switch:
            showSwitch(first);
            break;
        case EntryKind::Binding:
            showBinding(tables.Bindings[first]);
            break;
    }
    showValueAids();
    highlightShownEntry();
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

void Form3::showSwitch(int index) {
    GameSetTables& tables = programTables();
    const SwitchEntry& entry = tables.Switches[index];
    showPanel(ui->frmSwitch);
    ui->Label10->setText(entry.Name);
    ui->Label11->setText(entry.Comment);
    ui->Label8->setText(entry.Command);
    Form4::instance()->fillFromSwitch(entry);
    // A State of "2" is the greyed box's own number; the entry keeps it as not set.
    if (entry.State == QLatin1String("2")) {
        storeValueAt(tables, tables.Switches, &SwitchEntry::State, index, QString());
        ModelEvents::notifyValues();
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
        history_->record(std::move(before), snapshotValues(tables, kind, name),
                         typing_ ? typingRun_ : -1);
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
    showBreakoutWarnings();
    showValueAids();
}

void Form3::Text1_Change() {
    storeEdit(EntryKind::Binding, [this] { return ui->Text1->text(); });
    showBreakoutWarnings();
    showValueAids();
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

void Form3::txtFind_Change() {
    applyFind();
}

// Keeps the nodes whose entry holds the typed text in its Name, Command or Comment, or whose
// section's name holds it, in any letter case.
void Form3::applyFind() {
    const QString wanted = ui->txtFind->text().toCaseFolded();
    if (wanted.isEmpty()) {
        ui->TreeView1->setNodeFilter({});
        ui->lblNoMatch->hide();
        return;
    }
    findTexts();
    ui->TreeView1->setNodeFilter([this, wanted](int number) {
        // A node placed since the texts were gathered stays in view until they are gathered again.
        return static_cast<std::size_t>(number) >= findTexts_.size() ||
               findTexts_[static_cast<std::size_t>(number)].contains(wanted);
    });
    ui->lblNoMatch->setVisible(ui->TreeView1->shownTopLevelCount() == 0);
}

const std::vector<QString>& Form3::findTexts() {
    const NodeTree& nodes = ui->TreeView1->nodes();
    if (!findTextsStale_ && findTexts_.size() == static_cast<std::size_t>(nodes.count()) + 1) {
        return findTexts_;
    }
    const GameSetTables& tables = programTables();
    findTexts_.assign(static_cast<std::size_t>(nodes.count()) + 1, QString());
    for (int number = 1; number <= nodes.count(); ++number) {
        QString text = nodes.text(number);
        if (nodes.children(number).empty()) {
            const auto gather = [&text](const auto& table, const QString& name) {
                for (const std::int16_t i : table.indicesNamed(name)) {
                    text += u'\n' + table[i].Command + u'\n' + table[i].Comment;
                }
            };
            gather(tables.Selections, nodes.text(number));
            gather(tables.Switches, nodes.text(number));
            gather(tables.Bindings, nodes.text(number));
        }
        findTexts_[static_cast<std::size_t>(number)] = text.toCaseFolded();
    }
    findTextsStale_ = false;
    return findTexts_;
}

// Down or Enter in the find box goes to the first entry on show; Escape empties the box.
bool Form3::eventFilter(QObject* watched, QEvent* event) {
    if (filterPanelEvent(watched, event)) {
        return true;
    }
    // The texts to search are gathered as the box gets the focus, so that the first key typed
    // finds them ready.
    if (watched == ui->txtFind && event->type() == QEvent::FocusIn) {
        findTexts();
    }
    if (watched == ui->txtFind && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            ui->txtFind->clear();
            return true;
        }
        if (key == Qt::Key_Down || key == Qt::Key_Return || key == Qt::Key_Enter) {
            enterTreeAtFirstMatch();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form3::enterTreeAtFirstMatch() {
    TreeView* tree = ui->TreeView1;
    const QAbstractItemModel* shown = tree->model();
    QModelIndex first = shown->index(0, 0, QModelIndex());
    if (!first.isValid()) {
        return;
    }
    if (const QModelIndex child = shown->index(0, 0, first); child.isValid()) {
        first = child;
    }
    tree->setCurrentIndex(first);
    tree->scrollTo(first);
    tree->setFocus();
    TreeView1_Click();
}

namespace {

// The value of the entry the editor shows for this Name: the first Selection, else the first
// Switch, else the first Binding.
QString valueShownFor(const GameSetTables& tables, const QString& name) {
    if (const int i = tables.Selections.firstNamed(name); i >= 0) {
        return tables.Selections[i].Choice;
    }
    if (const int j = tables.Switches.firstNamed(name); j >= 0) {
        return tables.Switches[j].State;
    }
    if (const int k = tables.Bindings.firstNamed(name); k >= 0) {
        return tables.Bindings[k].Value;
    }
    return {};
}

}  // namespace

// An entry with a value is bold with "= value" beside it, marked in red when it shares its key
// with another action; a section tells how many of its entries have one. The node's text itself
// is never touched: lookups compare it with Name.
NodeMark Form3::markOf(int number) {
    const NodeTree& nodes = ui->TreeView1->nodes();
    const std::vector<int>& children = nodes.children(number);
    if (!children.empty()) {
        const int set = setEntriesUnder(number);
        if (set == 0) {
            return {};
        }
        return {QStringLiteral("%1 of %2 set").arg(set).arg(children.size())};
    }
    const QString& name = nodes.text(number);
    const QString value = valueShownFor(programTables(), name);
    if (value.isEmpty()) {
        return {};
    }
    NodeMark mark{QStringLiteral("= ") + value, true};
    // A key that another action is bound to as well is marked where either is seen.
    if (keyClashes().clashes(name)) {
        mark.note += QStringLiteral("  (clash)");
        mark.warns = true;
        mark.tip = clashLine(keyClashes().clashesOf(name));
    }
    return mark;
}

int Form3::setEntriesUnder(int number) {
    if (const auto known = setCounts_.constFind(number); known != setCounts_.cend()) {
        return *known;
    }
    const NodeTree& nodes = ui->TreeView1->nodes();
    const GameSetTables& tables = programTables();
    const auto children = nodes.children(number);
    const int set =
        static_cast<int>(std::count_if(children.begin(), children.end(), [&](int child) {
            return !valueShownFor(tables, nodes.text(child)).isEmpty();
        }));
    setCounts_.insert(number, set);
    return set;
}

// The preview holds what "Save" would write now: the same writer, the game sets in use, the other
// commands and the comments choice of the save dialog (unticked while it was never opened).
void Form3::updatePreview() {
    const bool comments = Form5::exists() && Form5::instance()->commentsChosen();
    const ConfigScriptContents contents{
        Form2::exists() ? Form2::instance()->gameSetsInUse() : QStringList(),
        Form6::exists() ? Form6::instance()->text() : QString(), comments};
    QString text = textfile::decode(writeConfigScript(contents, programTables()));
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QScrollBar* scroll = ui->txtPreview->verticalScrollBar();
    const int at = scroll->value();
    ui->txtPreview->setPlainText(text);
    scroll->setValue(at);
    highlightShownEntry();
}

// Marks the lines the entry on the panel writes, and brings the first of them into view.
void Form3::highlightShownEntry() {
    QStringList lines;
    const GameSetTables& tables = programTables();
    const auto gather = [this, &lines](const auto& table, auto valueOf) {
        for (const std::int16_t i : table.indicesNamed(shownName_)) {
            const QStringView value = valueOf(table[i]);
            if (!value.isEmpty()) {
                lines << replacePlaceholder(table[i].Command, value);
            }
        }
    };
    if (shownKind_ == EntryKind::Selection) {
        gather(tables.Selections,
               [](const SelectionEntry& entry) { return selectionValue(entry.Choice); });
    } else if (shownKind_ == EntryKind::Switch) {
        gather(tables.Switches, [](const SwitchEntry& entry) { return QStringView(entry.State); });
    } else if (shownKind_ == EntryKind::Binding) {
        gather(tables.Bindings, [](const BindingEntry& entry) { return QStringView(entry.Value); });
    }
    QList<QTextEdit::ExtraSelection> marks;
    if (!lines.isEmpty()) {
        const QColor background = palette().color(QPalette::Highlight).lighter(170);
        for (QTextBlock block = ui->txtPreview->document()->begin(); block.isValid();
             block = block.next()) {
            if (lines.contains(block.text())) {
                QTextEdit::ExtraSelection mark;
                mark.cursor = QTextCursor(block);
                mark.format.setBackground(background);
                mark.format.setProperty(QTextFormat::FullWidthSelection, true);
                marks << mark;
            }
        }
    }
    ui->txtPreview->setExtraSelections(marks);
    if (!marks.isEmpty()) {
        ui->txtPreview->setTextCursor(marks.first().cursor);
        ui->txtPreview->ensureCursorVisible();
    }
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
