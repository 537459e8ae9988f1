#pragma once

#include <QCheckBox>
#include <cstdint>

namespace scriptloom {

// A check box whose value is 0 (unchecked), 1 (checked) or 2 (greyed). Code may set any of the
// three; a user's click only ever leaves it checked or unchecked: a greyed box becomes checked.
class CheckBox : public QCheckBox {
    Q_OBJECT

public:
    static constexpr std::int16_t kUnchecked = 0;
    static constexpr std::int16_t kChecked = 1;
    static constexpr std::int16_t kGreyed = 2;

    explicit CheckBox(QWidget* parent = nullptr);

    std::int16_t value() const;
    // Values outside 0 to 2 are ignored.
    void setValue(std::int16_t value);

protected:
    void nextCheckState() override;
};

}  // namespace scriptloom
