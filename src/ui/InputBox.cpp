#include "ui/InputBox.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace scriptloom {

namespace {

InputBoxHandler& handler() {
    static InputBoxHandler replacement;
    return replacement;
}

// Where the file dialog opens: the folder of an absolute path already typed, if it is there.
QString startFolder(const QString& typed, const QString& fallback) {
    const QFileInfo file(QDir::fromNativeSeparators(typed));
    if (!typed.isEmpty() && file.isAbsolute() && file.dir().exists()) {
        return file.absolutePath();
    }
    return QDir(fallback).exists() ? fallback : QDir::homePath();
}

}  // namespace

QString inputBox(QWidget* parent, const QString& prompt, const QString& title,
                 const QString& defaultAnswer, const QString& browseFilter,
                 const QString& browseFolder) {
    if (handler()) {
        return handler()(prompt, title, defaultAnswer);
    }

    QDialog box(parent);
    box.setWindowTitle(title);
    auto* layout = new QGridLayout(&box);
    auto* question = new QLabel(prompt, &box);
    question->setWordWrap(true);
    question->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* answer = new QLineEdit(defaultAnswer, &box);
    answer->selectAll();
    // OK and Cancel at the top right, as a question box has them, and Browse... under them.
    auto* ok = new QPushButton(QStringLiteral("OK"), &box);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), &box);
    auto* browse = new QPushButton(QStringLiteral("&Browse..."), &box);
    ok->setDefault(true);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    buttons->addWidget(browse);
    layout->addWidget(question, 0, 0);
    layout->addLayout(buttons, 0, 1);
    layout->addWidget(answer, 1, 0, 1, 2);
    layout->setColumnMinimumWidth(0, 280);
    layout->setRowMinimumHeight(0, 90);

    QObject::connect(ok, &QPushButton::clicked, &box, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &box, &QDialog::reject);
    QObject::connect(browse, &QPushButton::clicked, &box, [&] {
        const QString chosen = QFileDialog::getOpenFileName(
            &box, title, startFolder(answer->text(), browseFolder), browseFilter);
        if (!chosen.isEmpty()) {
            answer->setText(QDir::toNativeSeparators(chosen));
        }
        answer->setFocus();
    });
    answer->setFocus();
    return box.exec() == QDialog::Accepted ? answer->text() : QString();
}

void setInputBoxHandler(InputBoxHandler replacement) {
    handler() = std::move(replacement);
}

}  // namespace scriptloom
