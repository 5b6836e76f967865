#pragma once

#include <QString>

namespace pelorin::history {

// Where the history file lives: xdgDataHome/pelorin/history.sqlite, or
// homeDir/.local/share/pelorin/history.sqlite when xdgDataHome is empty or
// not an absolute path (such a value is to be ignored).
QString HistoryFilePath(const QString& xdgDataHome, const QString& homeDir);

// The same from the environment: XDG_DATA_HOME and the user's home folder.
QString DefaultHistoryFilePath();

}  // namespace pelorin::history
