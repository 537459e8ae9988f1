#pragma once

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace scriptloom {

class CheckBox;
struct BindingEntry;
struct SelectionEntry;
struct SwitchEntry;

// The editor's three panels, one per entry kind, on the one spot they share: which of them is on
// screen, and what each shows of its entry. Filling a panel is not the player's edit, so the value
// boxes tell nothing of it.
class EntryPanels {
public:
    struct Controls {
        QWidget* area;
        QWidget* selection;
        QWidget* binding;
        QWidget* switchPanel;
        // The Selection panel: Name, Command, Comment and the list of options.
        QLabel* selectionName;
        QLabel* selectionCommand;
        QLabel* selectionComment;
        QComboBox* choice;
        // The Switch panel.
        QLabel* switchName;
        QLabel* switchCommand;
        QLabel* switchComment;
        CheckBox* state;
        // The Binding panel.
        QLabel* bindingName;
        QLabel* bindingCommand;
        QLabel* bindingComment;
        QLineEdit* value;
    };

    // Sizes the shared spot for the tallest panel and shows the Selection panel.
    explicit EntryPanels(const Controls& controls);

    void showSelection(const SelectionEntry& entry);
    void showSwitch(const SwitchEntry& entry);
    void showBinding(const BindingEntry& entry);

private:
    void showOnly(QWidget* panel);

    Controls ui_;
};

}  // namespace scriptloom
