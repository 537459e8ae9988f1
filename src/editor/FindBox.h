#pragma once

#include <QObject>
#include <QString>
#include <vector>

class QLabel;
class QLineEdit;
class QWidget;

namespace scriptloom {

class TreeView;

// The find box above the editor's tree. It keeps on show the nodes whose entry holds the typed
// text in its Name, Command or Comment, or whose section's name holds it, in any letter case.
// Down or Enter in the box goes to the first match, Escape empties it, and the platform's Find
// keys (Ctrl+F) bring the focus here from anywhere in the window.
class FindBox : public QObject {
    Q_OBJECT

public:
    FindBox(QLineEdit* box, QLabel* noMatch, TreeView* tree, QWidget* window);

    // Makes sure the node is on show, emptying the box when the find hides it.
    void reveal(int node);

    // Empties the box, so that the whole tree shows.
    void clear();

Q_SIGNALS:
    // The first match was selected from the box; the editor shows its entry.
    void matchChosen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void apply();
    const std::vector<QString>& searchTexts();
    void enterTreeAtFirstMatch();

    QLineEdit* box_;
    QLabel* noMatch_;
    TreeView* tree_;
    // Gathered when the box gets the focus or a text is typed, and again after entries changed.
    std::vector<QString> texts_;
    bool textsStale_ = true;
};

}  // namespace scriptloom
