#include "screens/tax/VEI043.h"
#include "screens/tax/TaxPrint.h"

namespace {

constexpr int kFirstSheetRows = 10;
constexpr int kContinuationBlock = 16;

bool isPart(const ReportContext& context, const char* part)
{
    return context.text(QStringLiteral("PART")) == QLatin1String(part);
}

}  // namespace

TfrmVEI043::TfrmVEI043(const SummaryFormData& data) : TfrmSummaryForm(QStringLiteral("frmVEI043"), false, data)
{
    qrbHeader->enabled = false;
    // The continuation is the outer group: its page break is taken before
    // anything of the first sheet was placed, so it never empties a page.
    grpContinued = addGroup(QStringLiteral("grpContinued"), QStringLiteral("PART"), 34, 0);
    grpFirst = addGroup(QStringLiteral("grpFirst"), QStringLiteral("PART"), 10, 0);
    buildFirstSheet(grpFirst->header);
    grpFirst->header->beforePrint = [](Band&, const ReportContext& c) { return isPart(c, "1"); };

    Band* b = grpContinued->header;
    b->font = ReportFont(QStringLiteral("굴림"), 9);
    b->forceNewPage = true;
    b->reprintOnNewPage = true;
    b->beforePrint = [](Band&, const ReportContext& c) { return isPart(c, "2"); };
    const double w = contentWidth();
    ReportElement* title = b->addLabel(QStringLiteral("qrlContinuedTitle"), QRectF(0, 0, w, 10),
                                       QStringLiteral("매입처별 계산서 합계표(을)"), Qt::AlignCenter);
    title->font = ReportFont(QStringLiteral("굴림"), 16, true);
    const QString reg = m_data.place.regNo;
    TaxPrint::boxedLabel(b, QStringLiteral("qrlContinuedRegCaption"), QRectF(0, 13, 40, 7), QStringLiteral("사업자등록번호"));
    TaxPrint::boxedLabel(b, QStringLiteral("qrlContinuedReg"), QRectF(40, 13, 60, 7),
                         reg.left(3) + QLatin1Char('-') + reg.mid(3, 2) + QLatin1Char('-') + reg.mid(5));
    TaxPrint::boxedLabel(b, QStringLiteral("qrlContinuedYear"), QRectF(100, 13, w - 100, 7),
                         QStringLiteral("[ %1 년  %2 기 ]").arg(m_data.year, m_data.period));
    buildListHeader(b, 24);
    b->height = 33;

    int number = 0;
    for (const SummaryFormData::Counterpart& c : m_data.counterparts) {
        ++number;
        appendRow(number <= kFirstSheetRows ? QStringLiteral("1") : QStringLiteral("2"), number, &c);
    }
    if (number == 0)
        appendRow(QStringLiteral("1"), 0, nullptr);
    if (number > kFirstSheetRows) {
        for (int after = number - kFirstSheetRows; after % kContinuationBlock != 0; ++after)
            appendRow(QStringLiteral("2"), 0, nullptr);
    }
}

int TfrmVEI043::listRows(const QString& part) const
{
    int rows = 0;
    for (int r = 0; r < data()->rowCount(); ++r) {
        if (data()->value(r, QStringLiteral("PART")).toString() == part)
            ++rows;
    }
    return rows;
}
