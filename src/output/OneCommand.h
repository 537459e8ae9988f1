#pragma once

#include <QStringView>

namespace scriptloom {

// Whether a value put into a command template makes the game read the rest of its line as
// another command.
bool valueEndsCommandEarly(QStringView command, QStringView value);

}  // namespace scriptloom
