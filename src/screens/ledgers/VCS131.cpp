#include "screens/ledgers/VCS131.h"
#include "common/Query.h"
#include "framework/print/ReportViewer.h"
#include "screens/ledgers/VCS130.h"
#include <QDate>
#include <QSqlQuery>
#include <iterator>

namespace {

struct PrintColumn {
    const char* field;
    const char* caption;
    double left, width;
    Qt::Alignment alignment;
    const char* mask;
};
const PrintColumn kColumns[] = {
    {"ACCT_CODE", "계정코드", 0, 30, Qt::AlignCenter, ""},
    {"ACCT_NAME", "계  정  과  목", 30, 82, Qt::AlignLeft | Qt::AlignVCenter, ""},
    {"D_AMOUNT", "차 변 금 액", 112, 53, Qt::AlignRight | Qt::AlignVCenter, "#,##0"},
    {"C_AMOUNT", "대 변 금 액", 165, 53, Qt::AlignRight | Qt::AlignVCenter, "#,##0"},
    {"NET_AMOUNT", "차  액(차-대)", 218, 54, Qt::AlignRight | Qt::AlignVCenter, "#,##0"},
};
constexpr double kRowHeight = 5.5;

}  // namespace

TfrmVCS131::TfrmVCS131(const QString& month) : TfrmZZP020(QStringLiteral("frmVCS131")), m_month(month)
{
    qrlTitle->setText(QStringLiteral("사 업 장 별 세 부 내 역"));
    qrlProgramID->setText(QStringLiteral("ProgramID:frmVCS131"));
    qrsFooterRule->visible = true;
    const QDate first = QDate::fromString(month + QStringLiteral("01"), QStringLiteral("yyyyMMdd"));
    m_closed = first.isValid()
        && RunQuery(QStringLiteral("SELECT 1 FROM VI011MS WHERE Y_MONTH = :P0 AND CLOSE_YN = 'Y'"), {month}).next();
    qrlCondition->setText(QStringLiteral("조회년월 : ") + (first.isValid() ? first.toString(QStringLiteral("yyyy년 MM월")) : month)
                          + (m_closed ? QString() : QStringLiteral("    (월마감 전인 월입니다. 마감한 월의 집계만 나타납니다.)")));

    const double width = contentWidth();
    qrbColumnHeader = addBand(Band::ColumnHeader, QStringLiteral("qrbColumnHeader"), 8);
    qrbColumnHeader->font = ReportFont(QStringLiteral("굴림"), 9, true);
    qrbColumnHeader->addRect(QStringLiteral("qrsColumnBox"), QRectF(0, 0.5, width, 7), QColor(0xE8, 0xE8, 0xE8), 0.3);
    for (const PrintColumn& c : kColumns)
        qrbColumnHeader->addLabel(QStringLiteral("qrl%1Title").arg(QLatin1String(c.field)), QRectF(c.left, 0.5, c.width, 7),
                                  QString::fromUtf8(c.caption), Qt::AlignCenter);

    qrgDivision = addGroup(QStringLiteral("qrgDivision"), QStringLiteral("DIV_CODE"), 7, 7);
    qrgDivision->header->font = ReportFont(QStringLiteral("굴림"), 10, true);
    qrgDivision->header->addField(QStringLiteral("qrlDivision"), QRectF(0, 1, width, 6), QStringLiteral("DIV_TEXT"));
    Band* f = qrgDivision->footer;
    f->font = ReportFont(QStringLiteral("굴림"), 9, true);
    f->addRect(QStringLiteral("qrsDivisionTotal"), QRectF(0, 0.5, width, 6), QColor(0xC0, 0xC0, 0xC0), 0.1);
    f->addLabel(QStringLiteral("qrlDivisionTotal"), QRectF(30, 0.5, 82, 6), QStringLiteral("[사 업 장  합 계]"));
    for (const char* field : {"DIV_D_AMOUNT", "DIV_C_AMOUNT", "DIV_NET_AMOUNT"}) {
        const PrintColumn& c = kColumns[field[4] == 'D' ? 2 : field[4] == 'C' ? 3 : 4];
        f->addField(QStringLiteral("qrl") + QLatin1String(field), QRectF(c.left + 1, 0.5, c.width - 2, 6),
                    QLatin1String(field), c.alignment, QString::fromLatin1(c.mask));
    }

    qrbDetail = addBand(Band::Detail, QStringLiteral("qrbDetail"), kRowHeight);
    qrbDetail->font = ReportFont(QStringLiteral("굴림"), 9);
    for (const PrintColumn& c : kColumns)
        qrbDetail->addField(QStringLiteral("qrl") + QLatin1String(c.field), QRectF(c.left + 1, 0, c.width - 2, kRowHeight),
                            QLatin1String(c.field), c.alignment, QString::fromLatin1(c.mask));
    qrbDetail->addRule(QStringLiteral("qrsDetailRule"), kRowHeight, 0.1, Qt::DotLine);

    qrbSummary = addBand(Band::Summary, QStringLiteral("qrbSummary"), 8);
    qrbSummary->font = ReportFont(QStringLiteral("굴림"), 9, true);
    qrbSummary->addRule(QStringLiteral("qrsSummaryRule"), 1, 0.4);
    qrbSummary->addLabel(QStringLiteral("qrlSummary"), QRectF(30, 1.5, 82, 6), QStringLiteral("[총          계]"));
    for (const char* field : {"ALL_D_AMOUNT", "ALL_C_AMOUNT", "ALL_NET_AMOUNT"}) {
        const PrintColumn& c = kColumns[field[4] == 'D' ? 2 : field[4] == 'C' ? 3 : 4];
        qrbSummary->addField(QStringLiteral("qrl") + QLatin1String(field), QRectF(c.left + 1, 1.5, c.width - 2, 6),
                             QLatin1String(field), c.alignment, QString::fromLatin1(c.mask));
    }

    cdsQuery().open(QStringLiteral(
                        "SELECT S.DIV_CODE,\n"
                        "       S.DIV_CODE || ' : ' || CASE S.DIV_CODE WHEN 'K' THEN '리조트' WHEN 'A' THEN '본사'\n"
                        "                                             ELSE '기타' END DIV_TEXT,\n"
                        "       S.ACCT_CODE, A.ACCT_NAME, S.D_AMOUNT, S.C_AMOUNT, S.D_AMOUNT - S.C_AMOUNT NET_AMOUNT,\n"
                        "       SUM(S.D_AMOUNT) OVER (PARTITION BY S.DIV_CODE) DIV_D_AMOUNT,\n"
                        "       SUM(S.C_AMOUNT) OVER (PARTITION BY S.DIV_CODE) DIV_C_AMOUNT,\n"
                        "       SUM(S.D_AMOUNT - S.C_AMOUNT) OVER (PARTITION BY S.DIV_CODE) DIV_NET_AMOUNT,\n"
                        "       SUM(S.D_AMOUNT) OVER () ALL_D_AMOUNT, SUM(S.C_AMOUNT) OVER () ALL_C_AMOUNT,\n"
                        "       SUM(S.D_AMOUNT - S.C_AMOUNT) OVER () ALL_NET_AMOUNT\n"
                        "  FROM VB072MS S LEFT JOIN VA020MS A ON A.ACCT_CODE = S.ACCT_CODE\n"
                        " WHERE S.SUM_MONTH = :P0 AND (S.D_AMOUNT <> 0 OR S.C_AMOUNT <> 0)\n"
                        " ORDER BY S.DIV_CODE, S.ACCT_CODE"),
                    {month});
}

void TfrmVCS131::registerReport()
{
    ReportRegistry::instance().add(TfrmVCS130::kReportFile, [](const ReportRequest& request) {
        return std::unique_ptr<TfrmZZP010>(new TfrmVCS131(request.values.value(0).trimmed()));
    });
}
