#include "output/Form5.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>

#include "files/GameFolder.h"
#include "files/TextFile.h"
#include "gamesets/Form2.h"
#include "model/GameSetTables.h"
#include "output/ConfigWriter.h"
#include "output/Form6.h"
#include "output/SaveNameNotice.h"
#include "output/WarnedValues.h"
#include "ui/CheckBox.h"
#include "ui/DriveListBox.h"
#include "ui/FileListBox.h"
#include "ui/FolderListBox.h"
#include "ui/MessageBox.h"
#include "ui/ModelEvents.h"
#include "ui_Form5.h"

namespace scriptloom {

Form5::Form5() : ui(std::make_unique<Ui::Form5>()) {
    setAttribute(Qt::WA_DeleteOnClose);
    ui->setupUi(this);
    connect(ui->Drive1, &DriveListBox::Change, this, &Form5::Drive1_Change);
    connect(ui->Dir1, &FolderListBox::Change, this, &Form5::Dir1_Change);
    connect(ui->Dir1, &FolderListBox::OpenFailed, this, [this](const QString& folder) {
        tellUserOfFailure(this, windowTitle(),
                          QStringLiteral("Cannot open folder %1:\n%2.")
                              .arg(QDir::toNativeSeparators(folder), ui->Dir1->folderError()));
    });
    connect(ui->Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
    // Enter in the name box saves, as in any save dialog.
    connect(ui->Text1, &QLineEdit::returnPressed, this, &Form5::Command1_Click);
    connect(ui->Text1, &QLineEdit::textChanged, this, &Form5::showNameInfo);
    connect(ui->cmdCancel, &QPushButton::clicked, this, &Form5::cmdCancel_Click);
    connect(ui->cmdGameFolder, &QPushButton::clicked, this, &Form5::cmdGameFolder_Click);
    // The editor's preview follows the comments choice.
    connect(ui->Check1, &QCheckBox::stateChanged, this, &ModelEvents::notifyScriptOptions);
    ui->lblExtraCommands->hide();
    // The folder list has read the current folder already; its files are shown from the start.
    Dir1_Change();
    ui->lblUnnamedSets->hide();
    // Long file names must wrap inside the window, not widen it.
    ui->lblUnnamedSets->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

// The comments choice goes with the window.
Form5::~Form5() {
    ModelEvents::notifyScriptOptions();
}

bool Form5::commentsChosen() const {
    return ui->Check1->value() == CheckBox::kChecked;
}

DriveListBox* Form5::Drive1() const {
    return ui->Drive1;
}

FolderListBox* Form5::Dir1() const {
    return ui->Dir1;
}

FileListBox* Form5::File1() const {
    return ui->File1;
}

// The script names each game set in use on a "//LOAD " line; a name it cannot hold is written
// damaged and the set is not loaded again when the script is opened. The save still goes ahead.
void Form5::showUnnamedSets() {
    QStringList lines;
    for (const QString& name : Form2::instance()->gameSetsInUse()) {
        if (!scriptCanNameGameSet(name)) {
            lines << QStringLiteral(
                         "%1 cannot be named in the script: it will not be loaded again.")
                         .arg(name);
        }
    }
    ui->lblUnnamedSets->setText(lines.join(u'\n'));
    ui->lblUnnamedSets->setVisible(!lines.isEmpty());
}

// Another drive shows its root folder. A drive that is not ready leaves the folder as it was and
// the drive list on the folder's drive.
void Form5::Drive1_Change() {
    const QString drive = ui->Drive1->drive();
    QString reason = DriveListBox::notReadyReason(drive);
    if (reason.isEmpty() && !ui->Dir1->setPath(drive)) {
        reason = ui->Dir1->folderError();
    }
    if (!reason.isEmpty()) {
        ui->Drive1->setDrive(ui->Dir1->path());
        tellUserOfFailure(this, windowTitle(),
                          QStringLiteral("Drive %1 cannot be used:\n%2.")
                              .arg(QDir::toNativeSeparators(drive), reason));
    }
}

// The file list shows the scripts already in the folder; the drive list follows the folder when
// the user walks onto another volume.
void Form5::Dir1_Change() {
    ui->File1->setPath(ui->Dir1->path());
    ui->Drive1->setDrive(ui->Dir1->path());
    showNameInfo();
}

// Writes the script from the tables, the game sets in use and the other commands. On success the
// dialog hides; on failure the old file stays as it was, the dialog stays, and the user is told.
// A name holding a control character (a line break, say) is refused before anything is written.
void Form5::Command1_Click() {
    const QString path = configScriptPath(ui->Dir1->path(), ui->Text1->text());
    if (holdsControlCharacter(ui->Text1->text())) {
        tellUserOfFailure(
            this, windowTitle(),
            QStringLiteral("Cannot write file %1:\nthe name holds a control character.")
                .arg(QDir::toNativeSeparators(path)));
        return;
    }
    const ConfigScriptContents contents{Form2::instance()->gameSetsInUse(),
                                        Form6::instance()->text(),
                                        ui->Check1->value() == CheckBox::kChecked};
    const textfile::WriteResult result =
        textfile::writeWholeFile(path, writeConfigScript(contents, programTables()));
    if (!result.ok) {
        tellUserOfFailure(this, windowTitle(),
                          QStringLiteral("Cannot write file %1:\n%2.")
                              .arg(QDir::toNativeSeparators(path), result.error));
        return;
    }
    // The list is read again so the new script is there when the dialog comes back.
    ui->File1->setPath(ui->Dir1->path());
    hide();
}

// Cancel leaves everything as it is, for the next "Save...".
void Form5::cmdCancel_Click() {
    hide();
}

// The game's own folder, where it runs autoexec.cfg and finds scripts for exec.
void Form5::cmdGameFolder_Click() {
    const QString folder = gamefolder::path();
    if (!ui->Dir1->setPath(folder)) {
        ui->cmdGameFolder->setEnabled(false);
        tellUserOfFailure(this, windowTitle(),
                          QStringLiteral("Cannot open folder %1:\n%2.")
                              .arg(QDir::toNativeSeparators(folder), ui->Dir1->folderError()));
    }
}

// Follows the name typed and the folder chosen.
void Form5::showNameInfo() {
    const QFileInfo target(configScriptPath(ui->Dir1->path(), ui->Text1->text()));
    const QString notice =
        saveNameNotice(ui->Text1->text(), !ui->Text1->text().isEmpty() && target.isFile());
    ui->lblNameInfo->setText(notice);
    ui->lblNameInfo->setVisible(!notice.isEmpty());
}

// Each time the dialog comes up it looks again for the game's folder, for values the game would
// not read as typed and for sets a script cannot name, since all may have changed while hidden.
void Form5::showEvent(QShowEvent* event) {
    ui->cmdGameFolder->setEnabled(QFileInfo(gamefolder::path()).isDir());
    const QString extra = warnedValuesNotice(entriesWithWarnedValues(programTables()));
    ui->lblExtraCommands->setText(extra);
    ui->lblExtraCommands->setVisible(!extra.isEmpty());
    showNameInfo();
    showUnnamedSets();
    QWidget::showEvent(event);
}

// Escape is Cancel.
void Form5::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdCancel_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace scriptloom
