#pragma once

#include <QByteArray>
#include <QObject>
#include <memory>

class QFrame;
class QLabel;
class QPushButton;

namespace scriptloom {

class StatusLine;

// The offer above the editor's tree to bring in the other commands of a script just opened as
// entries of game sets that are not loaded. It appears after a script is read when some of its
// commands would be taken, and changes nothing until "Bring them in" is pressed: then the sets
// are loaded and selected as a "//LOAD" line does, their entries take the values, and the other
// commands keep what was not taken. The work itself is the core's (importing/); the windows get
// their turn while it runs.
class ImportBar : public QObject {
    Q_OBJECT

public:
    struct Controls {
        QFrame* barImport;
        QLabel* lblImport;
        QPushButton* cmdImport;
        QPushButton* cmdImportDismiss;
        StatusLine* status;
    };
    ImportBar(const Controls& controls, QObject* parent);
    ~ImportBar() override;

    // Shows the offer when commands of the other commands fit entries of sets not in use, unless
    // `script` is exactly what the program writes for what was read from it.
    void offer(const QByteArray& script);
    void close();

private:
    void cmdImport_Click();
    void cmdImportDismiss_Click();

    // What the offer on show was planned from, and the plan: "Bring them in" takes it as it is
    // while neither the config nor the folder's sets have changed since.
    struct Offer;

    Controls ui_;
    std::unique_ptr<Offer> offered_;
};

}  // namespace scriptloom
