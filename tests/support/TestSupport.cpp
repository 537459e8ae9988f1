#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "ui/TextFile.h"

namespace scriptloom::test {

QByteArray crlfLines(const QStringList& lines) {
    textfile::LineWriter writer;
    for (const QString& line : lines) {
        writer.writeLine(line);
    }
    return writer.bytes();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace scriptloom::test
