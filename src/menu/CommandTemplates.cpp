#include "menu/CommandTemplates.h"

#include <QHash>
#include <QStringList>
#include <algorithm>
#include <limits>

#include "model/GameSetTables.h"
#include "model/Placeholder.h"

namespace scriptloom {

namespace {

bool equalIgnoringCase(QStringView a, QStringView b) {
    return a.toString().toLower() == b.toString().toLower();
}

// The tail without its leading and trailing blanks, in double quotes.
QString quoted(QStringView tail) {
    qsizetype first = 0;
    qsizetype end = tail.size();
    while (first < end && tail[first] == u' ') {
        ++first;
    }
    while (end > first && tail[end - 1] == u' ') {
        --end;
    }
    return u'"' + tail.sliced(first, end - first).toString() + u'"';
}

std::size_t hashOf(QStringView text) {
    return qHash(text);
}

}  // namespace

std::optional<QString> valueFittingTemplate(QStringView line, QStringView command,
                                            bool quotedTailAllowed) {
    const qsizetype placeholder = findPlaceholder(command);
    if (placeholder < 0) {
        return std::nullopt;
    }
    const QStringView head = command.first(placeholder);
    const QStringView tail = command.sliced(placeholder + 2);
    if (line.size() <= head.size() + tail.size() ||
        !equalIgnoringCase(line.first(head.size()), head)) {
        return std::nullopt;
    }
    bool tailFits = equalIgnoringCase(line.last(tail.size()), tail);
    if (!tailFits && quotedTailAllowed) {
        const QString quotedTail = quoted(tail);
        tailFits = line.size() >= quotedTail.size() &&
                   equalIgnoringCase(line.last(quotedTail.size()), quotedTail);
    }
    if (!tailFits) {
        return std::nullopt;
    }
    QStringView value = line.sliced(head.size(), line.size() - head.size() - tail.size());
    if (value.startsWith(u'"')) {
        value = value.sliced(1);
    }
    if (value.endsWith(u'"')) {
        value.chop(1);
    }
    return value.toString();
}

std::optional<TemplateMatch> TemplateMatcher::firstFit(const QString& line) {
    rebuildIfStale();
    std::optional<TemplateMatch> best;
    int bestOrder = std::numeric_limits<int>::max();
    const QString lowerLine = line.toLower();
    // A prefix or suffix of the lower-case line is the lower-case prefix or suffix only when
    // lower-casing kept every character in place; otherwise every entry is tried.
    const bool inPlace = lowerLine.size() == line.size();
    for (const HeadGroup& group : groups_) {
        if (!inPlace) {
            for (const auto& [headHash, tails] : group.byHead) {
                for (const auto& [tailHash, candidates] : tails.byTail) {
                    tryCandidates(candidates, line, best, bestOrder);
                }
            }
            continue;
        }
        if (group.headLength >= line.size()) {
            continue;
        }
        const auto head = group.byHead.find(hashOf(QStringView(lowerLine).first(group.headLength)));
        if (head == group.byHead.end()) {
            continue;
        }
        for (const qsizetype tailLength : head->second.tailLengths) {
            if (tailLength > line.size()) {
                continue;
            }
            const auto tail =
                head->second.byTail.find(hashOf(QStringView(lowerLine).last(tailLength)));
            if (tail != head->second.byTail.end()) {
                tryCandidates(tail->second, line, best, bestOrder);
            }
        }
    }
    tryCandidates(unusual_, line, best, bestOrder);
    return best;
}

void TemplateMatcher::tryCandidates(const std::vector<Candidate>& candidates, const QString& line,
                                    std::optional<TemplateMatch>& best, int& bestOrder) const {
    for (const Candidate& candidate : candidates) {
        if (candidate.order >= bestOrder) {
            return;
        }
        std::optional<QString> value =
            valueFittingTemplate(line, commandOf(candidate), candidate.kind == EntryKind::Binding);
        if (value.has_value()) {
            best = TemplateMatch{candidate.kind, candidate.index, std::move(*value)};
            bestOrder = candidate.order;
            return;
        }
    }
}

const QString& TemplateMatcher::commandOf(const Candidate& candidate) const {
    switch (candidate.kind) {
        case EntryKind::Binding:
            return tables_.Bindings[candidate.index].Command;
        case EntryKind::Switch:
            return tables_.Switches[candidate.index].Command;
        case EntryKind::Selection:
            break;
    }
    return tables_.Selections[candidate.index].Command;
}

void TemplateMatcher::rebuildIfStale() {
    const std::array<std::uint32_t, 3> now{tables_.Bindings.revision(), tables_.Switches.revision(),
                                           tables_.Selections.revision()};
    if (built_ && now == revisions_) {
        return;
    }
    built_ = true;
    revisions_ = now;
    groups_.clear();
    unusual_.clear();
    for (int i = 0; i < tables_.Bindings.Count(); ++i) {
        add(EntryKind::Binding, i, tables_.Bindings[i].Command);
    }
    for (int i = 0; i < tables_.Switches.Count(); ++i) {
        add(EntryKind::Switch, i, tables_.Switches[i].Command);
    }
    for (int i = 0; i < tables_.Selections.Count(); ++i) {
        add(EntryKind::Selection, i, tables_.Selections[i].Command);
    }
}

void TemplateMatcher::add(EntryKind kind, int index, const QString& command) {
    const qsizetype placeholder = findPlaceholder(command);
    if (placeholder < 0) {
        return;
    }
    const Candidate candidate{(static_cast<int>(kind) << 16) + index, kind, index};
    const QString head = command.first(placeholder);
    const QString tail = command.sliced(placeholder + 2);
    QStringList tails{tail};
    if (kind == EntryKind::Binding) {
        tails << quoted(tail);
    }
    const QString lowerHead = head.toLower();
    bool inPlace = lowerHead.size() == head.size();
    for (const QString& t : tails) {
        inPlace = inPlace && t.toLower().size() == t.size();
    }
    if (!inPlace) {
        unusual_.push_back(candidate);
        return;
    }
    auto group = std::find_if(groups_.begin(), groups_.end(),
                              [&](const HeadGroup& g) { return g.headLength == head.size(); });
    if (group == groups_.end()) {
        group = groups_.insert(groups_.end(), HeadGroup{head.size(), {}});
    }
    TailIndex& heads = group->byHead[hashOf(lowerHead)];
    for (const QString& t : tails) {
        if (std::find(heads.tailLengths.begin(), heads.tailLengths.end(), t.size()) ==
            heads.tailLengths.end()) {
            heads.tailLengths.push_back(t.size());
        }
        std::vector<Candidate>& candidates = heads.byTail[hashOf(t.toLower())];
        // A quoted tail can equal the plain one; one entry is tried once per list.
        if (candidates.empty() || candidates.back().order != candidate.order) {
            candidates.push_back(candidate);
        }
    }
}

}  // namespace scriptloom
