#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <optional>

#include "model/Entries.h"

namespace scriptloom {

// The preview beside the editor's panel: the script exactly as "Save" would write it now, with
// the lines of the entry on the panel marked and the first of them brought into view. It follows
// every change of the entries, the values and the script's other contents.
class ScriptPreview : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit ScriptPreview(QWidget* parent = nullptr);

    // Marks the lines that the entries of this kind and Name write.
    void markEntry(EntryKind kind, const QString& name);

private:
    void refresh();
    void highlightMarkedEntry();

    std::optional<EntryKind> kind_;
    QString name_;
};

}  // namespace scriptloom
