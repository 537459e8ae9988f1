#include "console/WrittenValueWarning.h"

namespace scriptloom::console {

namespace {

// Blanks stay as they are between the backticks; other control characters are shown by their
// pictures, so that none of what the game reads is hidden. A long reading is cut short.
QString shownReading(const QString& text) {
    constexpr qsizetype kLongestShown = 60;
    QString shown;
    for (const QChar c : text.left(kLongestShown)) {
        shown += c.unicode() < 0x20    ? QChar(0x2400 + c.unicode())
                 : c.unicode() == 0x7F ? QChar(0x2421)
                                       : c;
    }
    return text.size() > kLongestShown ? shown + QStringLiteral("…") : shown;
}

}  // namespace

QString writtenValueWarning(QStringView command, QStringView value) {
    return writtenValueWarning(judgeWrittenValue(command, value));
}

QString writtenValueWarning(const WrittenValue& judged) {
    QStringList lines;
    if (judged.endsEarly) {
        lines << QStringLiteral(
            "This value ends the command early: the game will read the rest as another command.");
    } else if (judged.readOtherwise) {
        lines << QStringLiteral("The game will read this value as: `%1`")
                     .arg(shownReading(judged.readAs));
    }
    if (judged.keyRunsMore && !judged.endsEarly) {
        lines << QStringLiteral(
            "When the key is pressed, the game will run more than one command.");
    }
    if (!judged.unwritable.isEmpty()) {
        constexpr qsizetype kNamed = 5;
        QString listed = judged.unwritable.mid(0, kNamed).join(QStringLiteral(", "));
        if (judged.unwritable.size() > kNamed) {
            listed += QStringLiteral(", …");
        }
        lines
            << QStringLiteral("Characters the script cannot hold are written as ?: %1").arg(listed);
    }
    return lines.join(u'\n');
}

}  // namespace scriptloom::console
