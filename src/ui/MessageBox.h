#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace scriptloom {

// Tells the user that something they just asked for went wrong, in a modal message box over the
// window where it happened.
void tellUserOfFailure(QWidget* parent, const QString& title, const QString& text);

// Replaces the message box (tests, which must run unattended); an empty function restores it.
void setFailureMessageHandler(
    std::function<void(QWidget* parent, const QString& title, const QString& text)> handler);

}  // namespace scriptloom
