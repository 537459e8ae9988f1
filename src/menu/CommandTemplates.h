#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "model/Entries.h"

namespace scriptloom {

struct GameSetTables;

// The value a command line gives back to an entry whose Command is the given template, or nothing
// when the line does not fit it. The template is the Command split at its first "*x" into a head
// and a tail; the line fits when it is longer than both together, starts with the head and ends
// with the tail, letter case ignored. A Binding's line may instead end with its tail, without its
// outer blanks, in double quotes; the value is still measured with the tail's own length. One
// leading and then one trailing double quote are taken off the value. A Command without "*x" fits
// no line.
std::optional<QString> valueFittingTemplate(QStringView line, QStringView command,
                                            bool quotedTailAllowed);

struct TemplateMatch {
    EntryKind kind;
    int index;
    QString value;
};

// Finds the first entry whose Command a command line fits: every Binding from index 0, then every
// Switch, then every Selection. Trying every entry for each line of a long script would be slow,
// so entries are indexed by the lower-case head and tail of their template (and a Binding also by
// its quoted tail): a line only tries the entries whose head it starts with and whose tail it ends
// with. The index follows the tables: it is rebuilt when entries have been appended or the tables
// reset since it was made.
class TemplateMatcher {
public:
    explicit TemplateMatcher(const GameSetTables& tables) : tables_(tables) {}

    std::optional<TemplateMatch> firstFit(const QString& line);

private:
    struct Candidate {
        int order;  // bindings first, then switches, then selections, each by index
        EntryKind kind;
        int index;
    };
    // The entries that share one lower-case head, by the hash of their lower-case tail.
    struct TailIndex {
        std::vector<qsizetype> tailLengths;
        std::unordered_map<std::size_t, std::vector<Candidate>> byTail;
    };
    // The entries whose head has one length, by the hash of their lower-case head.
    struct HeadGroup {
        qsizetype headLength;
        std::unordered_map<std::size_t, TailIndex> byHead;
    };

    void rebuildIfStale();
    void add(EntryKind kind, int index, const QString& command);
    const QString& commandOf(const Candidate& candidate) const;
    // Tries the candidates in order, stopping at `bestOrder`, and keeps the first that fits.
    void tryCandidates(const std::vector<Candidate>& candidates, const QString& line,
                       std::optional<TemplateMatch>& best, int& bestOrder) const;

    const GameSetTables& tables_;
    std::array<std::uint32_t, 3> revisions_{};
    bool built_ = false;
    std::vector<HeadGroup> groups_;
    // Templates whose lower-case form has another length cannot be found by a prefix or suffix of
    // the line; they are always tried.
    std::vector<Candidate> unusual_;
};

}  // namespace scriptloom
