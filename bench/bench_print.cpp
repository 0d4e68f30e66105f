// Time of the preparation (page layout) of a 200-page landscape report on
// the page frame: a ledger with a column header, six fields per detail row,
// an account group per 500 rows and a summary.
#include "framework/ZZP020.h"
#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

namespace {

class LedgerLayout : public TfrmZZP020 {
public:
    LedgerLayout() : TfrmZZP020(QStringLiteral("frmVCI071"))
    {
        Band* header = band(Band::ColumnHeader, 12);
        header->addExpression(QStringLiteral("qrlAcct"), QRectF(0, 0.5, 80, 5), [](const ReportContext& ctx) {
            return QStringLiteral("계정코드 : ") + ctx.text(QStringLiteral("ACCT_SBJ_CD"));
        });
        header->addLabel(QStringLiteral("qrlH1"), QRectF(0, 6, 120, 5), QStringLiteral("적              요"));
        header->addLabel(QStringLiteral("qrlH2"), QRectF(120, 6, 50, 5), QStringLiteral("차   변   금   액"), Qt::AlignCenter);
        header->addLabel(QStringLiteral("qrlH3"), QRectF(170, 6, 50, 5), QStringLiteral("대   변   금   액"), Qt::AlignCenter);
        header->addLabel(QStringLiteral("qrlH4"), QRectF(220, 6, 52, 5), QStringLiteral("잔             액"), Qt::AlignCenter);
        header->addRule(QStringLiteral("qrsTop"), 5.7);
        header->addRule(QStringLiteral("qrsBottom"), 11.5, 0.2, Qt::DotLine);
        Band* detail = band(Band::Detail, 5);
        const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
        detail->addField(QStringLiteral("qrdDate"), QRectF(0, 0, 22, 5), QStringLiteral("SLIP_DT"));
        detail->addField(QStringLiteral("qrdRmk"), QRectF(22, 0, 98, 5), QStringLiteral("RMK"));
        detail->addField(QStringLiteral("qrdDb"), QRectF(120, 0, 50, 5), QStringLiteral("DB_AMT"), right, QStringLiteral("#,###"));
        detail->addField(QStringLiteral("qrdCr"), QRectF(170, 0, 50, 5), QStringLiteral("CR_AMT"), right, QStringLiteral("#,###"));
        detail->addField(QStringLiteral("qrdBal"), QRectF(220, 0, 52, 5), QStringLiteral("TBAL"), right, QStringLiteral("#,###"));
        detail->addRule(QStringLiteral("qrsRow"), 4.9, 0.1, Qt::DotLine);
        ReportGroup* group = addGroup(QStringLiteral("qrgAcct"), QStringLiteral("ACCT_SBJ_CD"), 0, 1);
        group->header->forceNewPage = true;
        group->footer->addRule(QStringLiteral("qrsGroupEnd"), 0.5);
        qrsFooterRule->visible = true;
        table().setFields({QStringLiteral("ACCT_SBJ_CD"), QStringLiteral("SLIP_DT"), QStringLiteral("RMK"),
                           QStringLiteral("DB_AMT"), QStringLiteral("CR_AMT"), QStringLiteral("TBAL")});
    }

protected:
    void qrpReportBeforePrint() override
    {
        qrlTitle->setText(QStringLiteral("총   계   정   원   장"));
        qrlCondition->setText(QStringLiteral("확정일자 : 2026년 01월 01일 - 2026년 12월 31일"));
    }
};

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    LedgerLayout layout;
    // Landscape: 28 rows under the title on the first page, 31 on the others;
    // accounts of 310 rows fill ten pages each.
    int rows = 0;
    qint64 balance = 0;
    for (int account = 0; account < 20; ++account) {
        for (int i = 0; i < 310; ++i, ++rows) {
            balance += (i % 3 == 0 ? -1 : 1) * (rows % 97) * 1000;
            layout.table().appendRow({QStringLiteral("%1").arg(1110100 + account * 100),
                                      QStringLiteral("2026-%1-%2").arg(i % 12 + 1, 2, 10, QLatin1Char('0')).arg(i % 28 + 1, 2, 10, QLatin1Char('0')),
                                      QStringLiteral("거래처 대금 입금 %1").arg(rows),
                                      i % 3 == 0 ? 0 : (rows % 97) * 1000, i % 3 == 0 ? (rows % 97) * 1000 : 0,
                                      balance});
        }
    }
    QElapsedTimer timer;
    timer.start();
    const int pages = layout.Prepare();
    const qint64 ms = timer.elapsed();
    qint64 items = 0;
    for (const PrintPage& page : layout.pageModel().pages)
        items += page.items.size();
    std::printf("print preparation: %d rows, %d landscape pages, %lld items, %lld ms\n", rows, pages,
                static_cast<long long>(items), static_cast<long long>(ms));
    return pages >= 200 ? 0 : 1;
}
