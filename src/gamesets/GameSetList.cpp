#include "gamesets/GameSetList.h"

#include <QDir>
#include <QLabel>

#include "ui/FileListBox.h"

namespace scriptloom {

void pointGameSetListAt(FileListBox& list, QLabel& status, const QString& folder) {
    list.setPath(folder);
    const QString problem = list.folderError();
    status.setVisible(!problem.isEmpty());
    status.setText(problem.isEmpty() ? QString()
                                     : QStringLiteral("No game sets in %1: %2.")
                                           .arg(QDir::toNativeSeparators(folder), problem));
}

}  // namespace scriptloom
