#include "screens/daily/DailyPrint.h"
#include "framework/print/BandedReport.h"

namespace DailyPrint {

void addApprovalBoxes(Band* band, const QRectF& area, const QString& heading, const QStringList& roles)
{
    constexpr double kHeadingWidth = 7;
    constexpr double kRoleHeight = 5;
    const double cellWidth = (area.width() - kHeadingWidth) / roles.size();
    band->addRect(QStringLiteral("qrsApproval"), area);
    band->addLine(QStringLiteral("qrsApprovalHeading"),
                  QLineF(area.left() + kHeadingWidth, area.top(), area.left() + kHeadingWidth, area.bottom()));
    // one character a line: the heading reads downwards
    QString downwards;
    for (const QChar c : heading) {
        if (!c.isSpace())
            downwards += (downwards.isEmpty() ? QString() : QStringLiteral("\n")) + c;
    }
    ReportElement* head = band->addLabel(QStringLiteral("qrlApprovalHeading"),
                                         QRectF(area.left(), area.top(), kHeadingWidth, area.height()), downwards,
                                         Qt::AlignCenter);
    head->wordWrap = true;
    head->shrinkToFit = true;
    band->addLine(QStringLiteral("qrsApprovalRoles"), QLineF(area.left() + kHeadingWidth, area.top() + kRoleHeight,
                                                             area.right(), area.top() + kRoleHeight));
    for (int i = 0; i < roles.size(); ++i) {
        const double left = area.left() + kHeadingWidth + i * cellWidth;
        if (i > 0)
            band->addLine(QStringLiteral("qrsApprovalCell%1").arg(i), QLineF(left, area.top(), left, area.bottom()));
        band->addLabel(QStringLiteral("qrlApprovalRole%1").arg(i), QRectF(left, area.top(), cellWidth, kRoleHeight),
                       roles.at(i), Qt::AlignCenter);
    }
}

double sumOf(const ReportContext& context, const QString& field)
{
    double sum = 0;
    if (!context.data)
        return sum;
    for (int row = 0; row < context.data->rowCount(); ++row)
        sum += context.data->value(row, field).toDouble();
    return sum;
}

}  // namespace DailyPrint
