#pragma once

#include <QWidget>
#include <memory>

#include "ui/DefaultInstance.h"

namespace Ui {
class Form2;
}

namespace scriptloom {

class FileListBox;

// "Select Game Sets you want to use": starts a new config from the game sets picked in File1.
// The selection in File1 stays as the record of the game sets the config uses while the window
// is hidden.
class Form2 : public QWidget, public DefaultInstance<Form2> {
    Q_OBJECT

public:
    ~Form2() override;

    FileListBox* File1() const;
    // The game sets the config uses: the names of the items selected in File1, in list order.
    QStringList gameSetsInUse() const;
    // Points File1 at a folder, reading it afresh with nothing selected, and says so when the
    // folder cannot be listed.
    void pointFileListAt(const QString& folder);
    // Reads the config directory into File1 again, for game sets written since, keeping the sets
    // in use selected. A set in use that has left the folder stays listed, so the next script
    // still names it.
    void rereadFileList();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class DefaultInstance<Form2>;
    Form2();

    void Command1_Click();

    std::unique_ptr<Ui::Form2> ui;
    bool loading_ = false;
};

}  // namespace scriptloom
