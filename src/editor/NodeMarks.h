#pragma once

#include <QHash>
#include <QObject>

namespace scriptloom {

class TreeView;
struct NodeMark;

// The marks beside the editor's nodes. An entry with a value is bold with "= value" beside it,
// and marked "(clash)" in red when it shares its key with another action; a section tells how
// many of its entries have a value. The node's text itself is never touched, since lookups
// compare it with Name. The marks follow every change of the entries and values.
class NodeMarks : public QObject {
    Q_OBJECT

public:
    explicit NodeMarks(TreeView* tree);

private:
    NodeMark markOf(int number);
    int setEntriesUnder(int number);

    TreeView* tree_;
    // How many entries under each section have a value; emptied when anything changes.
    QHash<int, int> setCounts_;
};

}  // namespace scriptloom
