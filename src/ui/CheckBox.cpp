#include "ui/CheckBox.h"

namespace scriptloom {

CheckBox::CheckBox(QWidget* parent) : QCheckBox(parent) {
    setTristate(true);
}

std::int16_t CheckBox::value() const {
    switch (checkState()) {
        case Qt::Checked:
            return kChecked;
        case Qt::PartiallyChecked:
            return kGreyed;
        case Qt::Unchecked:
            break;
    }
    return kUnchecked;
}

void CheckBox::setValue(std::int16_t value) {
    switch (value) {
        case kUnchecked:
            setCheckState(Qt::Unchecked);
            break;
        case kChecked:
            setCheckState(Qt::Checked);
            break;
        case kGreyed:
            setCheckState(Qt::PartiallyChecked);
            break;
        default:
            break;
    }
}

void CheckBox::nextCheckState() {
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

}  // namespace scriptloom
