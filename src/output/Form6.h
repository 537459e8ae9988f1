#pragma once

#include <QString>
#include <QWidget>
#include <memory>

#include "ui/DefaultInstance.h"

namespace Ui {
class Form6;
}

class QPlainTextEdit;

namespace scriptloom {

// "Config Editor's Text Editor": the other commands, free lines the user types that every config
// script written carries before the entries' command lines. The window only hides, through Escape
// or its frame, so its text stays for the next save; a new config empties it.
class Form6 : public QWidget, public DefaultInstance<Form6> {
    Q_OBJECT

public:
    ~Form6() override;

    QPlainTextEdit* Text1() const;

    // The text with its lines separated by CR LF, as scripts hold it.
    QString text() const;
    void setText(const QString& text);
    // Adds to the end of the text, as opening a script does line by line.
    void appendText(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    friend class DefaultInstance<Form6>;
    Form6();

    std::unique_ptr<Ui::Form6> ui;
};

}  // namespace scriptloom
