#pragma once

#include <QString>
#include <QStringView>

#include "console/WrittenValue.h"

namespace scriptloom::console {

// The line shown under the value's box, one sentence for each kind of trouble found; empty when
// there is none.
QString writtenValueWarning(const WrittenValue& judged);
QString writtenValueWarning(QStringView command, QStringView value);

}  // namespace scriptloom::console
