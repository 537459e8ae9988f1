#include "gamesets/Form4.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>

#include "editor/Form3.h"
#include "files/ProgramFolder.h"
#include "gamesets/EntryEditing.h"
#include "gamesets/GameSetName.h"
#include "gamesets/GameSetWriter.h"
#include "model/GameSetTables.h"
#include "model/Placeholder.h"
#include "ui/MessageBox.h"
#include "ui/ModelEvents.h"
#include "ui/TreeView.h"
#include "ui_Form4.h"

namespace scriptloom {

namespace {

NodeTree& editorTree() {
    return Form3::instance()->TreeView1()->nodes();
}

int entryCount(const GameSetTables& tables) {
    return tables.Selections.Count() + tables.Bindings.Count() + tables.Switches.Count();
}

QString entriesText(int count) {
    return count == 1 ? QStringLiteral("1 entry") : QStringLiteral("%1 entries").arg(count);
}

void showLine(QLabel* label, const QString& text) {
    label->setText(text);
    label->setVisible(!text.isEmpty());
}

// Long commands and comments show from their start, as they read.
void fill(QLineEdit* box, const QString& text) {
    box->setText(text);
    box->setCursorPosition(0);
}

}  // namespace

Form4::Form4() : ui(std::make_unique<Ui::Form4>()) {
    setAttribute(Qt::WA_DeleteOnClose);
    ui->setupUi(this);
    // The box is only a list of options: what is typed into it is neither kept nor read.
    ui->Combo1->setCompleter(nullptr);
    showLine(ui->lblStatus, QString());
    connectEvents();
    showSaveNotes();
}

Form4::~Form4() = default;

void Form4::connectEvents() {
    connect(ui->Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(ui->Command9, &QPushButton::clicked, this, &Form4::Command9_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &Form4::Command2_Click);
    connect(ui->Command3, &QPushButton::clicked, this, &Form4::Command3_Click);
    connect(ui->Command5, &QPushButton::clicked, this, &Form4::Command5_Click);
    connect(ui->Command4, &QPushButton::clicked, this, &Form4::Command4_Click);
    connect(ui->Command6, &QPushButton::clicked, this, &Form4::Command6_Click);
    connect(ui->Command7, &QPushButton::clicked, this, &Form4::Command7_Click);
    connect(ui->Command8, &QPushButton::clicked, this, &Form4::Command8_Click);
    connect(ui->Text14, &QLineEdit::textChanged, this, &Form4::showSaveNotes);
    connect(ModelEvents::instance(), &ModelEvents::entriesChanged, this, &Form4::showSaveNotes);
}

// What "save" writes, and, before it is pressed, whether it replaces a set already saved.
void Form4::showSaveNotes() {
    showLine(ui->lblSavesAll, QStringLiteral("Saves all %1 now loaded as one game set.")
                                  .arg(entriesText(entryCount(programTables()))));
    const QString name = ui->Text14->text();
    const bool replaces =
        gameSetNameProblem(name).isEmpty() && QFileInfo(programfolder::gameSetPath(name)).isFile();
    showLine(ui->lblSaveNote,
             replaces ? QStringLiteral("Replaces the existing %1 (kept as %1.bak).").arg(name)
                      : QString());
}

// An entry whose Command has no "*x" is still added or rewritten, but no value will reach it.
void Form4::tellCommandWithoutPlaceholder(const QString& command) {
    showLine(ui->lblStatus,
             findPlaceholder(command) < 0
                 ? QStringLiteral("This command has no *x: the value will not be written into it.")
                 : QString());
}

// The set files may have changed while the window was away.
void Form4::showEvent(QShowEvent* event) {
    showSaveNotes();
    QWidget::showEvent(event);
}

// Escape puts the window away with its boxes, as the other dialogs do.
void Form4::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form4::fillFromSelection(const SelectionEntry& entry) {
    fill(ui->Text1, entry.Section);
    fill(ui->Text2, entry.Name);
    fill(ui->Text3, entry.Command);
    fill(ui->Text4, entry.Comment);
    ui->Combo1->clear();
    for (int j = 0; j < entry.OptionCount; ++j) {
        ui->Combo1->addItem(entry.Options[static_cast<std::size_t>(j)]);
    }
}

void Form4::fillFromSwitch(const SwitchEntry& entry) {
    fill(ui->Text6, entry.Section);
    fill(ui->Text11, entry.Name);
    fill(ui->Text12, entry.Command);
    fill(ui->Text13, entry.Comment);
}

void Form4::fillFromBinding(const BindingEntry& entry) {
    fill(ui->Text10, entry.Section);
    fill(ui->Text9, entry.Name);
    fill(ui->Text8, entry.Command);
    fill(ui->Text7, entry.Comment);
}

QStringList Form4::optionList() const {
    QStringList options;
    for (int i = 0; i < ui->Combo1->count(); ++i) {
        options << ui->Combo1->itemText(i);
    }
    return options;
}

// Adding and editing are silent when they did what was asked; a full table or options the entry
// could not hold are told at once, so the user knows what was not stored.
void Form4::tellOutcome(const EntryEditOutcome& outcome, const QString& kind,
                        const QString& table) {
    if (outcome.tableFull) {
        tellUserOfFailure(this, windowTitle(),
                          QStringLiteral("The %1 table is full (%2 entries), so the %3 was not "
                                         "added.")
                              .arg(table)
                              .arg(kLargestTableCapacity)
                              .arg(kind));
    } else if (outcome.optionsLeftOut > 0) {
        tellUserOfFailure(this, windowTitle(),
                          QStringLiteral("A Selection holds at most %1 options; the last %2 of "
                                         "the %3 in the list were left out.")
                              .arg(kMaxOptions)
                              .arg(outcome.optionsLeftOut)
                              .arg(kMaxOptions + outcome.optionsLeftOut));
    }
}

// "Add" beside the option list: the text goes to the end of the list, as it stands, even when
// empty or listed already.
void Form4::Command1_Click() {
    ui->Combo1->addItem(ui->Text5->text());
}

// "Clear": empties the option list.
void Form4::Command9_Click() {
    ui->Combo1->clear();
}

// The four boxes of each frame, top to bottom.
EntryTexts Form4::selectionTexts() const {
    return {ui->Text1->text(), ui->Text2->text(), ui->Text3->text(), ui->Text4->text()};
}

EntryTexts Form4::bindingTexts() const {
    return {ui->Text10->text(), ui->Text9->text(), ui->Text8->text(), ui->Text7->text()};
}

EntryTexts Form4::switchTexts() const {
    return {ui->Text6->text(), ui->Text11->text(), ui->Text12->text(), ui->Text13->text()};
}

void Form4::Command2_Click() {
    tellCommandWithoutPlaceholder(ui->Text3->text());
    tellOutcome(addSelection(programTables(), editorTree(), selectionTexts(), optionList()),
                QStringLiteral("Selection"), QStringLiteral("Selections"));
    ModelEvents::notifyEntries();
}

void Form4::Command3_Click() {
    tellCommandWithoutPlaceholder(ui->Text3->text());
    tellOutcome(rewriteSelections(programTables(), selectionTexts(), optionList()),
                QStringLiteral("Selection"), QStringLiteral("Selections"));
    ModelEvents::notifyEntries();
}

void Form4::Command5_Click() {
    tellCommandWithoutPlaceholder(ui->Text8->text());
    tellOutcome(addBinding(programTables(), editorTree(), bindingTexts()),
                QStringLiteral("Binding"), QStringLiteral("Bindings"));
    ModelEvents::notifyEntries();
}

void Form4::Command4_Click() {
    tellCommandWithoutPlaceholder(ui->Text8->text());
    rewriteBindings(programTables(), bindingTexts());
    ModelEvents::notifyEntries();
}

void Form4::Command6_Click() {
    tellCommandWithoutPlaceholder(ui->Text12->text());
    tellOutcome(addSwitch(programTables(), editorTree(), switchTexts()), QStringLiteral("Switch"),
                QStringLiteral("Switches"));
    ModelEvents::notifyEntries();
}

void Form4::Command7_Click() {
    tellCommandWithoutPlaceholder(ui->Text12->text());
    rewriteSwitches(programTables(), switchTexts());
    ModelEvents::notifyEntries();
}

// "save": every loaded entry as one game set in the config directory, under the name exactly as
// typed. A name that could reach outside that directory, or that Windows could not hold, is
// refused before anything is written. On any failure the file that was there stays as it was and
// the user is told why; the window and its boxes stay as they are either way. A save that works
// says so on the status line.
void Form4::Command8_Click() {
    const QString name = ui->Text14->text();
    if (const QString problem = gameSetNameProblem(name); !problem.isEmpty()) {
        tellUserOfFailure(
            this, windowTitle(),
            QStringLiteral("Cannot save the game set as \"%1\":\n%2.").arg(name, problem));
        return;
    }
    const QString path = programfolder::gameSetPath(name);
    const textfile::WriteResult result = saveGameSetFile(path, writeGameSet(programTables()));
    if (!result.ok) {
        tellUserOfFailure(this, windowTitle(),
                          QStringLiteral("Cannot write file %1:\n%2.")
                              .arg(QDir::toNativeSeparators(path), result.error));
        return;
    }
    showLine(ui->lblStatus,
             QStringLiteral("Saved %1: %2.").arg(name, entriesText(entryCount(programTables()))));
    showSaveNotes();
}

}  // namespace scriptloom
