#include "common/DeptEntry.h"
#include "common/Cp949.h"
#include "common/TextUtil.h"

namespace DeptEntry {

QString text(const QString& deptName, const QString& deptCode)
{
    return FitText(30, false, deptName.trimmed()) + FitText(4, false, deptCode.trimmed()) + QLatin1Char('N');
}

QString codeOf(const QString& entryText)
{
    return Cp949::decode(Cp949::encode(entryText).mid(30, 4)).trimmed();
}

}  // namespace DeptEntry
