#include "ui/MessageBox.h"

#include <QMessageBox>

namespace scriptloom {

namespace {

std::function<void(QWidget*, const QString&, const QString&)>& handler() {
    static std::function<void(QWidget*, const QString&, const QString&)> replacement;
    return replacement;
}

}  // namespace

void tellUserOfFailure(QWidget* parent, const QString& title, const QString& text) {
    if (handler()) {
        handler()(parent, title, text);
        return;
    }
    QMessageBox::warning(parent, title, text);
}

void setFailureMessageHandler(
    std::function<void(QWidget* parent, const QString& title, const QString& text)> replacement) {
    handler() = std::move(replacement);
}

}  // namespace scriptloom
