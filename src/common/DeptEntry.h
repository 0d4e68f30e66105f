#pragma once
#include <QString>

// A department as slip screens list it and hand it to each other: the name
// padded to 30 bytes, the 4-character code, then "N". The code is always
// bytes 31 to 34 of the entry (CP949 widths).
namespace DeptEntry {
QString text(const QString& deptName, const QString& deptCode);
QString codeOf(const QString& entryText);
}  // namespace DeptEntry
