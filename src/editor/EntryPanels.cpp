#include "editor/EntryPanels.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>

#include "model/Entries.h"
#include "ui/CheckBox.h"

namespace scriptloom {

EntryPanels::EntryPanels(const Controls& controls) : ui_(controls) {
    // Sized for the tallest panel, so the window does not shift as the player moves between kinds;
    // their help texts give way on a small screen.
    int panelHeight = 0;
    for (const QWidget* panel : {ui_.selection, ui_.binding, ui_.switchPanel}) {
        panelHeight = std::max(panelHeight, panel->minimumSizeHint().height());
    }
    ui_.area->setMinimumHeight(panelHeight);
    showOnly(ui_.selection);
    // Typing must not be completed or turned into new list items: the text typed is the value.
    ui_.choice->setCompleter(nullptr);
}

// One panel at a time is on screen, on the spot the three share.
void EntryPanels::showOnly(QWidget* panel) {
    for (QWidget* each : {ui_.selection, ui_.binding, ui_.switchPanel}) {
        each->setVisible(each == panel);
    }
}

void EntryPanels::showSelection(const SelectionEntry& entry) {
    showOnly(ui_.selection);
    ui_.selectionName->setText(entry.Name);
    ui_.selectionCommand->setText(entry.Command);
    ui_.selectionComment->setText(entry.Comment);
    // Filling the list must not store a value, least of all the empty text the box holds while
    // its list is cleared.
    const QSignalBlocker blocker(ui_.choice);
    ui_.choice->clear();
    for (int j = 0; j < entry.OptionCount; ++j) {
        ui_.choice->addItem(entry.Options[static_cast<std::size_t>(j)]);
    }
    ui_.choice->setEditText(entry.Choice);
}

// A State other than "", "0" and "1" leaves the box as it was.
void EntryPanels::showSwitch(const SwitchEntry& entry) {
    showOnly(ui_.switchPanel);
    ui_.switchName->setText(entry.Name);
    ui_.switchComment->setText(entry.Comment);
    ui_.switchCommand->setText(entry.Command);
    if (entry.State.isEmpty()) {
        ui_.state->setValue(CheckBox::kGreyed);
    } else if (entry.State == QLatin1String("0")) {
        ui_.state->setValue(CheckBox::kUnchecked);
    } else if (entry.State == QLatin1String("1")) {
        ui_.state->setValue(CheckBox::kChecked);
    }
}

void EntryPanels::showBinding(const BindingEntry& entry) {
    showOnly(ui_.binding);
    ui_.bindingName->setText(entry.Name);
    ui_.bindingCommand->setText(entry.Command);
    {
        const QSignalBlocker blocker(ui_.value);
        ui_.value->setText(entry.Value);
    }
    ui_.bindingComment->setText(entry.Comment);
}

}  // namespace scriptloom
