#include "editor/StatusLine.h"

#include <QLabel>

namespace scriptloom {

StatusLine::StatusLine(QLabel* label) : label_(label) {
    label_->hide();
    // Long file names must wrap inside the window, not widen it.
    label_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void StatusLine::clear() {
    problems_.clear();
    label_->clear();
    label_->setToolTip(QString());
    label_->hide();
}

void StatusLine::report(const QStringList& problems) {
    if (problems.isEmpty()) {
        return;
    }
    constexpr qsizetype kShown = 3;
    problems_ += problems;
    QString text = problems_.mid(0, kShown).join(u'\n');
    if (problems_.size() > kShown) {
        text += QStringLiteral("\n(and %1 more problems; point here to see them all)")
                    .arg(problems_.size() - kShown);
    }
    label_->setText(text);
    label_->setToolTip(problems_.join(u'\n'));
    label_->show();
}

}  // namespace scriptloom
