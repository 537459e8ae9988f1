#pragma once

#include <QStringList>

class QLabel;

namespace scriptloom {

// The editor's status line, which tells what went wrong while game sets or a script were loaded.
// It shows the first few problems and how many more there are; its tooltip holds them all, so a
// badly damaged game set cannot stretch the window. Hidden while there is nothing to tell.
class StatusLine {
public:
    explicit StatusLine(QLabel* label);

    void clear();
    // Adds problems after those already told.
    void report(const QStringList& problems);

private:
    QLabel* label_;
    QStringList problems_;
};

}  // namespace scriptloom
