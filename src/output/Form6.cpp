#include "output/Form6.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QTextCursor>

#include "ui/ModelEvents.h"
#include "ui_Form6.h"

namespace scriptloom {

namespace {

// The editor keeps lines as paragraphs; scripts separate them with CR LF.
QString toEditorText(QString text) {
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

}  // namespace

Form6::Form6() : ui(std::make_unique<Ui::Form6>()) {
    setAttribute(Qt::WA_DeleteOnClose);
    ui->setupUi(this);
    // Commands line up and read better in a fixed-width font, as in the game's console.
    ui->Text1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    connect(ui->Text1, &QPlainTextEdit::textChanged, this, &ModelEvents::notifyScriptOptions);
}

// The text goes with the window.
Form6::~Form6() {
    ModelEvents::notifyScriptOptions();
}

QPlainTextEdit* Form6::Text1() const {
    return ui->Text1;
}

QString Form6::text() const {
    // The raw text keeps what the user typed, non-breaking spaces included; only the paragraph
    // breaks become line ends.
    QString text = ui->Text1->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    text.replace(QChar::LineSeparator, QLatin1String("\r\n"));
    return text;
}

void Form6::setText(const QString& text) {
    ui->Text1->setPlainText(toEditorText(text));
}

void Form6::appendText(const QString& text) {
    QTextCursor end(ui->Text1->document());
    end.movePosition(QTextCursor::End);
    end.insertText(toEditorText(text));
}

// Closing the window through its frame puts it away as Escape does: discarding it would drop
// every free line from the next save without a word.
void Form6::closeEvent(QCloseEvent* event) {
    hide();
    event->ignore();
}

// Escape puts the window away with its text, as "Add other commands" brings it back.
void Form6::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace scriptloom
