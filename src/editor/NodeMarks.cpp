#include "editor/NodeMarks.h"

#include <algorithm>

#include "model/EntryLookup.h"
#include "model/KeyClashes.h"
#include "ui/ModelEvents.h"
#include "ui/TreeView.h"

namespace scriptloom {

NodeMarks::NodeMarks(TreeView* tree) : QObject(tree), tree_(tree) {
    tree_->setMarkSource([this](int number) { return markOf(number); });
    const auto refresh = [this] {
        setCounts_.clear();
        tree_->refreshMarks();
    };
    connect(ModelEvents::instance(), &ModelEvents::entriesChanged, this, refresh);
    connect(ModelEvents::instance(), &ModelEvents::valuesChanged, this, refresh);
}

NodeMark NodeMarks::markOf(int number) {
    const NodeTree& nodes = tree_->nodes();
    const std::vector<int>& children = nodes.children(number);
    if (!children.empty()) {
        const int set = setEntriesUnder(number);
        if (set == 0) {
            return {};
        }
        return {QStringLiteral("%1 of %2 set").arg(set).arg(children.size())};
    }
    const QString& name = nodes.text(number);
    const GameSetTables& tables = programTables();
    const QString value = valueShownFor(tables, name);
    if (value.isEmpty()) {
        return {};
    }
    NodeMark mark{QStringLiteral("= ") + value, true};
    // A key that another action is bound to as well is marked where either is seen.
    const KeyClashes& clashes = currentKeyClashes(tables);
    if (clashes.clashes(name)) {
        mark.note += QStringLiteral("  (clash)");
        mark.warns = true;
        mark.tip = clashLine(clashes.clashesOf(name));
    }
    return mark;
}

int NodeMarks::setEntriesUnder(int number) {
    if (const auto known = setCounts_.constFind(number); known != setCounts_.cend()) {
        return *known;
    }
    const NodeTree& nodes = tree_->nodes();
    const GameSetTables& tables = programTables();
    const std::vector<int>& children = nodes.children(number);
    const int set =
        static_cast<int>(std::count_if(children.begin(), children.end(), [&](int child) {
            return !valueShownFor(tables, nodes.text(child)).isEmpty();
        }));
    setCounts_.insert(number, set);
    return set;
}

}  // namespace scriptloom
