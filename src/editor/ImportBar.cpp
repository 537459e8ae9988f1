#include "editor/ImportBar.h"

#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include "editor/StatusLine.h"
#include "files/ProgramFolder.h"
#include "files/TextFile.h"
#include "gamesets/Form2.h"
#include "importing/BringingIn.h"
#include "menu/ExistingConfig.h"
#include "model/GameSetTables.h"
#include "output/Form6.h"
#include "ui/FileListBox.h"
#include "ui/ModelEvents.h"
#include "ui/ProgramControl.h"

namespace scriptloom {

namespace {

// How often the windows get their turn while commands are fitted.
constexpr qint64 kEventIntervalMs = 30;

QString counted(int count, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

QString offerText(const importing::BringInPlan& plan) {
    const int sets = static_cast<int>(plan.sets.size());
    return QStringLiteral("%1 of this script %2 entries of %3 that %4 not loaded.")
        .arg(counted(plan.commands, "command", "commands"),
             QLatin1String(plan.commands == 1 ? "fits" : "fit"),
             counted(sets, "game set", "game sets"), QLatin1String(sets == 1 ? "is" : "are"));
}

QString broughtInText(const importing::BroughtIn& result, int sets) {
    return QStringLiteral("Brought in %1 as entries of %2; %3 in other commands.")
        .arg(counted(result.commands, "command", "commands"),
             counted(sets, "game set", "game sets"),
             counted(result.linesLeft, "line stays", "lines stay"));
}

// Every game set of the list that is not in use, as its file holds it; a file that cannot be
// read is left out, as it could not be loaded either.
QList<importing::CandidateSet> setsNotInUse() {
    QList<importing::CandidateSet> sets;
    const FileListBox* list = Form2::instance()->File1();
    for (int k = 0; k < list->count(); ++k) {
        if (list->isSelected(k)) {
            continue;
        }
        const QString name = list->itemName(k);
        textfile::ReadResult file =
            textfile::readWholeFile(programfolder::gameSetPath(name), textfile::kLargestTextFile);
        if (file.ok) {
            sets.append({name, std::move(file.bytes)});
        }
    }
    return sets;
}

// What the plan was made from; when it changes while the windows have their turn, the plan is
// no longer the config's.
struct ConfigState {
    QString otherCommands;
    QStringList setsInUse;
    std::uint32_t values;
    std::uint32_t entries;

    static ConfigState now() {
        const GameSetTables& tables = programTables();
        return {
            Form6::instance()->text(), Form2::instance()->gameSetsInUse(), tables.valuesRevision,
            tables.Bindings.revision() + tables.Switches.revision() + tables.Selections.revision()};
    }
    bool operator==(const ConfigState&) const = default;
};

importing::BringInPlan planFor(const ConfigState& state,
                               const QList<importing::CandidateSet>& sets) {
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    return importing::planBringingIn(state.otherCommands, programTables(), sets, [&sinceEvents] {
        if (sinceEvents.elapsed() >= kEventIntervalMs) {
            doEvents();
            sinceEvents.restart();
        }
    });
}

}  // namespace

struct ImportBar::Offer {
    ConfigState state;
    QList<importing::CandidateSet> sets;
    importing::BringInPlan plan;
};

ImportBar::ImportBar(const Controls& controls, QObject* parent) : QObject(parent), ui_(controls) {
    ui_.barImport->hide();
    ui_.lblImport->setWordWrap(true);
    connect(ui_.cmdImport, &QPushButton::clicked, this, &ImportBar::cmdImport_Click);
    connect(ui_.cmdImportDismiss, &QPushButton::clicked, this, &ImportBar::cmdImportDismiss_Click);
}

ImportBar::~ImportBar() = default;

void ImportBar::offer(const QByteArray& script) {
    close();
    ConfigState state = ConfigState::now();
    if (importing::isUnchangedProgramScript(script, state.setsInUse, state.otherCommands,
                                            programTables())) {
        return;
    }
    const QPointer<ImportBar> self(this);
    QList<importing::CandidateSet> sets = setsNotInUse();
    importing::BringInPlan plan = planFor(state, sets);
    if (self.isNull() || plan.commands == 0 || !(ConfigState::now() == state)) {
        return;
    }
    ui_.lblImport->setText(offerText(plan));
    ui_.barImport->show();
    offered_.reset(new Offer{std::move(state), std::move(sets), std::move(plan)});
}

void ImportBar::close() {
    ui_.barImport->hide();
    offered_.reset();
}

// Loads the chosen sets through the same road as a "//LOAD" line, so they are selected in the
// list and named on the next save, and gives the values. What the offer planned is taken when
// nothing has changed since; otherwise the config is planned again as it is now.
void ImportBar::cmdImport_Click() {
    const ConfigState before = ConfigState::now();
    QList<importing::CandidateSet> sets = setsNotInUse();
    importing::BringInPlan plan;
    if (offered_ != nullptr && offered_->state == before && offered_->sets == sets) {
        plan = std::move(offered_->plan);
    } else {
        ui_.barImport->setEnabled(false);
        const QPointer<ImportBar> self(this);
        plan = planFor(before, sets);
        if (self.isNull()) {
            return;
        }
        ui_.barImport->setEnabled(true);
        if (!(ConfigState::now() == before)) {
            ui_.status->report({QStringLiteral(
                "The config changed while its commands were being fitted; nothing was brought "
                "in. Press \"Bring them in\" again.")});
            return;
        }
    }
    close();
    // What the status line said about opening the script (its LF line ends) is now told by what
    // was brought in; problems of the sets loaded now follow.
    ui_.status->clear();
    for (const QString& set : plan.sets) {
        loadAndSelectGameSet(set);
    }
    const importing::BroughtIn result =
        importing::bringIn(plan, programTables(), before.otherCommands);
    Form6::instance()->setText(result.otherCommands);
    ModelEvents::notifyValues();
    ui_.status->report({broughtInText(result, static_cast<int>(plan.sets.size()))});
}

void ImportBar::cmdImportDismiss_Click() {
    close();
}

}  // namespace scriptloom
