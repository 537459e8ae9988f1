#pragma once

#include <QString>

namespace scriptloom {

// The path a user typed or pasted into "Edit Existing Config File": blanks around it are dropped,
// then one pair of double or single quotes around the whole, as file managers and terminals add
// them when a path is copied. Anything else is kept as typed.
QString typedScriptPath(const QString& typed);

}  // namespace scriptloom
