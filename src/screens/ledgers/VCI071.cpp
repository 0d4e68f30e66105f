#include "screens/ledgers/VCI071.h"

namespace {

constexpr double kRowHeight = 5.5;
constexpr double kRemarkWidth = 130;
constexpr double kAmountWidth = 45;

}  // namespace

TfrmVCI071::TfrmVCI071() : TfrmZZP020(QStringLiteral("frmVCI071"))
{
    qrlTitle->setText(QStringLiteral("총   계   정   원   장"));
    qrlProgramID->setText(QStringLiteral("ProgramID:frmVCI071"));
    qrsFooterRule->visible = true;
    const double width = contentWidth();
    const double amountsLeft = width - 3 * kAmountWidth;

    qrbColumnHeader = addBand(Band::ColumnHeader, QStringLiteral("qrbColumnHeader"), 16);
    Band* h = qrbColumnHeader;
    h->font = ReportFont(QStringLiteral("굴림"), 9, true);
    h->addLabel(QStringLiteral("qrlAcctCodeTitle"), QRectF(0, 0, 22, 6), QStringLiteral("계정코드 : "));
    h->addField(QStringLiteral("qrlAcctCode"), QRectF(22, 0, 25, 6), QStringLiteral("ACCT_SBJ_CD"));
    h->addLabel(QStringLiteral("qrlAcctNameTitle"), QRectF(55, 0, 28, 6), QStringLiteral("계정과목명 : "));
    h->addField(QStringLiteral("qrlAcctName"), QRectF(83, 0, 120, 6), QStringLiteral("ACCT_PNAME"));
    h->addRule(QStringLiteral("qrsHeaderTop"), 7, 0.4);
    h->addLabel(QStringLiteral("qrlRemarkTitle"), QRectF(0, 8, kRemarkWidth, 6), QStringLiteral("적              요"),
                Qt::AlignCenter);
    const char* const titles[] = {"차   변   금   액", "대   변   금   액", "잔             액"};
    for (int i = 0; i < 3; ++i)
        h->addLabel(QStringLiteral("qrlAmountTitle%1").arg(i + 1),
                    QRectF(amountsLeft + i * kAmountWidth, 8, kAmountWidth, 6), QString::fromUtf8(titles[i]),
                    Qt::AlignCenter);
    h->addRule(QStringLiteral("qrsHeaderBottom"), 15, 0.2, Qt::DotLine);

    qrbDetail = addBand(Band::Detail, QStringLiteral("qrbDetail"), kRowHeight);
    Band* d = qrbDetail;
    d->font = ReportFont(QStringLiteral("굴림"), 9);
    d->addField(QStringLiteral("qrlRMK"), QRectF(1, 0, kRemarkWidth - 2, kRowHeight), QStringLiteral("RMK"))->shrinkToFit =
        true;
    const char* const fields[] = {"DB_AMT", "CR_AMT", "TBAL"};
    for (int i = 0; i < 3; ++i)
        d->addField(QStringLiteral("qrl%1").arg(QLatin1String(fields[i])),
                    QRectF(amountsLeft + i * kAmountWidth, 0, kAmountWidth - 1, kRowHeight), QLatin1String(fields[i]),
                    Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("#,###"));

    // Every account on pages of its own, closed by a rule.
    qrgAccount = addGroup(QStringLiteral("qrgAccount"), QStringLiteral("ACCT_SBJ_CD"), 0, 1);
    qrgAccount->header->forceNewPage = true;
    qrgAccount->footer->addRule(QStringLiteral("qrsAccountEnd"), 0.5, 0.3);
}
