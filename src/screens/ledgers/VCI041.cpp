#include "screens/ledgers/VCI041.h"
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
    {"ACCT_DT", "일   자", 16, Qt::AlignCenter, ""},
    {"SLIP_NO", "전표번호", 18, Qt::AlignCenter, ""},
    {"SLIP_SEQ_NO", "순번", 9, Qt::AlignCenter, ""},
    {"REF_DAT", "적          요", 64, Qt::AlignLeft | Qt::AlignVCenter, ""},
    {"MGDATA", "관리항목내역", 81, Qt::AlignLeft | Qt::AlignVCenter, ""},
    {"D_AMOUNT", "차     변", 27, Qt::AlignRight | Qt::AlignVCenter, "#,###"},
    {"C_AMOUNT", "대     변", 27, Qt::AlignRight | Qt::AlignVCenter, "#,###"},
    {"BALANCE", "잔     액", 30, Qt::AlignRight | Qt::AlignVCenter, "#,###"},
};
constexpr int kDebitColumn = 5;
constexpr double kRowHeight = 5;
constexpr double kPad = 0.8;

double columnLeft(int column)
{
    double left = 0;
    for (int c = 0; c < column; ++c)
        left += kColumns[c].width;
    return left;
}

}  // namespace

TfrmVCI041::TfrmVCI041() : TfrmZZP020(QStringLiteral("frmVCI041"))
{
    qrlTitle->setText(QStringLiteral("보     조     부"));
    qrlProgramID->setText(QStringLiteral("ProgramID:frmVCI041"));
    qrsFooterRule->visible = true;
    const double width = contentWidth();

    qrbColumnHeader = addBand(Band::ColumnHeader, QStringLiteral("qrbColumnHeader"), 15);
    Band* h = qrbColumnHeader;
    h->font = ReportFont(QStringLiteral("굴림"), 9, true);
    h->addLabel(QStringLiteral("qrlAcctTitle"), QRectF(0, 0, 20, 6), QStringLiteral("계정과목 :"));
    h->addField(QStringLiteral("qrlAcctName"), QRectF(20, 0, 120, 6), QStringLiteral("ACCT_TITLE"));
    h->addLabel(QStringLiteral("qrlUnit"), QRectF(width - 40, 0, 40, 6), QStringLiteral("(단위 : 원)"),
                Qt::AlignRight | Qt::AlignVCenter);
    h->addRule(QStringLiteral("qrsHeaderTop"), 7, 0.2, Qt::DotLine);
    for (int c = 0; c < int(std::size(kColumns)); ++c)
        h->addLabel(QStringLiteral("qrl%1Title").arg(QLatin1String(kColumns[c].field)),
                    QRectF(columnLeft(c), 7.5, kColumns[c].width, 6), QString::fromUtf8(kColumns[c].caption),
                    Qt::AlignCenter);
    h->addRule(QStringLiteral("qrsHeaderBottom"), 14, 0.2, Qt::DotLine);

    qrbDetail = addBand(Band::Detail, QStringLiteral("qrbDetail"), kRowHeight);
    qrbDetail->font = ReportFont(QStringLiteral("굴림"), 8);
    qrsDetailBack = qrbDetail->addRect(QStringLiteral("qrsDetailBack"), QRectF(0, 0, width, kRowHeight), QColor(Qt::white), 0);
    qrsDetailBack->penStyle = Qt::NoPen;
    for (int c = 0; c < int(std::size(kColumns)); ++c) {
        ReportElement* e = qrbDetail->addField(QStringLiteral("qrl") + QLatin1String(kColumns[c].field),
                                               QRectF(columnLeft(c) + kPad, 0, kColumns[c].width - 2 * kPad, kRowHeight),
                                               QLatin1String(kColumns[c].field), kColumns[c].alignment,
                                               QString::fromLatin1(kColumns[c].mask));
        e->shrinkToFit = c == 3 || c == 4;
    }
    // Brought-forward, month-total and total rows on grey.
    qrbDetail->beforePrint = [this](Band&, const ReportContext& context) {
        qrsDetailBack->fill = context.text(QStringLiteral("ROW_KIND")) == QLatin1String("L") ? QColor(Qt::white)
                                                                                            : Ledger::kSilver;
        return true;
    };

    // Every account on pages of its own; its last row holds the period's
    // totals and closing balance.
    qrgAccount = addGroup(QStringLiteral("qrgAccount"), QStringLiteral("ACCT_CODE"), 0, 7);
    qrgAccount->header->forceNewPage = true;
    Band* f = qrgAccount->footer;
    f->font = ReportFont(QStringLiteral("굴림"), 8, true);
    f->addRule(QStringLiteral("qrsTotalTop"), 0.5, 0.2);
    f->addLabel(QStringLiteral("qrlTotal"), QRectF(columnLeft(3) + kPad, 1, kColumns[3].width, kRowHeight),
                QStringLiteral("[누                   계]"));
    for (int c = kDebitColumn; c < int(std::size(kColumns)); ++c)
        f->addField(QStringLiteral("qrlTotal") + QLatin1String(kColumns[c].field),
                    QRectF(columnLeft(c) + kPad, 1, kColumns[c].width - 2 * kPad, kRowHeight),
                    QLatin1String(kColumns[c].field), kColumns[c].alignment, QString::fromLatin1(kColumns[c].mask));
    f->addRule(QStringLiteral("qrsTotalBottom"), 6.5, 0.2);
}

void TfrmVCI041::setPeriod(const QDate& from, const QDate& to)
{
    qrlCondition->setText(QStringLiteral("기간 :") + Ledger::dayText(from) + QStringLiteral(" ~ ") + Ledger::dayText(to));
}
