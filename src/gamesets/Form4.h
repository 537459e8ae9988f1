#pragma once

#include <QWidget>
#include <memory>

#include "ui/DefaultInstance.h"

namespace Ui {
class Form4;
}

namespace scriptloom {

struct BindingEntry;
struct EntryEditOutcome;
struct EntryTexts;
struct SelectionEntry;
struct SwitchEntry;

// "Edit Scriptloom Game Set": writes game sets from the loaded entries. One frame per kind holds
// an entry's Section, Name, Command and Comment (a Selection's frame also its option list); "Add"
// appends a new entry of that kind and puts it in the editor's tree, "Edit" rewrites every entry
// of that kind named like the Name box. "save" writes every loaded entry as one game set in the
// config directory; the lines around the name box say so, and when the save replaces a set. The
// window keeps no data of its own apart from its boxes.
class Form4 : public QWidget, public DefaultInstance<Form4> {
    Q_OBJECT

public:
    ~Form4() override;

    // The config editor shows an entry: its frame's boxes take the entry's texts (and options),
    // whatever was typed there; no other box changes, and nothing is stored.
    void fillFromSelection(const SelectionEntry& entry);
    void fillFromSwitch(const SwitchEntry& entry);
    void fillFromBinding(const BindingEntry& entry);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class DefaultInstance<Form4>;
    Form4();

    void connectEvents();
    void showSaveNotes();
    void tellCommandWithoutPlaceholder(const QString& command);

    void Command1_Click();
    void Command9_Click();
    void Command2_Click();
    void Command3_Click();
    void Command5_Click();
    void Command4_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();

    EntryTexts selectionTexts() const;
    EntryTexts bindingTexts() const;
    EntryTexts switchTexts() const;
    QStringList optionList() const;
    void tellOutcome(const EntryEditOutcome& outcome, const QString& kind, const QString& table);

    std::unique_ptr<Ui::Form4> ui;
};

}  // namespace scriptloom
