#include "model/NodeSearch.h"

namespace scriptloom {

std::vector<QString> nodeSearchTexts(const NodeTree& nodes, const GameSetTables& tables) {
    std::vector<QString> texts(static_cast<std::size_t>(nodes.count()) + 1);
    for (int number = 1; number <= nodes.count(); ++number) {
        const QString& name = nodes.text(number);
        QString text = name;
        if (nodes.children(number).empty()) {
            const auto gather = [&text, &name](const auto& table) {
                for (const std::int16_t i : table.indicesNamed(name)) {
                    text += u'\n' + table[i].Command + u'\n' + table[i].Comment;
                }
            };
            gather(tables.Selections);
            gather(tables.Switches);
            gather(tables.Bindings);
        }
        texts[static_cast<std::size_t>(number)] = text.toCaseFolded();
    }
    return texts;
}

}  // namespace scriptloom
