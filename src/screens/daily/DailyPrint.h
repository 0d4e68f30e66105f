#pragma once
#include <QRectF>
#include <QString>
#include <QStringList>

class Band;
struct ReportContext;

// Pieces the daily books' layouts share.
namespace DailyPrint {

// The approval boxes of a layout: a narrow heading cell (its text set
// downwards) and one cell per role, the role on top and room to sign below.
void addApprovalBoxes(Band* band, const QRectF& area, const QString& heading, const QStringList& roles);

// The sum of a numeric field over every row of the report's data.
double sumOf(const ReportContext& context, const QString& field);

}  // namespace DailyPrint
