#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace scriptloom::console {

// What the game makes of one value written into an entry's command template. The line the script
// holds for it (the template with every "*x" replaced, in Windows-1252, with its line end) is read
// under both ways of cutting commands; whatever either finds counts, so the stricter one decides.
// What was meant: the value's command runs as the template's own command does, and stores the
// value as typed (for a bind, the template's bound text with the value in it).
struct WrittenValue {
    // The value ends its command early: the game reads the rest of the line as another command.
    bool endsEarly = false;
    // The game stores something other than the value as typed, shown in `readAs`.
    bool readOtherwise = false;
    QString readAs;
    // Characters that Windows-1252 lacks, each once in the order typed; they are written as "?".
    QStringList unwritable;
    // Pressing the bound key runs more commands than the template's own bound text does.
    bool keyRunsMore = false;

    bool warns() const {
        return endsEarly || readOtherwise || !unwritable.isEmpty() || keyRunsMore;
    }
};

// Judges a value in its template. An empty value writes no line and is never judged.
WrittenValue judgeWrittenValue(QStringView command, QStringView value);

// Whether the value gets any warning; the same judgement without the texts, for counting many.
bool writtenValueWarns(QStringView command, QStringView value);

}  // namespace scriptloom::console
