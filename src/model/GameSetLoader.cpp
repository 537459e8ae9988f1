#include "model/GameSetLoader.h"

#include <QDir>

#include "files/TextFile.h"
#include "model/GameSetTables.h"
#include "model/LoadDiagnosis.h"
#include "model/TreeAdder.h"

namespace scriptloom {

namespace {

const QString kSelectionsKeyword = QStringLiteral("SELECTIONS");
const QString kSwitchKeyword = QStringLiteral("SWITCH");
const QString kBindingKeyword = QStringLiteral("BINDING");
const QString kSelectKeyword = QStringLiteral("SELECT");
const QString kEndKeyword = QStringLiteral("END");

// One pass over one file, with the current line that the three block tests look at in turn.
class GameSetReader {
public:
    GameSetReader(QByteArray bytes, const QString& path, GameSetTables& tables, NodeTree& tree,
                  const std::function<void()>& entryLoaded)
        : reader_(std::move(bytes)),
          fileName_(QDir::toNativeSeparators(path)),
          tables_(tables),
          tree_(tree),
          entryLoaded_(entryLoaded) {}

    QStringList run() {
        while (!reader_.atEnd() && !cutOff_) {
            current_ = reader_.readLine();
            if (current_ == kSelectionsKeyword) {
                readSelection();
            }
            // After a Selection the current line is its "END" (or an option reading "END"), which
            // the next tests pass over; after a Switch it is the Comment, which the Binding test
            // still sees.
            if (!cutOff_ && current_ == kSwitchKeyword) {
                readSwitchOrBinding(tables_.Switches, QStringLiteral("Switch"), fullSwitches_);
            }
            if (!cutOff_ && current_ == kBindingKeyword) {
                readSwitchOrBinding(tables_.Bindings, QStringLiteral("Binding"), fullBindings_);
            }
        }
        reportFullTable(fullSelections_, QStringLiteral("Selections"));
        reportFullTable(fullSwitches_, QStringLiteral("Switches"));
        reportFullTable(fullBindings_, QStringLiteral("Bindings"));
        return problems_;
    }

private:
    // Reads Section, Name, Command and Comment; the current line is then the Comment.
    template <typename Record>
    bool readFields(Record& entry, const QString& kind, int keywordLine) {
        for (QString* field : {&entry.Section, &entry.Name, &entry.Command, &entry.Comment}) {
            if (reader_.atEnd()) {
                problems_ << QStringLiteral(
                                 "%1: the file ends inside the %2 block that starts on line %3; "
                                 "that entry was not loaded.")
                                 .arg(fileName_, kind)
                                 .arg(keywordLine);
                cutOff_ = true;
                return false;
            }
            *field = reader_.readLine();
        }
        current_ = entry.Comment;
        return true;
    }

    void readSelection() {
        const int keywordLine = reader_.lineNumber();
        SelectionEntry entry;
        if (!readFields(entry, QStringLiteral("Selection"), keywordLine)) {
            return;
        }
        int optionsPassed = 0;
        while (current_ != kEndKeyword) {
            if (reader_.atEnd()) {
                reportMissingEnd(entry, keywordLine);
                break;
            }
            current_ = reader_.readLine();
            if (current_ != kSelectKeyword) {
                continue;
            }
            if (reader_.atEnd()) {
                reportMissingEnd(entry, keywordLine);
                break;
            }
            current_ = reader_.readLine();
            if (entry.OptionCount < kMaxOptions) {
                entry.Options[static_cast<std::size_t>(entry.OptionCount)] = current_;
                ++entry.OptionCount;
            } else {
                ++optionsPassed;
            }
        }
        if (optionsPassed > 0) {
            problems_ << QStringLiteral(
                             "%1: the Selection \"%2\" on line %3 has %4 options; only the first "
                             "%5 were kept.")
                             .arg(fileName_, entry.Name)
                             .arg(keywordLine)
                             .arg(kMaxOptions + optionsPassed)
                             .arg(kMaxOptions);
        }
        append(tables_.Selections, std::move(entry), fullSelections_);
    }

    template <typename Record>
    void readSwitchOrBinding(Table<Record>& table, const QString& kind, int& notLoaded) {
        Record entry;
        if (readFields(entry, kind, reader_.lineNumber())) {
            append(table, std::move(entry), notLoaded);
        }
    }

    // Fills the next slot, places the entry's node, then counts the entry, so that an entry is
    // never counted without its node.
    template <typename Record>
    void append(Table<Record>& table, Record entry, int& notLoaded) {
        Record* slot = table.makeRoom();
        if (slot == nullptr) {
            ++notLoaded;
            return;
        }
        *slot = std::move(entry);
        addEntryNode(slot->Section, slot->Name, tree_);
        table.commitAppend();
        if (entryLoaded_) {
            entryLoaded_();
        }
    }

    void reportMissingEnd(const SelectionEntry& entry, int keywordLine) {
        problems_ << QStringLiteral(
                         "%1: the file ends before the END line of the Selection \"%2\" that "
                         "starts on line %3; it was loaded with the options read.")
                         .arg(fileName_, entry.Name)
                         .arg(keywordLine);
        cutOff_ = true;
    }

    void reportFullTable(int notLoaded, const QString& table) {
        if (notLoaded > 0) {
            problems_ << QStringLiteral(
                             "%1: %2 entries were not loaded because the %3 table is full "
                             "(%4 entries).")
                             .arg(fileName_)
                             .arg(notLoaded)
                             .arg(table)
                             .arg(kLargestTableCapacity);
        }
    }

    textfile::LineReader reader_;
    QString fileName_;
    GameSetTables& tables_;
    NodeTree& tree_;
    const std::function<void()>& entryLoaded_;
    QString current_;
    bool cutOff_ = false;
    int fullSelections_ = 0;
    int fullSwitches_ = 0;
    int fullBindings_ = 0;
    QStringList problems_;
};

int entryCount(const GameSetTables& tables) {
    return tables.Selections.Count() + tables.Switches.Count() + tables.Bindings.Count();
}

}  // namespace

GameSetLoadReport loadGameSet(const QString& path, GameSetTables& tables, NodeTree& tree) {
    GameSetLoadReport report;
    textfile::ReadResult file = textfile::readWholeFile(path, textfile::kLargestTextFile);
    if (file.tooLarge) {
        report.problems << QStringLiteral("%1 is too large to be a game set (%2 MB).")
                               .arg(QDir::toNativeSeparators(path), textfile::megabytes(file.size));
        return report;
    }
    if (!file.ok) {
        report.problems << QStringLiteral("Could not open the game set %1: %2.")
                               .arg(QDir::toNativeSeparators(path), file.error);
        return report;
    }
    report.opened = true;
    const int before = entryCount(tables);
    report.problems = loadGameSetBytes(file.bytes, path, tables, tree);
    const int loaded = entryCount(tables) - before;
    // A file cut off or refused by a full table has been explained already.
    if (report.problems.isEmpty() || loaded > 0) {
        report.notice = gameSetLoadNotice(file.bytes, QDir::toNativeSeparators(path), loaded);
    }
    return report;
}

QStringList loadGameSetBytes(QByteArray bytes, const QString& fileName, GameSetTables& tables,
                             NodeTree& tree, const std::function<void()>& entryLoaded) {
    return GameSetReader(std::move(bytes), fileName, tables, tree, entryLoaded).run();
}

}  // namespace scriptloom
