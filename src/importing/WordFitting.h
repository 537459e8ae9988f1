#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

#include "importing/CommandTargets.h"
#include "importing/OtherCommands.h"
#include "model/Entries.h"

namespace scriptloom {
struct GameSetTables;
}

namespace scriptloom::importing {

// An entry's Command as the words the game reads from it, in lower case, with the word that holds
// the value: the first word holding "*x" (in any case), split around it.
struct TemplateWords {
    QList<QByteArray> lowered;
    int valueWord = -1;  // -1: no "*x", or "*x" in the command's name; such a Command fits nothing
    qsizetype before = 0;  // bytes of that word before "*x"
    qsizetype after = 0;   // bytes of that word after "*x"
    bool binds = false;    // the Command binds a key
};
TemplateWords templateWords(QStringView command);

// The value a command gives a template it fits, or nothing. It fits when both have as many words
// and they match pair by pair, letter case ignored, except the value word: "*x" alone takes the
// command's whole word, and "pre*xpost" takes what a command word holds between "pre" and "post".
// The template's quotes do not matter, since the game drops them as it splits the words.
std::optional<QByteArray> fittingValue(const Words& command, const TemplateWords& fitting);

// Whether two commands do the same to the game: they change the same cvar or key, and store the
// same text. Command, cvar and key names are compared in any letter case, as the game looks them
// up; the stored text exactly, except that a bound text is compared as the game runs it when the
// key is pressed.
bool doTheSame(const Words& a, const Words& b);

// What an entry stores when a command fits its Command with `value`, or nothing when it must not
// take it: the value is empty, a Switch value is neither 0 nor 1, or a line the program would
// write for an entry of that kind and Name does anything but what the command did (it must be one
// whole command under both engines' cutting). A Selection stores its option whose written value
// is the value, else the value itself.
std::optional<QString> valueTaken(const GameSetTables& tables, EntryKind kind, int index,
                                  QByteArrayView value, const Words& command);

// The Commands of all entries of some tables, indexed by their fixed words so that a command
// finds the few templates it might fit at once: by its number of words, the place of the value
// word and the other words in lower case.
class FittingIndex {
public:
    // The index refers to the tables, which must outlive it unchanged.
    explicit FittingIndex(const GameSetTables& tables, const Yield& yield = {});

    struct Fit {
        EntryKind kind;
        int index;
        QByteArray value;
        bool binds;
    };
    // Every entry whose Command the command fits, with the value it gives: Bindings, Switches,
    // then Selections, each by index.
    QList<Fit> fits(const Words& command) const;

private:
    struct Item {
        EntryKind kind;
        int index;
    };
    void add(EntryKind kind, int index, const QString& command);

    const GameSetTables& tables_;
    std::vector<Item> items_;
    QHash<QByteArray, QList<int>> byFixedWords_;
    // For each number of words, the places of the value word that some template has.
    QHash<qsizetype, QList<int>> valuePlaces_;
};

}  // namespace scriptloom::importing
