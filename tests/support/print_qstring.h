#pragma once

// Included into every test (see tests/CMakeLists.txt), so that GoogleTest
// prints a QString in a failing comparison as its text, not as its QChars.

#include <QString>
#include <ostream>

// Found by argument-dependent lookup: QString is in the global namespace.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
