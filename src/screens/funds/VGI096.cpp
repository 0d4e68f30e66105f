#include "screens/funds/VGI096.h"
#include <QLocale>

using namespace Funds;

namespace {

constexpr double kLabelWidth = 38;
constexpr double kTotalWidth = 15;
constexpr double kDayWidth = 7;
constexpr double kRow = 4.2;
// whole millions; nothing for zero, so that the days without figures stay clear
const QString kMillions = QStringLiteral("#,#0;-#,#0;");

double dayLeft(int day) { return kLabelWidth + kTotalWidth + (day - 1) * kDayWidth; }

}  // namespace

QString TfrmVGI096::DayHeading(const QDate& month, int day)
{
    const QDate first(month.year(), month.month(), 1);
    if (day < 1 || day > first.daysInMonth())
        return QString();
    const QDate d = first.addDays(day - 1);
    static const char* const kWeekdays[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    return QLocale::c().toString(d, QStringLiteral("dd-MMM")) + QLatin1Char(' ') + QLatin1String(kWeekdays[d.dayOfWeek() - 1]);
}

QString TfrmVGI096::MonthLabel(const QDate& month)
{
    return QStringLiteral("Month : ") + QLocale::c().toString(QDate(month.year(), month.month(), 1), QStringLiteral("MMMM. yyyy"));
}

TfrmVGI096::TfrmVGI096() : TfrmZZP020(QStringLiteral("frmVGI096"))
{
    qrlTitle->setText(QStringLiteral("DAILY CASH FLOW FORECAST"));
    qrlProgramID->setText(QStringLiteral("ProgramID:frmVGI096"));
    qrlCondition->alignment = Qt::AlignLeft | Qt::AlignVCenter;
    qrbHeader->addLabel(QStringLiteral("qrlCompanyCaps"), QRectF(0, 0, 90, 6), kCompanyNameEng);
    qrbHeader->addImage(QStringLiteral("qriHeaderLogo"), QRectF(contentWidth() - 14, 0, 12, 8), CompanyLogo());
    qrbHeader->addLabel(QStringLiteral("qrlUnit"), QRectF(contentWidth() - 70, qrlCondition->geometry.top(), 70, 5.5),
                        QStringLiteral("(Currency Unit : 1,000,000 Won)"), Qt::AlignRight | Qt::AlignVCenter);

    const QFont small = ReportFont(QStringLiteral("Arial"), 5.5);
    m_header = addBand(Band::ColumnHeader, QStringLiteral("qrbColumnHeader"), 2 * kRow + 0.5);
    m_header->font = small;
    m_header->addRect(QStringLiteral("qrsHeaderBox"), QRectF(0, 0, dayLeft(32), 2 * kRow), QColor(0xE8, 0xE8, 0xE8));
    m_header->addLabel(QStringLiteral("qrlDescription"), QRectF(0, 0, kLabelWidth, 2 * kRow), QStringLiteral("Description"), Qt::AlignCenter);
    m_header->addLabel(QStringLiteral("qrlTotalHead"), QRectF(kLabelWidth, 0, kTotalWidth, 2 * kRow), QStringLiteral("Total"), Qt::AlignCenter);
    m_detail = addBand(Band::Detail, QStringLiteral("qrbDetail"), kRow);
    m_detail->font = small;
    m_back = m_detail->addRect(QStringLiteral("qrsBack"), QRectF(0, 0, dayLeft(32), kRow), QColor(Qt::white), 0.05);
    m_label = m_detail->addField(QStringLiteral("qrlLabel"), QRectF(0.5, 0, kLabelWidth - 1, kRow), QStringLiteral("LABEL"));
    m_label->shrinkToFit = true;
    m_detail->addField(QStringLiteral("qrlTotal"), QRectF(kLabelWidth, 0, kTotalWidth - 0.5, kRow), QStringLiteral("TOTAL"),
                       Qt::AlignRight | Qt::AlignVCenter, kMillions);
    for (int d = 1; d <= 31; ++d) {
        const double x = dayLeft(d);
        ReportElement* head = m_header->addLabel(QStringLiteral("qrlDay%1").arg(d), QRectF(x, 0, kDayWidth, 2 * kRow), QString(), Qt::AlignCenter);
        head->font = ReportFont(QStringLiteral("Arial"), 4.4);
        head->wordWrap = true;
        head->shrinkToFit = true;
        m_dayHeads << head;
        m_header->addLine(QStringLiteral("qrsHeadSep%1").arg(d), QLineF(x, 0, x, 2 * kRow), 0.05);
        m_detail->addLine(QStringLiteral("qrsSep%1").arg(d), QLineF(x, 0, x, kRow), 0.05);
        ReportElement* e = m_detail->addField(QStringLiteral("qrlD%1").arg(d), QRectF(x, 0, kDayWidth - 0.4, kRow),
                                              QStringLiteral("D%1").arg(d, 2, 10, QLatin1Char('0')), Qt::AlignRight | Qt::AlignVCenter,
                                              kMillions);
        e->shrinkToFit = true;
    }
    for (Band* b : {m_header, m_detail}) {
        const double h = b == m_header ? 2 * kRow : kRow;
        for (int side = 0; side < 2; ++side) {
            ReportElement* mark = b->addLine(QStringLiteral("qrsPlanMark%1").arg(side), QLineF(0, 0, 0, h), 0.7);
            mark->visible = false;
            (b == m_header ? m_marks : m_detailMarks) << mark;
        }
    }
    m_detail->beforePrint = [this](Band&, const ReportContext& c) {
        const int kind = c.value(QStringLiteral("KIND")).toInt();
        m_back->fill = IsSubgroupHead(c.text(QStringLiteral("CODE"))) ? QColor(0xC0, 0xC0, 0xC0)
                     : kind == ForecastLine::Total || kind == ForecastLine::Balance ? QColor(0xF0, 0xF0, 0xF0)
                                                                                   : QColor(Qt::white);
        m_label->font.setBold(kind != ForecastLine::Detail);
        return true;
    };

    // signature boxes above the frame's footer
    const double boxes = 16;
    for (const auto& e : qrbFooter->elements()) {
        e->geometry.translate(0, boxes);
        e->line.translate(0, boxes);
    }
    qrbFooter->height += boxes;
    const QStringList signers{QStringLiteral("President"), QStringLiteral("Financial Controller"), QStringLiteral("In Charge")};
    const double boxWidth = 34;
    for (int i = 0; i < signers.size(); ++i) {
        const double x = contentWidth() - (signers.size() - i) * boxWidth;
        qrbFooter->addRect(QStringLiteral("qrsSign%1").arg(i), QRectF(x, 0, boxWidth, 14));
        qrbFooter->addLine(QStringLiteral("qrsSignRule%1").arg(i), QLineF(x, 4.5, x + boxWidth, 4.5), 0.1);
        ReportElement* label = qrbFooter->addLabel(QStringLiteral("qrlSign%1").arg(i), QRectF(x, 0, boxWidth, 4.5), signers.at(i), Qt::AlignCenter);
        label->font = ReportFont(QStringLiteral("Arial"), 7);
    }
}

void TfrmVGI096::setForecast(const QDate& planDate, const Forecast& forecast)
{
    qrlCondition->setText(MonthLabel(planDate));
    for (int d = 1; d <= 31; ++d)
        m_dayHeads.at(d - 1)->setText(DayHeading(planDate, d));
    const double left = dayLeft(planDate.day());
    const double right = left + kDayWidth;
    for (const QList<ReportElement*>& marks : {m_marks, m_detailMarks}) {
        marks.at(0)->line = QLineF(left, 0, left, marks.at(0)->line.y2());
        marks.at(1)->line = QLineF(right, 0, right, marks.at(1)->line.y2());
        for (ReportElement* m : marks)
            m->visible = true;
    }
    QStringList fields{QStringLiteral("KIND"), QStringLiteral("CODE"), QStringLiteral("LABEL"), QStringLiteral("TOTAL")};
    for (int d = 1; d <= 31; ++d)
        fields << QStringLiteral("D%1").arg(d, 2, 10, QLatin1Char('0'));
    ReportTable& t = cdsQuery();
    t.setFields(fields);
    t.clear();
    const int days = planDate.daysInMonth();
    for (const ForecastLine& line : forecast.lines) {
        QVariantList values{int(line.kind), line.code, line.kind == ForecastLine::Detail || line.kind == ForecastLine::Heading
                                                 ? QStringLiteral("  ") + line.label
                                                 : line.label,
                            line.hasTotal ? QVariant(double(line.total)) : QVariant()};
        for (int d = 0; d < 31; ++d)
            values << (d < days ? QVariant(double(line.day[d])) : QVariant());
        t.appendRow(values);
    }
}
