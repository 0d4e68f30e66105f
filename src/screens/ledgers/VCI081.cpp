#include "screens/ledgers/VCI081.h"
#include "screens/ledgers/LedgerCommon.h"
#include <iterator>

namespace {

struct PrintColumn {
    const char* field;
    const char* caption;
    double width;
    Qt::Alignment alignment;
    const char* mask;
};
const PrintColumn kColumns[] = {
    {"CONF_DT", "확정일자", 20, Qt::AlignCenter, ""},
    {"SLIP_NO", "전표번호", 19, Qt::AlignCenter, ""},
    {"SLIP_SEQ_NO", "순번", 9, Qt::AlignCenter, ""},
    {"RMK", "적                     요", 68, Qt::AlignLeft | Qt::AlignVCenter, ""},
    {"MG_RMK", "관 리 항 목 내역", 66, Qt::AlignLeft | Qt::AlignVCenter, ""},
    {"DB_AMT", "차변금액", 28, Qt::AlignRight | Qt::AlignVCenter, "#,###"},
    {"CR_AMT", "대변금액", 28, Qt::AlignRight | Qt::AlignVCenter, "#,###"},
    {"TBAL", "잔    액", 34, Qt::AlignRight | Qt::AlignVCenter, "#,###"},
};
constexpr double kRowHeight = 5;

}  // namespace

TfrmVCI081::TfrmVCI081() : TfrmZZP020(QStringLiteral("frmVCI081"))
{
    qrlTitle->setText(QStringLiteral("보조원장"));
    qrlProgramID->setText(QStringLiteral("ProgramID:frmVCI081"));
    qrsFooterRule->visible = true;
    const double width = contentWidth();

    qrbColumnHeader = addBand(Band::ColumnHeader, QStringLiteral("qrbColumnHeader"), 8);
    qrbColumnHeader->font = ReportFont(QStringLiteral("굴림"), 9, true);
    qrbColumnHeader->addRule(QStringLiteral("qrsHeaderTop"), 0.5, 0.3);
    qrbDetail = addBand(Band::Detail, QStringLiteral("qrbDetail"), kRowHeight);
    qrbDetail->font = ReportFont(QStringLiteral("굴림"), 8);
    qrsDetailBack = qrbDetail->addRect(QStringLiteral("qrsDetailBack"), QRectF(0, 0, width, kRowHeight), QColor(Qt::white), 0);
    qrsDetailBack->penStyle = Qt::NoPen;
    double left = 0;
    for (const PrintColumn& c : kColumns) {
        qrbColumnHeader->addLabel(QStringLiteral("qrl%1Title").arg(QLatin1String(c.field)), QRectF(left, 1, c.width, 6),
                                  QString::fromUtf8(c.caption), Qt::AlignCenter);
        ReportElement* e = qrbDetail->addField(QStringLiteral("qrl") + QLatin1String(c.field),
                                               QRectF(left + 0.8, 0, c.width - 1.6, kRowHeight), QLatin1String(c.field),
                                               c.alignment, QString::fromLatin1(c.mask));
        e->shrinkToFit = QLatin1String(c.field) == QLatin1String("RMK") || QLatin1String(c.field) == QLatin1String("MG_RMK");
        left += c.width;
    }
    qrbColumnHeader->addRule(QStringLiteral("qrsHeaderBottom"), 7.5, 0.3);
    // Rows without a slip number are summaries: silver.
    qrbDetail->beforePrint = [this](Band&, const ReportContext& context) {
        qrsDetailBack->fill = context.text(QStringLiteral("SLIP_NO")).isEmpty() ? Ledger::kSilver : QColor(Qt::white);
        return true;
    };
}
