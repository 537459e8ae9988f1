#include "editor/ScriptPreview.h"

#include <QFontDatabase>
#include <QScrollBar>
#include <QTextBlock>

#include "files/TextFile.h"
#include "gamesets/Form2.h"
#include "model/GameSetTables.h"
#include "output/ConfigWriter.h"
#include "output/Form5.h"
#include "output/Form6.h"
#include "ui/ModelEvents.h"

namespace scriptloom {

ScriptPreview::ScriptPreview(QWidget* parent) : QPlainTextEdit(parent) {
    // Script lines line up in a fixed-width font, as in the other commands' editor.
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    ModelEvents* events = ModelEvents::instance();
    connect(events, &ModelEvents::entriesChanged, this, &ScriptPreview::refresh);
    connect(events, &ModelEvents::valuesChanged, this, &ScriptPreview::refresh);
    connect(events, &ModelEvents::scriptOptionsChanged, this, &ScriptPreview::refresh);
    refresh();
}

void ScriptPreview::markEntry(EntryKind kind, const QString& name) {
    kind_ = kind;
    name_ = name;
    highlightMarkedEntry();
}

// The same writer as "Save", with the game sets in use, the other commands and the comments
// choice of the save dialog (unticked while it was never opened). The view keeps its place.
void ScriptPreview::refresh() {
    const bool comments = Form5::exists() && Form5::instance()->commentsChosen();
    const ConfigScriptContents contents{
        Form2::exists() ? Form2::instance()->gameSetsInUse() : QStringList(),
        Form6::exists() ? Form6::instance()->text() : QString(), comments};
    QString text = textfile::decode(writeConfigScript(contents, programTables()));
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QScrollBar* scroll = verticalScrollBar();
    const int at = scroll->value();
    setPlainText(text);
    scroll->setValue(at);
    highlightMarkedEntry();
}

void ScriptPreview::highlightMarkedEntry() {
    QStringList lines;
    const GameSetTables& tables = programTables();
    const auto gather = [this, &lines](const auto& table, auto valueOf) {
        for (const std::int16_t i : table.indicesNamed(name_)) {
            const QStringView value = valueOf(table[i]);
            if (!value.isEmpty()) {
                lines << replacePlaceholder(table[i].Command, value);
            }
        }
    };
    if (kind_ == EntryKind::Selection) {
        gather(tables.Selections,
               [](const SelectionEntry& entry) { return selectionValue(entry.Choice); });
    } else if (kind_ == EntryKind::Switch) {
        gather(tables.Switches, [](const SwitchEntry& entry) { return QStringView(entry.State); });
    } else if (kind_ == EntryKind::Binding) {
        gather(tables.Bindings, [](const BindingEntry& entry) { return QStringView(entry.Value); });
    }
    QList<QTextEdit::ExtraSelection> marks;
    if (!lines.isEmpty()) {
        const QColor background = palette().color(QPalette::Highlight).lighter(170);
        for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
            if (lines.contains(block.text())) {
                QTextEdit::ExtraSelection mark;
                mark.cursor = QTextCursor(block);
                mark.format.setBackground(background);
                mark.format.setProperty(QTextFormat::FullWidthSelection, true);
                marks << mark;
            }
        }
    }
    setExtraSelections(marks);
    if (!marks.isEmpty()) {
        setTextCursor(marks.first().cursor);
        ensureCursorVisible();
    }
}

}  // namespace scriptloom
