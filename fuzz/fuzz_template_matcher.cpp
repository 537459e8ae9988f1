// Checks the command template index against the plain rule: for arbitrary templates spread over
// the three kinds and arbitrary command lines, the matcher must find the same first entry and value
// as trying every Binding, Switch and Selection in order.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "files/TextFile.h"
#include "menu/CommandTemplates.h"
#include "model/GameSetTables.h"
#include "support/TemplateScan.h"

using namespace scriptloom;

namespace {

// Lines of UTF-8 text, ended as the program ends lines: CR LF or a lone CR.
class Utf8Lines {
public:
    explicit Utf8Lines(const QByteArray& bytes) : text_(QString::fromUtf8(bytes)) {}
    bool atEnd() const { return position_ >= text_.size(); }
    QString readLine() {
        qsizetype end = text_.indexOf(u'\r', position_);
        if (end < 0) {
            end = text_.size();
        }
        const QString line = text_.mid(position_, end - position_);
        position_ = end + 1;
        if (position_ < text_.size() && text_[position_] == u'\n') {
            ++position_;
        }
        return line;
    }

private:
    QString text_;
    qsizetype position_ = 0;
};

template <typename Lines>
void checkMatcher(Lines& lines, int templateCount);

}  // namespace

// The first byte says how many of the lines that follow are templates (its value modulo 24); the
// rest are script lines. With its top bit set the lines are read as UTF-8 rather than
// Windows-1252, so templates and lines hold characters whose lower case has another length.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const int templateCount = data[0] % 24;
    const QByteArray rest(reinterpret_cast<const char*>(data + 1),
                          static_cast<qsizetype>(size - 1));
    if ((data[0] & 0x80) != 0) {
        Utf8Lines lines(rest);
        checkMatcher(lines, templateCount);
    } else {
        textfile::LineReader lines(rest);
        checkMatcher(lines, templateCount);
    }
    return 0;
}

namespace {

template <typename Lines>
void checkMatcher(Lines& lines, int templateCount) {
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
}

}  // namespace
