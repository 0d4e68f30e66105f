#include "screens/tax/SummaryForm.h"
#include "screens/tax/TaxPrint.h"

using TaxPrint::boxedExpression;
using TaxPrint::boxedLabel;

namespace {

constexpr double kRow = 7;
// The list's columns: ⑪ number, ⑫ registration number, ⑬ name, ⑭ sheets,
// ⑮ amount, remark.
const double kListLeft[] = {0, 18, 52, 112, 130, 170, 185};

}  // namespace

TfrmSummaryForm::TfrmSummaryForm(const QString& name, bool sales, const SummaryFormData& data)
    : TfrmZZP010(name), m_sales(sales), m_data(data)
{
    TaxPrint::hideFrame(qrbHeader, qrbFooter);
    qrlTitle->setText(sales ? QStringLiteral("매출처별 계산서 합계표") : QStringLiteral("매입처별 계산서 합계표"));
    qrbFooter->addLabel(QStringLiteral("qrlManageNo"), QRectF(0, 2, 60, 5),
                        sales ? QStringLiteral("관리번호(매출)") : QStringLiteral("관리번호(매입)"));
    qrbFooter->addLabel(QStringLiteral("qrlPageOpen"), QRectF(contentWidth() - 40, 2, 40, 5),
                        QStringLiteral("(          ) 쪽"), Qt::AlignLeft | Qt::AlignVCenter);
    qrbFooter->addSystem(QStringLiteral("qrlPageNo"), QRectF(contentWidth() - 38, 2, 18, 5), SysValue::PageNumber,
                         Qt::AlignCenter);
    table().setFields({QStringLiteral("PART"), QStringLiteral("NO"), QStringLiteral("C_NUM"), QStringLiteral("C_NAME"),
                       QStringLiteral("VOLUME"), QStringLiteral("SUP_PRICE")});
    qrbDetail = addBand(Band::Detail, QStringLiteral("qrbDetail"), kRow);
    qrbDetail->font = ReportFont(QStringLiteral("굴림"), 9);
    const auto text = [](const char* f) {
        return [field = QLatin1String(f)](const ReportContext& c) { return c.text(field); };
    };
    boxedExpression(qrbDetail, QStringLiteral("qrlNO"), QRectF(kListLeft[0], 0, kListLeft[1] - kListLeft[0], kRow),
                    text("NO"), Qt::AlignCenter);
    boxedExpression(qrbDetail, QStringLiteral("qrlC_NUM"), QRectF(kListLeft[1], 0, kListLeft[2] - kListLeft[1], kRow),
                    text("C_NUM"), Qt::AlignCenter);
    boxedExpression(qrbDetail, QStringLiteral("qrlC_NAME"), QRectF(kListLeft[2], 0, kListLeft[3] - kListLeft[2], kRow),
                    text("C_NAME"), Qt::AlignLeft | Qt::AlignVCenter);
    boxedExpression(qrbDetail, QStringLiteral("qrlVOLUME"), QRectF(kListLeft[3], 0, kListLeft[4] - kListLeft[3], kRow),
                    [](const ReportContext& c) { return TaxPrint::countText(c.value(QStringLiteral("VOLUME"))); });
    boxedExpression(qrbDetail, QStringLiteral("qrlSUP_PRICE"),
                    QRectF(kListLeft[4], 0, kListLeft[5] - kListLeft[4], kRow),
                    [](const ReportContext& c) { return TaxPrint::wonText(c.value(QStringLiteral("SUP_PRICE"))); });
    boxedLabel(qrbDetail, QStringLiteral("qrlRemark"), QRectF(kListLeft[5], 0, kListLeft[6] - kListLeft[5], kRow),
               QString());
}

void TfrmSummaryForm::appendRow(const QString& part, int number, const SummaryFormData::Counterpart* c)
{
    if (c)
        table().appendRow({part, number, c->cNum, c->name, c->volume, c->amount});
    else
        table().appendRow({part, QVariant(), QVariant(), QVariant(), QVariant(), QVariant()});
}

void TfrmSummaryForm::buildListHeader(Band* b, double y)
{
    const QString amount = m_sales ? QStringLiteral("⑮ 매출(수입)금액") : QStringLiteral("⑮ 매입금액");
    const QString captions[] = {QStringLiteral("⑪ 일련\n번호"), QStringLiteral("⑫ 사업자등록번호"),
                                QStringLiteral("⑬ 상호(법인명)"), QStringLiteral("⑭ 매수"), amount,
                                QStringLiteral("비고")};
    for (int c = 0; c < 6; ++c)
        boxedLabel(b, QStringLiteral("qrlListTitle%1").arg(c), QRectF(kListLeft[c], y, kListLeft[c + 1] - kListLeft[c], 9),
                   captions[c]);
}

void TfrmSummaryForm::buildFirstSheet(Band* b)
{
    const double w = contentWidth();
    const QString side = m_sales ? QStringLiteral("매출") : QStringLiteral("매입");
    b->font = ReportFont(QStringLiteral("굴림"), 9);
    b->height = 118;
    ReportElement* title = b->addLabel(QStringLiteral("qrlFormTitle"), QRectF(0, 0, w, 10),
                                       side + QStringLiteral("처별 계산서 합계표(갑)"), Qt::AlignCenter);
    title->font = ReportFont(QStringLiteral("굴림"), 16, true);
    b->addLabel(QStringLiteral("qrlYearPeriod"), QRectF(0, 10, w, 6),
                QStringLiteral("[ %1 년  %2 기 ]").arg(m_data.year, m_data.period), Qt::AlignCenter);
    b->addLabel(QStringLiteral("qrlSection1"), QRectF(0, 18, w, 6), QStringLiteral("1. 제출자 인적사항"));
    const double half = w / 2;
    const double cap = 30;
    const struct {
        const char* caption;
        QString value;
        double left;
        double top;
        double width;
    } cells[] = {
        {"① 사업자등록번호", m_data.place.regNo.left(3) + QLatin1Char('-') + m_data.place.regNo.mid(3, 2) + QLatin1Char('-')
                                 + m_data.place.regNo.mid(5),
         0, 24, half},
        {"② 상호(법인명)", m_data.place.name, half, 24, half},
        {"③ 성명(대표자)", m_data.place.bossName, 0, 31, half},
        {"④ 사업장소재지", m_data.place.address, half, 31, half},
        {"⑤ 거 래 기 간", Tax::FormDayText(m_data.from) + QStringLiteral("   ~   ") + Tax::FormDayText(m_data.to), 0, 38, w},
        {"⑥ 작 성 일 자", Tax::FormDayText(m_data.writing), 0, 45, w},
    };
    int i = 0;
    for (const auto& cell : cells) {
        boxedLabel(b, QStringLiteral("qrlSubmitterCaption%1").arg(i), QRectF(cell.left, cell.top, cap, kRow),
                   QString::fromUtf8(cell.caption));
        boxedLabel(b, QStringLiteral("qrlSubmitter%1").arg(i), QRectF(cell.left + cap, cell.top, cell.width - cap, kRow),
                   cell.value, Qt::AlignLeft | Qt::AlignVCenter);
        ++i;
    }
    b->addLabel(QStringLiteral("qrlSection2"), QRectF(0, 54, w, 6), QStringLiteral("2. ") + side + QStringLiteral("계산서 총 합계"));
    const double totalLeft[] = {0, 50, 75, 100, 165, w};
    const QString totalCaptions[] = {QStringLiteral("구          분"), QStringLiteral("⑦ ") + side + QStringLiteral("처수"),
                                     QStringLiteral("⑧ 매    수"),
                                     m_sales ? QStringLiteral("⑨ 매 출(수 입) 금 액") : QStringLiteral("⑨ 매 입 금 액"),
                                     QStringLiteral("비고")};
    for (int c = 0; c < 5; ++c)
        boxedLabel(b, QStringLiteral("qrlTotalTitle%1").arg(c), QRectF(totalLeft[c], 60, totalLeft[c + 1] - totalLeft[c], 6),
                   totalCaptions[c]);
    b->addLabel(QStringLiteral("qrlUnitGuide"), QRectF(totalLeft[3], 66, totalLeft[4] - totalLeft[3], 4),
                QStringLiteral("조      십억      백만      천      원"), Qt::AlignCenter);
    b->addRect(QStringLiteral("qrsUnitGuideBox"), QRectF(totalLeft[3], 66, totalLeft[4] - totalLeft[3], 4));
    double y = 70;
    int r = 0;
    for (const SummaryFormData::Total& t : m_data.totals) {
        boxedLabel(b, QStringLiteral("qrlTotalCaption%1").arg(r), QRectF(0, y, totalLeft[1], kRow), t.caption);
        boxedLabel(b, QStringLiteral("qrlTotalCount%1").arg(r), QRectF(totalLeft[1], y, totalLeft[2] - totalLeft[1], kRow),
                   TaxPrint::countText(t.count), Qt::AlignRight | Qt::AlignVCenter);
        boxedLabel(b, QStringLiteral("qrlTotalVolume%1").arg(r), QRectF(totalLeft[2], y, totalLeft[3] - totalLeft[2], kRow),
                   TaxPrint::countText(t.volume), Qt::AlignRight | Qt::AlignVCenter);
        boxedLabel(b, QStringLiteral("qrlTotalAmount%1").arg(r), QRectF(totalLeft[3], y, totalLeft[4] - totalLeft[3], kRow),
                   TaxPrint::wonText(t.amount), Qt::AlignRight | Qt::AlignVCenter);
        boxedLabel(b, QStringLiteral("qrlTotalRemark%1").arg(r), QRectF(totalLeft[4], y, totalLeft[5] - totalLeft[4], kRow),
                   QString());
        y += kRow;
        ++r;
    }
    y += 3;
    b->addLabel(QStringLiteral("qrlSection3"), QRectF(0, y, w, 6),
                QStringLiteral("3. ") + side + QStringLiteral("처별 명세 (합계금액으로 기재)"));
    buildListHeader(b, y + 6);
    b->height = y + 6 + 9;
}
