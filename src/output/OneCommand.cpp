#include "output/OneCommand.h"

#include "console/WrittenValue.h"

namespace scriptloom {

bool valueEndsCommandEarly(QStringView command, QStringView value) {
    return console::judgeWrittenValue(command, value).endsEarly;
}

}  // namespace scriptloom
