#pragma once

#include <QStringView>

namespace scriptloom {

// An entry's Command marks where its value goes with "*x"; "*X" counts as well.
inline qsizetype findPlaceholder(QStringView command, qsizetype from = 0) {
    for (qsizetype at = from; at + 1 < command.size(); ++at) {
        if (command[at] == u'*' && (command[at + 1] == u'x' || command[at + 1] == u'X')) {
            return at;
        }
    }
    return -1;
}

}  // namespace scriptloom
