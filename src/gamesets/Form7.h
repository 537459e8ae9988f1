#pragma once

#include <QWidget>
#include <memory>

#include "ui/DefaultInstance.h"

namespace Ui {
class Form7;
}

namespace scriptloom {

class FileListBox;

// "Select Game Sets you want to add": adds one more game set to the config open in the editor,
// without disturbing what is loaded. A set already in use is not loaded a second time; the list
// shows such sets dimmed, with "(in use)" beside the name, while the item's name stays the file's.
class Form7 : public QWidget, public DefaultInstance<Form7> {
    Q_OBJECT

public:
    ~Form7() override;

    // Set on an item of File1 whose game set the config uses already.
    static constexpr int kInUseRole = Qt::UserRole + 1;

    FileListBox* File1() const;
    // Points File1 at a folder, reading it afresh, and says so when the folder cannot be listed.
    void pointFileListAt(const QString& folder);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class DefaultInstance<Form7>;
    Form7();

    void Command1_Click();
    void markSetsInUse();

    std::unique_ptr<Ui::Form7> ui;
};

}  // namespace scriptloom
