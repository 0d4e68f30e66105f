#include "screens/funds/VGI021.h"
#include "screens/funds/FundsPrint.h"

TfrmVGI021::TfrmVGI021() : TfrmZZP020(QStringLiteral("frmVGI021"))
{
    qrlTitle->setText(QStringLiteral("차 입 금 상 환 스 케 쥴"));
    qrlProgramID->setText(QStringLiteral("ProgramID:frmVGI021"));
    qrbHeader->height += 12;
    const double width = contentWidth();
    qrlLoan1 = qrbHeader->addLabel(QStringLiteral("qrlLoan1"), QRectF(0, qrbHeader->height - 12, width, 5.5), QString());
    qrlLoan2 = qrbHeader->addLabel(QStringLiteral("qrlLoan2"), QRectF(0, qrbHeader->height - 6, width, 5.5), QString());
    for (ReportElement* e : {qrlLoan1, qrlLoan2})
        e->font = ReportFont(QStringLiteral("굴림"), 9.5);
    const QString amount = QStringLiteral("#,##0");
    FundsPrint::Table table(*this, {{QStringLiteral("TMS"), QStringLiteral("회차"), 14, QString()},
                                    {QStringLiteral("REPAY_DT"), QStringLiteral("상환일자"), 26, QString()},
                                    {QStringLiteral("PRN"), QStringLiteral("원금상환"), 34, amount},
                                    {QStringLiteral("DAY"), QStringLiteral("기간"), 14, QStringLiteral("#,##0")},
                                    {QStringLiteral("PRF_RT"), QStringLiteral("이율"), 18, QString()},
                                    {QStringLiteral("INT"), QStringLiteral("이자"), 34, amount},
                                    {QStringLiteral("REPAY_AMT"), QStringLiteral("납부계"), 36, amount},
                                    {QStringLiteral("REM_AMT"), QStringLiteral("원금잔액"), 36, amount},
                                    {QString(), QStringLiteral("비고"), 50, QString()}});
    table.addTotals(band(Band::Summary, 6.5), QStringLiteral("합   계"), 2, {QStringLiteral("PRN"), QStringLiteral("INT"), QStringLiteral("REPAY_AMT")});
}

void TfrmVGI021::setLoan(const QString& bank, const QString& opening, const QString& rate, const QString& subject,
                         const QString& amount, const QString& grace, const QString& term, const QString& principalMonths,
                         const QString& method)
{
    qrlLoan1->setText(QStringLiteral("금융기관 : %1      대출일자 : %2      대출이율 : %3").arg(bank, opening, rate));
    qrlLoan2->setText(QStringLiteral("대출과목 : %1      대출금액 : %2      차입조건 : %3년거치 %4년분할 %5개월 %6")
                          .arg(subject, amount, grace, term, principalMonths, method));
}

void TfrmVGI021::setRows(const QList<Funds::LoanRow>& rows)
{
    ReportTable& t = cdsQuery();
    t.setFields({QStringLiteral("TMS"), QStringLiteral("REPAY_DT"), QStringLiteral("PRN"), QStringLiteral("DAY"),
                 QStringLiteral("PRF_RT"), QStringLiteral("INT"), QStringLiteral("REPAY_AMT"), QStringLiteral("REM_AMT")});
    t.clear();
    for (const Funds::LoanRow& r : rows)
        t.appendRow({r.tms, r.date.toString(QStringLiteral("yyyy/MM/dd")), double(r.principal), r.days,
                     QString::number(double(r.rateE4) / Funds::kInterestScale, 'f', 2),
                     double(r.interestE4) / Funds::kInterestScale, double(r.paymentE4()) / Funds::kInterestScale,
                     double(r.remaining)});
}
