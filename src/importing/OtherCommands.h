#pragma once

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <functional>

#include "importing/CommandTargets.h"

namespace scriptloom::importing {

// Called now and then during long work, so that the windows can have their turn.
using Yield = std::function<void()>;

// The other-commands text read as the game reads it: cut into commands at every line end (CR LF,
// a lone CR or a lone LF) and ";", as the engine cuts a script, and split into words. The text is
// what opening a script left over, so nothing the loaded game sets already took is read twice.
class OtherCommands {
public:
    // `changedAfter` is what the lines written after the text change: those of the entries that
    // already have values.
    OtherCommands(const QString& text, const QList<Target>& changedAfter, const Yield& yield = {});
    OtherCommands(const OtherCommands&) = delete;
    OtherCommands& operator=(const OtherCommands&) = delete;

    struct Command {
        qsizetype start = 0;  // in the text
        qsizetype length = 0;
        qsizetype remark = -1;  // where its "//" remark starts in the text, or -1
        Words words;            // they point into the text's bytes
        // The command may be taken out and written by an entry after all the rest: both engines
        // cut it from the same bytes, it holds no line end and no "/*", it changes one cvar or
        // one key, and nothing after it (in the text, or in the lines of entries written after
        // the text) changes the same.
        bool movable = false;
    };
    // The commands that hold words, in text order.
    const QList<Command>& commands() const { return commands_; }

    struct Remaining {
        QString text;
        int lines = 0;  // lines that hold anything
    };
    // The text without the commands at these positions of commands(). A line none of them is in
    // stays exactly as it was; a line that holds one is replaced by what is left of it: the
    // stretches around the taken commands, trimmed, each on a line of its own, and the "//" remark
    // of each taken command on a line of its own where it stood. Lines are joined with CR LF.
    Remaining without(const QSet<int>& taken) const;

private:
    void addPieces(QStringList& lines, qsizetype from, qsizetype to) const;

    QString text_;
    QByteArray bytes_;
    QList<Command> commands_;
};

}  // namespace scriptloom::importing
