#include "screens/tax/VEI021.h"

namespace {

// Where the sheet sits in the printer: added to every position below.
constexpr double kSheetLeft = 0;
constexpr double kSheetTop = 0;
// The lower copy starts this far below the upper one.
constexpr double kCopyDistance = 148.5;

// A value and its box on the paper form, in millimetres from the top-left
// corner of one copy. A field ending in a digit 1-5 is repeated on the line
// rows: `lineStep` apart.
struct Spot {
    const char* field;
    double left;
    double top;
    double width;
    bool amount;
};
constexpr double kLineTop = 84;
constexpr double kLineStep = 7;
constexpr double kRowHeight = 5;

const Spot kSpots[] = {
    {"BILL_SEQ_NO", 160, 14, 30, false},
    {"BILLBOOK_NO", 150, 22, 14, false},
    {"BILLBOOK_HO", 174, 22, 14, false},
    {"C_NUM", 128, 31, 60, false},
    {"C_NAME", 128, 40, 34, false},
    {"BOSS_NAME", 172, 40, 22, false},
    {"ADDR", 128, 49, 66, false},
    {"C_TYPE", 128, 58, 30, false},
    {"C_ITEM", 164, 58, 30, false},
    {"TAX_DATE", 18, 72, 26, false},
    {"GORAN", 46, 72, 10, false},
    {"TS_PRICE", 58, 72, 58, true},
    {"T_TAX", 120, 72, 50, true},
    {"PRICE_TYPE_NM", 172, 130, 20, false},
    {"CASH_AMT", 40, 130, 24, true},
    {"TOT_AMT", 14, 130, 24, true},
    {"CHEK_AMT", 66, 130, 24, true},
    {"BILL_AMT", 92, 130, 24, true},
    {"MISU_AMT", 118, 130, 24, true},
    {"SUPPLIER_BOSS", 72, 40, 22, false},
};
// The columns of an item line.
const Spot kLineSpots[] = {
    {"DEF_DATE", 14, 0, 14, false},     {"PRODUCT_NAME", 30, 0, 50, false}, {"P_SIZE", 82, 0, 18, false},
    {"QUANTITY", 102, 0, 14, true},     {"UNIT_PRICE", 118, 0, 24, false}, {"SUP_PRICE", 144, 0, 26, true},
    {"TAX", 172, 0, 22, true},
};

QString invoiceSql()
{
    QStringList pivot;
    for (int n = 1; n <= 5; ++n) {
        const QString k = QString::number(n);
        pivot << QStringLiteral("MAX(CASE WHEN SEQ_NO = %1 THEN SEQ_NO END) SEQ%1").arg(k)
              << QStringLiteral("MAX(CASE WHEN SEQ_NO = %1 THEN DEF_DATE END) DEF_DATE%1").arg(k)
              << QStringLiteral("MAX(CASE WHEN SEQ_NO = %1 THEN PRODUCT_NAME END) PRODUCT_NAME%1").arg(k)
              << QStringLiteral("MAX(CASE WHEN SEQ_NO = %1 THEN P_SIZE END) P_SIZE%1").arg(k)
              << QStringLiteral("MAX(CASE WHEN SEQ_NO = %1 THEN NULLIF(QUANTITY, 0) END) QUANTITY%1").arg(k)
              << QStringLiteral("MAX(CASE WHEN SEQ_NO = %1 THEN NULLIF(TRIM(TO_CHAR(UNIT_PRICE, '9,999,999,999')), '0') "
                                "END) UNIT_PRICE%1").arg(k)
              << QStringLiteral("MAX(CASE WHEN SEQ_NO = %1 THEN SUP_PRICE END) SUP_PRICE%1").arg(k)
              << QStringLiteral("MAX(CASE WHEN SEQ_NO = %1 THEN TAX END) TAX%1").arg(k);
    }
    return QStringLiteral(
               "SELECT T1.BILL_SEQ_NO, T1.C_NUM, T1.BILLBOOK_NO, T1.BILLBOOK_HO, T1.C_NAME, T1.BOSS_NAME, T1.ADDR,\n"
               "       T1.C_TYPE, T1.C_ITEM, TO_CHAR(T1.TAX_DATE, 'YYYYMMDD') TAX_DATE,\n"
               "       10 - LENGTH(T1.TS_PRICE::TEXT) GORAN, T1.TS_PRICE, T1.T_TAX, T1.PRICE_TYPE_NM, T1.CASH_AMT,\n"
               "       T1.TS_PRICE + T1.T_TAX TOT_AMT, T1.CHEK_AMT, T1.BILL_AMT, T1.MISU_AMT,\n"
               "       (SELECT P.BOSS_NAME FROM VE030MS P ORDER BY P.PLACE_ORD LIMIT 1) SUPPLIER_BOSS, T2.*\n"
               "  FROM VE010MS T1\n"
               "  LEFT JOIN (SELECT BILL_SEQ_NO, %1 FROM VE012DT WHERE BILL_SEQ_NO = :P0 GROUP BY BILL_SEQ_NO) T2\n"
               "    ON T2.BILL_SEQ_NO = T1.BILL_SEQ_NO\n"
               " WHERE T1.BILL_SEQ_NO = :P0")
        .arg(pivot.join(QStringLiteral(",\n       ")));
}

}  // namespace

TfrmVEI021::TfrmVEI021(const QString& billSeqNo) : TfrmZZP010(QStringLiteral("frmVEI021"))
{
    // The paper carries the form; only the values are printed.
    qrlTitle->setText(QStringLiteral("세금계산서"));
    qrbHeader->enabled = false;
    qrbFooter->enabled = false;
    setMargins(QMarginsF(0, 0, 0, 0));
    qrbDetail = addBand(Band::Detail, QStringLiteral("qrbDetail"), 2 * kCopyDistance - 1);
    qrbDetail->font = ReportFont(QStringLiteral("굴림"), 9);
    for (int copy = 0; copy < 2; ++copy) {
        const double dx = kSheetLeft;
        const double dy = kSheetTop + copy * kCopyDistance;
        const QString suffix = QStringLiteral("_%1").arg(copy + 1);
        for (const Spot& s : kSpots) {
            const QString field = QLatin1String(s.field);
            ReportElement* e = qrbDetail->addField(
                QStringLiteral("qrl") + field + suffix, QRectF(dx + s.left, dy + s.top, s.width, kRowHeight), field,
                s.amount ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter,
                s.amount ? QStringLiteral("#,###") : QString());
            e->shrinkToFit = !s.amount;
        }
        for (int n = 1; n <= 5; ++n) {
            for (const Spot& s : kLineSpots) {
                const QString field = QLatin1String(s.field) + QString::number(n);
                ReportElement* e = qrbDetail->addField(
                    QStringLiteral("qrl") + field + suffix,
                    QRectF(dx + s.left, dy + kLineTop + (n - 1) * kLineStep, s.width, kRowHeight), field,
                    s.amount ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter,
                    s.amount ? QStringLiteral("#,###") : QString());
                e->shrinkToFit = !s.amount;
            }
        }
    }
    cdsQuery().open(invoiceSql(), {billSeqNo});
}
