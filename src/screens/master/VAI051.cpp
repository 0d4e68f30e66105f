#include "screens/master/VAI051.h"

namespace {

// One printed column: its title and field in the first and the second row,
// mm from the left margin over the 272 mm of a landscape A4 page.
struct PrintColumn {
    double left, width;
    const char* title1;
    const char* field1;
    const char* title2;
    const char* field2;
};
const PrintColumn kColumns[] = {
    {0, 24, "거래처코드", "C_CODE", "구분", "DETAIL_NAME"},
    {24, 48, "거 래 처 명", "C_NAME", "사업자번호", "C_NUM"},
    {72, 34, "업태", "C_ITEM", "업종", "C_TYPE"},
    {106, 26, "대표자명", "BOSS_NAME", "전화번호", "REP_PHONE"},
    {132, 26, "팩스번호", "FAX_NO", "휴대폰", "MOBILE_NO"},
    {158, 44, "E-Mail", "EMAIL", "", "ZIP"},
    {202, 26, "법인(주민)번호", "SOC_ID", "주소", "ADDRESS"},
    {228, 16, "국   가", "NA_NAME", "", ""},
    {244, 14, "지역", "LOCAL_NAME", "", ""},
    {258, 14, "사용여부", "USE_YN", "거래유형", "DEAL_TYPE_NAME"},
};
constexpr double kWidth = 272;
constexpr double kRow = 4.8;
constexpr double kPad = 0.8;

}  // namespace

TfrmVAI051::TfrmVAI051() : TfrmZZP020(QStringLiteral("frmVAI051"))
{
    qrlTitle->setText(QStringLiteral("거 래 처"));
    qrlProgramID->setText(QStringLiteral("ProgramID:frmVAI051"));

    qrbColumnHeader = addBand(Band::ColumnHeader, QStringLiteral("qrbColumnHeader"), 2 * kRow + 1.5);
    qrbColumnHeader->font = ReportFont(QStringLiteral("굴림"), 8, true);
    qrbColumnHeader->addRect(QStringLiteral("qrsColumnBox"), QRectF(0, 0.5, kWidth, 2 * kRow), QColor(0xE8, 0xE8, 0xE8), 0.3);
    qrbDetail = addBand(Band::Detail, QStringLiteral("qrbDetail"), 2 * kRow + 0.6);
    qrbDetail->font = ReportFont(QStringLiteral("굴림"), 8);
    qrbDetail->addRule(QStringLiteral("qrsDetailRule"), 2 * kRow + 0.3, 0.1);

    int n = 0;
    for (const PrintColumn& c : kColumns) {
        ++n;
        // The address runs on over the columns to its right that have no
        // second row.
        const bool address = QLatin1String(c.field2) == QLatin1String("ADDRESS");
        const double width2 = address ? c.width + 30 : c.width;
        const bool centred = QLatin1String(c.field1) == QLatin1String("USE_YN");
        qrbColumnHeader->addLabel(QStringLiteral("qrlTitle1_%1").arg(n), QRectF(c.left + kPad, 0.5, c.width - 2 * kPad, kRow),
                                  QString::fromUtf8(c.title1), Qt::AlignCenter);
        if (*c.title2)
            qrbColumnHeader->addLabel(QStringLiteral("qrlTitle2_%1").arg(n),
                                      QRectF(c.left + kPad, 0.5 + kRow, width2 - 2 * kPad, kRow),
                                      QString::fromUtf8(c.title2), Qt::AlignCenter);
        ReportElement* first = qrbDetail->addField(QStringLiteral("qrdRow1_%1").arg(n),
                                                   QRectF(c.left + kPad, 0, c.width - 2 * kPad, kRow),
                                                   QLatin1String(c.field1),
                                                   centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
        first->shrinkToFit = true;
        if (*c.field2) {
            ReportElement* second = qrbDetail->addField(QStringLiteral("qrdRow2_%1").arg(n),
                                                        QRectF(c.left + kPad, kRow, width2 - 2 * kPad, kRow),
                                                        QLatin1String(c.field2));
            second->shrinkToFit = true;
        }
    }
}
