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
// without disturbing what is loaded. A set already in use is not loaded a second time.
class Form7 : public QWidget, public DefaultInstance<Form7> {
    Q_OBJECT

public:
    ~Form7() override;

    FileListBox* File1() const;
    // Points File1 at a folder, reading it afresh, and says so when the folder cannot be listed.
    void pointFileListAt(const QString& folder);

private:
    friend class DefaultInstance<Form7>;
    Form7();

    void Command1_Click();

    std::unique_ptr<Ui::Form7> ui;
};

}  // namespace scriptloom
