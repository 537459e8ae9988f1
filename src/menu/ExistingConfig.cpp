#include "menu/ExistingConfig.h"

#include <QDir>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPointer>
#include <chrono>

#include "editor/Form3.h"
#include "editor/GameSetLoading.h"
#include "files/ProgramFolder.h"
#include "files/TextFile.h"
#include "gamesets/Form2.h"
#include "menu/ConfigScriptReader.h"
#include "menu/Form1.h"
#include "model/GameSetTables.h"
#include "model/LoadDiagnosis.h"
#include "output/Form6.h"
#include "ui/FileListBox.h"
#include "ui/MessageBox.h"
#include "ui/ModelEvents.h"
#include "ui/ProgramControl.h"
#include "ui/TreeView.h"

namespace scriptloom {

namespace {

// How often the windows get their turn while a script is read.
constexpr std::chrono::milliseconds kEventInterval(30);
// The longest line of a script that is opened.
constexpr qsizetype kLongestScriptLine = qsizetype{1024} * 1024;

}  // namespace

// The list's length is taken once, before the walk.
bool loadAndSelectGameSet(const QString& fileName) {
    FileListBox* list = Form2::instance()->File1();
    const int count = list->count();
    bool listed = false;
    for (int k = 0; k < count; ++k) {
        if (list->itemName(k) == fileName) {
            loadGameSetIntoEditor(programfolder::gameSetPath(fileName));
            list->setSelected(k, true);
            listed = true;
        }
    }
    return listed;
}

bool editExistingConfigFile(const QString& path, QWidget* parent) {
    const QString problem = openExistingConfigFile(path);
    if (!problem.isEmpty()) {
        tellUserOfFailure(parent, QStringLiteral("Open..."), problem);
    }
    return problem.isEmpty();
}

QString openExistingConfigFile(const QString& path) {
    // Read first: a script that cannot be read must not cost the user the config now open.
    const QString fileName = QDir::toNativeSeparators(path);
    const textfile::ReadResult file = textfile::readWholeFile(path, textfile::kLargestTextFile);
    if (file.tooLarge) {
        return QStringLiteral("%1 is too large to be a config script (%2 MB).")
            .arg(fileName, textfile::megabytes(file.size));
    }
    if (!file.ok) {
        return QStringLiteral("Cannot read file %1:\n%2.").arg(fileName, file.error);
    }
    // A line this long is no game command. The free commands box lays out a line in one go, so
    // the windows would freeze for seconds whatever the reader did between lines: it is refused.
    if (const int line = firstLineLongerThan(file.bytes, kLongestScriptLine); line > 0) {
        QString text = QStringLiteral(
                           "%1 is not opened: its line %2 is longer than 1 MB, and the lines "
                           "of a config script are game commands.")
                           .arg(fileName)
                           .arg(line);
        if (linesEndInLfOnly(file.bytes)) {
            text +=
                QStringLiteral("\nIts lines end in LF only; config scripts need CR LF line ends.");
        }
        return text;
    }

    Form6* otherCommands = Form6::instance();
    showModeless(otherCommands, Form1::exists() ? Form1::instance() : nullptr);
    otherCommands->setText(QString());
    // The script's lines are not the user's typing: undo must not take them back out.
    const QPointer<QPlainTextEdit> textBox = otherCommands->Text1();
    textBox->setUndoRedoEnabled(false);

    Form2::instance()->pointFileListAt(programfolder::configDirectory());
    Form3* editor = Form3::instance();
    showModeless(editor, Form1::exists() ? Form1::instance() : nullptr);
    editor->startNewConfig();

    // Lines for the other commands are gathered and added together, and the windows get their
    // turn a few dozen times a second rather than after every line: adding and drawing one line
    // at a time would make a long script take seconds. Gathered lines are added before any event
    // runs, so what the user types meanwhile lands after them.
    QString pendingLines;
    const auto addPendingLines = [&pendingLines] {
        if (!pendingLines.isEmpty()) {
            Form6::instance()->appendText(pendingLines);
            pendingLines.clear();
        }
    };
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    QStringList notices;
    if (const QString notice = configScriptNotice(file.bytes, fileName); !notice.isEmpty()) {
        notices << notice;
    }
    ConfigScriptReaderActions actions;
    actions.loadGameSet = [&notices](const QString& set) {
        if (loadAndSelectGameSet(set)) {
            return true;
        }
        notices << QStringLiteral(
                       "%1, named by the script, is not in the game set folder; its lines stay in "
                       "other commands.")
                       .arg(set);
        return false;
    };
    actions.appendOtherCommand = [&pendingLines](const QString& line) {
        pendingLines += line;
        pendingLines += QStringLiteral("\r\n");
    };
    actions.lineRead = [&] {
        if (sinceEvents.elapsed() >= kEventInterval.count()) {
            addPendingLines();
            doEvents();
            sinceEvents.restart();
        }
    };
    textfile::LineReader lines(file.bytes);
    readConfigScript(lines, programTables(), actions);
    addPendingLines();
    ModelEvents::notifyValues();
    Form3::instance()->reportLoadProblems(notices);

    if (!textBox.isNull()) {
        textBox->setUndoRedoEnabled(true);
    }
    Form3::instance()->offerToBringIn(file.bytes);
    return {};
}

}  // namespace scriptloom
