#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "ui/NodeTree.h"
#include "ui/TextFile.h"

namespace scriptloom::test {

QByteArray crlfLines(const QStringList& lines) {
    textfile::LineWriter writer;
    for (const QString& line : lines) {
        writer.writeLine(line);
    }
    return writer.bytes();
}

QString treeShape(const NodeTree& tree, int parent) {
    QStringList parts;
    for (const int number : tree.children(parent)) {
        QString part = QString::number(number) + u':' + tree.text(number) + u'/' +
                       QString::number(tree.node(number).image);
        if (!tree.children(number).empty()) {
            part += u'(' + treeShape(tree, number) + u')';
        }
        parts << part;
    }
    return parts.join(parent == 0 ? u' ' : u',');
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace scriptloom::test
