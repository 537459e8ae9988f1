#include "BenchSupport.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <algorithm>

#include "files/TextFile.h"

namespace scriptloom::bench {

namespace {
constexpr int kSections = 300;
}  // namespace

QByteArray bigGameSet(int keyBindings) {
    textfile::LineWriter out;
    for (int i = 0; i < kBigGameSetPerKind; ++i) {
        const QString section = QStringLiteral("Section %1").arg(i % kSections);
        out.writeLine(u"SELECTIONS");
        out.writeLine(section);
        out.writeLine(QStringLiteral("Selection %1").arg(i));
        out.writeLine(QStringLiteral("seta sel_%1 \"*x\"").arg(i));
        out.writeLine(QStringLiteral("Picks a value for selection %1; default 2.").arg(i));
        for (int option = 0; option < 5; ++option) {
            out.writeLine(u"SELECT");
            out.writeLine(QString::number(option));
        }
        out.writeLine(u"END");
        out.writeLine(u"");
        for (const char* kind : {"SWITCH", "BINDING"}) {
            out.writeLine(QString::fromLatin1(kind));
            out.writeLine(section);
            out.writeLine(QStringLiteral("%1 %2").arg(QLatin1String(kind)).arg(i));
            const bool bindsKey = i < keyBindings && qstrcmp(kind, "BINDING") == 0;
            out.writeLine(
                bindsKey ? QStringLiteral("bind *x \"+action_%1\"").arg(i)
                         : QStringLiteral("seta %1_%2 \"*x\"").arg(QLatin1String(kind)).arg(i));
            out.writeLine(QStringLiteral("Help text of entry %1.").arg(i));
            out.writeLine(u"");
        }
    }
    return out.bytes();
}

double procStatusMiB(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field)) {
            return line.mid(static_cast<int>(qstrlen(field)))
                       .trimmed()
                       .split(' ')
                       .first()
                       .toDouble() /
                   1024.0;
        }
    }
    return -1;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void preferOffscreen() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

}  // namespace scriptloom::bench
