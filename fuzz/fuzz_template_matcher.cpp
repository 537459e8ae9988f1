// Checks the command template index against the plain rule: for arbitrary templates spread over
// the three kinds and arbitrary command lines, the matcher must find the same first entry and value
// as trying every Binding, Switch and Selection in order.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "menu/CommandTemplates.h"
#include "model/GameSetTables.h"
#include "support/TemplateScan.h"
#include "ui/TextFile.h"

using namespace scriptloom;

// The first byte says how many of the lines that follow are templates; the rest are script lines.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const int templateCount = data[0] % 24;
    textfile::LineReader lines(
        QByteArray(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1)));
    GameSetTables tables;
    tables.resetAll();
    for (int i = 0; i < templateCount && !lines.atEnd(); ++i) {
        const QString command = lines.readLine();
        switch (i % 4) {
            case 0:
                tables.Bindings.append({"S", command, command, "", ""});
                break;
            case 1:
                tables.Switches.append({"S", command, command, "", ""});
                break;
            case 2:
                tables.Selections.append({"S", command, command, "", {}, 0, ""});
                break;
            default:  // the same template in two kinds
                tables.Switches.append({"S", command, command, "", ""});
                tables.Bindings.append({"S", command, command, "", ""});
                break;
        }
    }
    TemplateMatcher matcher(tables);
    while (!lines.atEnd()) {
        const QString line = lines.readLine();
        const std::optional<TemplateMatch> expected = test::firstFitByScan(tables, line);
        const std::optional<TemplateMatch> found = matcher.firstFit(line);
        if (found.has_value() != expected.has_value() ||
            (found && (found->kind != expected->kind || found->index != expected->index ||
                       found->value != expected->value))) {
            std::abort();
        }
    }
    return 0;
}
