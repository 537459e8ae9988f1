#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QByteArrayView>
#include <QList>

// How the game's console reads a script: the one place in the program that knows how the engine
// cuts the bytes of a script into commands, splits a command into words, and what a command then
// stores. Everything works on the bytes as the file holds them (Windows-1252).
namespace scriptloom::console {

// The engines that run the game's scripts cut commands in one of two ways. Both end a command at a
// line end, at a ";" outside double quotes and after 1023 bytes. ioquake3 also follows comments:
// after "//" a ";" no longer ends the command, and "/*" runs across ";" and line ends up to its
// "*/", where the command ends. The original engine, and those taken from it, know no comments
// there, so a ";" ends the command even after "//".
enum class Cutting { IoQuake3, Original };
inline constexpr Cutting kBothCuttings[] = {Cutting::IoQuake3, Cutting::Original};

// The longest command the console keeps. A longer one is cut after this many bytes, the byte
// after them is lost, and the rest is read as the next command.
inline constexpr qsizetype kLongestCommand = 1023;

// Cuts a script into the commands the console runs, in order, one at a time. A command is a run of
// the script's bytes; commands that hold no word are handed out too (the console runs nothing for
// them). The script ends at its first NUL byte, as it does for the engine.
class CommandCutter {
public:
    CommandCutter(QByteArrayView script, Cutting cutting);
    // The next command; false when the script is used up. The command stays valid while the
    // cutter and the script do.
    bool next(QByteArrayView& command);
    // Where the next command starts in the script.
    qsizetype position() const { return position_; }

private:
    QByteArrayView script_;
    Cutting cutting_;
    qsizetype position_ = 0;
    // ioquake3 keeps these from one command to the next.
    bool inSlashComment_ = false;
    bool inStarComment_ = false;
    QByteArray lastCommand_;  // the last command with the line end the engine adds
};

// Splits one command into its words, as the console does before it runs the command. Blanks are
// the bytes up to 0x20 and, outside quotes, every byte from 0x80 up (the engine's char is signed).
// A '"' starts a word that runs to the next '"' or to the end and keeps every byte; a '"' also
// ends a plain word. "//" ends the words; "/* */" is skipped, and an unclosed "/*" ends them.
class WordSplitter {
public:
    explicit WordSplitter(QByteArrayView command) : command_(command) {}
    // The next word; false when there are no more.
    bool next(QByteArrayView& word);
    // Where the "//" that ended the words starts, once next() has said there are no more; -1 when
    // the words ended otherwise. What follows it is a remark the console never reads.
    qsizetype remarkStart() const { return remark_; }

private:
    QByteArrayView command_;
    qsizetype position_ = 0;
    qsizetype remark_ = -1;
    int count_ = 0;
    bool done_ = false;
};

// The whole reading at once, for callers that want lists.
QByteArrayList cutCommands(QByteArrayView script, Cutting cutting);
QList<QByteArrayView> splitWords(QByteArrayView command);
bool holdsWord(QByteArrayView command);
// The commands of the script that hold a word, which are the ones the console runs.
int runCommandCount(QByteArrayView script, Cutting cutting);

// The first word of what a command stores: "set", "seta", "sets", "setu" and "bind" (in any letter
// case) store the words from the third on, as a cvar's value or a key's bound text; any other
// command, such as a bare "name value", stores the words from the second on.
qsizetype storedTextStart(QByteArrayView commandName);
// Whether the command binds a key ("bind" in any letter case); its stored text is read again as a
// line of its own each time the key is pressed.
bool isBindCommand(QByteArrayView commandName);

// The words from `from` on joined by one blank, as the console joins a value: the words of
// `seta x "2"2"` give "2 2 " (the last word is empty), and `seta x a   b` gives "a b".
QByteArray joinWords(const QList<QByteArrayView>& words, qsizetype from);

}  // namespace scriptloom::console
