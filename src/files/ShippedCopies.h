#pragma once

#include <QString>
#include <QStringList>

namespace scriptloom {

// Gives the player one copy of each file an installed program ships in a folder. Every file of the
// shipped folder that the record does not name yet is copied into the player's folder, unless the
// player already has a file of that name, which is kept as it is. Either way the name joins the
// record, so a copy the player deletes is not brought back later, while a file that starts shipping
// in a later version still arrives. The player's folder is created when missing.
//
// Returns what went wrong, one message per file naming it and the system's reason. A file that
// could not be copied stays off the record and is tried again next time; when the record cannot be
// read nothing is copied, because a deleted copy could no longer be told from a new file.
QStringList copyShippedFilesOnce(const QString& shippedFolder, const QString& playerFolder,
                                 const QString& recordPath);

}  // namespace scriptloom
