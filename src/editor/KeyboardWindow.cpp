#include "editor/KeyboardWindow.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>

#include "editor/Form3.h"
#include "editor/KeyboardPicture.h"
#include "model/Entries.h"
#include "model/GameSetTables.h"
#include "output/Form6.h"
#include "ui/ModelEvents.h"

namespace scriptloom {

namespace {

// The size the window had when last seen, so that it comes back the same while the program runs.
QSize& keptSize() {
    static QSize size(1200, 400);
    return size;
}

// The row under the picture that names the four fills.
QLayout* legend() {
    auto* row = new QHBoxLayout;
    const std::pair<KeyState, const char*> fills[] = {
        {KeyState::Free, "Free"},
        {KeyState::Bound, "Bound by an entry"},
        {KeyState::BoundByCommand, "Bound in the other commands"},
        {KeyState::Clash, "Bound twice"},
    };
    for (const auto& [state, text] : fills) {
        QPixmap swatch(14, 14);
        swatch.fill(KeyboardPicture::fillOf(state));
        auto* sample = new QLabel;
        sample->setPixmap(swatch);
        sample->setFrameShape(QFrame::Box);
        row->addWidget(sample);
        row->addWidget(new QLabel(QString::fromLatin1(text)));
        row->addSpacing(12);
    }
    row->addStretch();
    return row;
}

}  // namespace

KeyboardWindow::KeyboardWindow() : picture_(new KeyboardPicture(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Keys"));
    setUpControls();
    resize(keptSize().boundedTo(screen()->availableGeometry().size()));
    connect(ModelEvents::instance(), &ModelEvents::valuesChanged, this, &KeyboardWindow::refresh);
    connect(ModelEvents::instance(), &ModelEvents::entriesChanged, this, &KeyboardWindow::refresh);
    connect(ModelEvents::instance(), &ModelEvents::scriptOptionsChanged, this,
            &KeyboardWindow::refresh);
    connect(picture_, &KeyboardPicture::keyClicked, this, &KeyboardWindow::picKeyboard_KeyClick);
    connect(picture_, &KeyboardPicture::keyMenuRequested, this,
            &KeyboardWindow::picKeyboard_KeyMenu);
}

void KeyboardWindow::setUpControls() {
    picture_->setObjectName(QStringLiteral("picKeyboard"));
    auto* hint = new QLabel(QStringLiteral(
        "Click a key to bind it to the key binding shown in the editor, or to find what is bound "
        "to it. Right-click a bound key to clear it."));
    hint->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(picture_, 1);
    layout->addLayout(legend());
    // The clicks here are the editor's edits, so its Undo and Redo keys work here too.
    if (Form3::exists()) {
        addActions(Form3::instance()->actions());
    }
}

// A hidden window catches up when it is shown again, so it costs the editor nothing meanwhile.
void KeyboardWindow::refresh() {
    if (!isVisible()) {
        return;
    }
    const QString otherCommands = Form6::exists() ? Form6::instance()->text() : QString();
    picture_->setKeys(keysShown(programTables(), otherCommands));
}

// With a key Binding on the editor's panel the key goes into it, as pressing the key would put it
// there; otherwise the editor shows the first entry bound to the key.
void KeyboardWindow::picKeyboard_KeyClick(const QString& key) {
    Form3* editor = Form3::instance();
    if (editor->setShownKey(key)) {
        return;
    }
    const QStringList names = namesBoundTo(programTables(), key);
    if (!names.isEmpty()) {
        editor->showRestoredEntry(EntryKind::Binding, names.first());
    }
}

// "Clear NAME" for each entry bound to the key: the editor shows that entry and clears it, so the
// clearing is one step of its history.
void KeyboardWindow::picKeyboard_KeyMenu(const QString& key, const QPoint& globalPos) {
    const QStringList names = namesBoundTo(programTables(), key);
    if (names.isEmpty()) {
        return;
    }
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const QString& name : names) {
        // A "&" in a Name is shown as itself, not as the mark of a shortcut letter.
        const QString shown = QString(name).replace(u'&', QStringLiteral("&&"));
        menu->addAction(QStringLiteral("Clear %1").arg(shown), this, [name] {
            Form3* editor = Form3::instance();
            editor->showRestoredEntry(EntryKind::Binding, name);
            editor->setShownKey(QString());
        });
    }
    menu->popup(globalPos);
}

// Escape puts the window away; "Keys..." or Ctrl+K in the editor brings it back.
void KeyboardWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

void KeyboardWindow::showEvent(QShowEvent* event) {
    refresh();
    QWidget::showEvent(event);
}

void KeyboardWindow::resizeEvent(QResizeEvent* event) {
    keptSize() = size();
    QWidget::resizeEvent(event);
}

}  // namespace scriptloom
