#include "common/DeptEntry.h"
#include "common/Cp949.h"
#include "common/TextUtil.h"

namespace DeptEntry {

QString text(const QString& deptName, const QString& deptCode)
{
    // A cut that falls inside a double-byte syllable leaves the name one
    // byte short; it is padded again so the code keeps its place.
    const QString name = FitText(30, false, Cp949::leftBytes(deptName.trimmed(), 30));
    return name + FitText(4, false, deptCode.trimmed()) + QLatin1Char('N');
}

QString codeOf(const QString& entryText)
{
    return Cp949::decode(Cp949::encode(entryText).mid(30, 4)).trimmed();
}

}  // namespace DeptEntry
