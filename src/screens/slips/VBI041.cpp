#include "screens/slips/VBI041.h"

namespace {

// Columns (mm from the left margin) over the 185 mm of an A4 portrait page.
struct PrintColumn {
    const char* name;
    const char* caption;
    const char* field;
    double left, width;
    Qt::Alignment alignment;
    const char* mask;
};
const PrintColumn kColumns[] = {
    {"qrlConfDate", "확정일자", "CONF_DATE", 0, 22, Qt::AlignCenter, ""},
    {"qrlSlipNo", "전표번호", "SLIP_NO", 22, 22, Qt::AlignCenter, ""},
    {"qrlDeptName", "발생부서", "DEPT_NAME", 44, 47, Qt::AlignLeft | Qt::AlignVCenter, ""},
    {"qrlCount", "차,대변 수", "CNT", 91, 18, Qt::AlignRight | Qt::AlignVCenter, "#,##0"},
    {"qrlRemark", "비    고", "", 109, 24, Qt::AlignLeft | Qt::AlignVCenter, ""},
    {"qrlDebit", "차변금액", "TOTAL_D_AMT", 133, 26, Qt::AlignRight | Qt::AlignVCenter, "#,##0"},
    {"qrlCredit", "대변금액", "TOTAL_C_AMT", 159, 26, Qt::AlignRight | Qt::AlignVCenter, "#,##0"},
};
constexpr double kWidth = 185;
constexpr double kHeaderHeight = 7;
constexpr double kRowHeight = 5.6;
constexpr double kPad = 1.2;
const QColor kTotalsGrey(0xC0, 0xC0, 0xC0);

}  // namespace

TfrmVBI041::TfrmVBI041() : TfrmZZP010(QStringLiteral("frmVBI041"))
{
    qrlTitle->setText(QStringLiteral("확정전표 리스트"));
    qrlProgramID->setText(QStringLiteral("ProgramID:frmVBI041"));
    qrsFooterRule->visible = true;
    buildColumnHeader();
    buildDetail();
}

QString TfrmVBI041::rangeText(const QDate& from, const QDate& to)
{
    const QString format = QStringLiteral("yyyy년 MM월 dd일");
    return QStringLiteral("확정일자 : ") + from.toString(format) + QStringLiteral(" - ") + to.toString(format);
}

void TfrmVBI041::setRange(const QDate& from, const QDate& to)
{
    qrlCondition->setText(rangeText(from, to));
}

void TfrmVBI041::buildColumnHeader()
{
    qrbColumnHeader = addBand(Band::ColumnHeader, QStringLiteral("qrbColumnHeader"), kHeaderHeight + 1);
    qrbColumnHeader->font = ReportFont(QStringLiteral("굴림"), 9, true);
    qrbColumnHeader->addRect(QStringLiteral("qrsColumnBox"), QRectF(0, 0.5, kWidth, kHeaderHeight),
                             QColor(0xE8, 0xE8, 0xE8), 0.3);
    for (const PrintColumn& c : kColumns) {
        qrbColumnHeader->addLabel(QLatin1String(c.name) + QLatin1String("Title"),
                                  QRectF(c.left, 0.5, c.width, kHeaderHeight), QString::fromUtf8(c.caption),
                                  Qt::AlignCenter);
        if (c.left > 0)
            qrbColumnHeader->addLine(QLatin1String(c.name) + QLatin1String("TitleRule"),
                                     QLineF(c.left, 0.5, c.left, 0.5 + kHeaderHeight));
    }
}

void TfrmVBI041::buildDetail()
{
    qrbDetail = addBand(Band::Detail, QStringLiteral("qrbDetail"), kRowHeight);
    qrbDetail->font = ReportFont(QStringLiteral("굴림"), 9);
    qrsDetailBack = qrbDetail->addRect(QStringLiteral("qrsDetailBack"), QRectF(0, 0, kWidth, kRowHeight),
                                       QColor(Qt::white), 0.1);
    for (const PrintColumn& c : kColumns) {
        const QRectF cell(c.left + kPad, 0, c.width - 2 * kPad, kRowHeight);
        if (*c.field)
            qrbDetail->addField(QLatin1String(c.name), cell, QLatin1String(c.field), c.alignment,
                                QLatin1String(c.mask));
        else
            qrbDetail->addLabel(QLatin1String(c.name), cell, QString(), c.alignment);
        if (c.left > 0)
            qrbDetail->addLine(QLatin1String(c.name) + QLatin1String("Rule"), QLineF(c.left, 0, c.left, kRowHeight),
                               0.1);
    }
    // Day subtotals and the grand total carry no slip number: grey rows.
    qrbDetail->beforePrint = [this](Band&, const ReportContext& context) {
        qrsDetailBack->fill = context.text(QStringLiteral("SLIP_NO")).isEmpty() ? kTotalsGrey : QColor(Qt::white);
        return true;
    };
}
