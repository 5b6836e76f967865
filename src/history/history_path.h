#pragma once

#include <QString>
#include <system_error>

namespace pelorin::history {

// Where the history file lives: xdgDataHome/pelorin/history.sqlite, or
// homeDir/.local/share/pelorin/history.sqlite when xdgDataHome is empty or
// not an absolute path (such a value is to be ignored).
QString HistoryFilePath(const QString& xdgDataHome, const QString& homeDir);

// The same from the environment: XDG_DATA_HOME and the user's home folder
// (HOME), their bytes kept as DecodeFileName keeps them.
QString DefaultHistoryFilePath();

// The history names the user's files, so what Pelorin makes for it is the
// user's alone: each folder it makes is 0700, the file 0600 (SQLite's -wal
// and -shm take the file's). What exists already keeps the permissions the
// user gave it.
//
// Makes folder and the folders above it that are missing.
std::error_code MakeHistoryFolder(const QString& folder);
// Makes an empty file at path unless something is there; SQLite begins a
// database in it.
std::error_code MakeHistoryFile(const QString& path);

}  // namespace pelorin::history
