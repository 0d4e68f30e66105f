#include "screens/slips/VBI021.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "framework/print/NumberMask.h"
#include "common/DeptEntry.h"
#include <QSqlQuery>

namespace {

// Sheet: A4 landscape, 10 mm margins: 277 x 190 mm of content. Header, eight
// line blocks and the footer fill it exactly.
constexpr double kHeaderHeight = 48.9;
constexpr double kLineHeight = 14.8;
constexpr double kFooterHeight = 22.5;
constexpr double kRow = kLineHeight / 3;  // one text row of a line block

// Columns of a line block (mm from the left margin).
constexpr double kNoLeft = 0, kNoRight = 10;
constexpr double kAcctLeft = 10, kAcctCodeRight = 26, kAcctRight = 62;
constexpr double kItemLeft = 62, kItemRight = 217;
constexpr double kDebitLeft = 217, kCreditLeft = 247, kRight = 277;
constexpr double kItemWidth = kItemRight - kItemLeft;

// Approval boxes of the page header, at the right end: a narrow caption
// column, the writing department's two boxes, a gap, three boxes above.
constexpr double kBoxWidth = 16, kBoxHeight = 28, kBoxCaption = 5, kGroupCaption = 6, kBoxGap = 2;
constexpr double kBoxesLeft = kRight - kGroupCaption - 5 * kBoxWidth - kBoxGap;
// The header's right-hand column of values ends short of the boxes.
constexpr double kHeaderValueLeft = 113, kHeaderValueRight = kBoxesLeft - 2;

const QColor kGrey(0xC0, 0xC0, 0xC0);

QString maskedAmount(const QVariant& value, const QString& mask)
{
    if (value.isNull() || !value.isValid())
        return QString();
    return FormatNumberMask(value.toDouble(), mask);
}

// A box with a caption inside, as the approval boxes are drawn.
void captionBox(Band* band, const QString& name, const QRectF& rect, const QString& caption, double captionHeight)
{
    band->addRect(name + QLatin1String("Box"), rect);
    band->addLabel(name, QRectF(rect.left(), rect.top(), rect.width(), captionHeight), caption, Qt::AlignCenter);
    band->addLine(name + QLatin1String("Rule"),
                  QLineF(rect.left(), rect.top() + captionHeight, rect.right(), rect.top() + captionHeight));
}

}  // namespace

TfrmVBI021::TfrmVBI021() : TfrmZZP010(QStringLiteral("frmVBI021"), QPageLayout::Landscape)
{
    setMargins(QMarginsF(10, 10, 10, 10));
    // The slip form is headed by its own page header on every sheet.
    qrbHeader->enabled = false;
    // The frame's title still names the preview window.
    qrlTitle->setText(QStringLiteral("분  개   전  표"));
    buildPageHeader();
    buildDetail();
    buildFooter();
    // Every value is printed whole inside its box, however long it is.
    for (Band* band : {qrbPageHeader, qrbDetail, qrbFooter})
        for (const auto& e : band->elements())
            if (e->kind == ReportElement::Field || e->kind == ReportElement::Expression || e->kind == ReportElement::System
                || e.get() == qrlSeqNo || e.get() == qrlDebit || e.get() == qrlCredit)
                e->shrinkToFit = true;
}

TfrmVBI021::~TfrmVBI021() = default;

void TfrmVBI021::buildPageHeader()
{
    qrbPageHeader = addBand(Band::PageHeader, QStringLiteral("qrbPageHeader"), kHeaderHeight);
    Band* b = qrbPageHeader;
    b->font = ReportFont(QStringLiteral("굴림"), 9);

    // The title sits in the middle of the sheet, clear of the boxes.
    const double titleHalf = kHeaderValueRight - kRight / 2;
    qrlSlipTitle = b->addLabel(QStringLiteral("qrlSlipTitle"), QRectF(kRight / 2 - titleHalf, 0, 2 * titleHalf, 10),
                               QStringLiteral("분  개   전  표"), Qt::AlignCenter);
    qrlSlipTitle->font = ReportFont(QStringLiteral("굴림"), 20, true);
    qrlSlipTitle->shrinkToFit = true;
    b->addLine(QStringLiteral("qrsTitleRule1"), QLineF(kRight / 2 - 33, 10.2, kRight / 2 + 33, 10.2), 0.3);
    b->addLine(QStringLiteral("qrsTitleRule2"), QLineF(kRight / 2 - 33, 11.0, kRight / 2 + 33, 11.0), 0.3);

    // Header data: two columns of label and value.
    const double rowH = 4.4;
    auto rowY = [rowH](int row) { return 12.5 + row * rowH; };
    auto label = [&](const QString& name, double x, int row, const QString& text, double width = 18) {
        return b->addLabel(name, QRectF(x, rowY(row), width, rowH), text);
    };
    label(QStringLiteral("qrlCocdLabel"), 0, 0, QStringLiteral("사 업 장 :"));
    qrlCocd = b->addExpression(QStringLiteral("qrlCocd"), QRectF(18, rowY(0), 74, rowH),
                               [this](const ReportContext&) { return m_division; });
    label(QStringLiteral("qrlDeptLabel"), 0, 1, QStringLiteral("부    서 :"));
    qrlDept = b->addExpression(QStringLiteral("qrlDept"), QRectF(18, rowY(1), 74, rowH), [](const ReportContext& c) {
        const QString code = c.text(QStringLiteral("DEPT_CODE"));
        const QString name = c.text(QStringLiteral("DEPT_NAME"));
        return code.isEmpty() ? name : code + QLatin1Char(' ') + name;
    });
    label(QStringLiteral("qrlEmpLabel"), 0, 2, QStringLiteral("발 행 자 :"));
    qrlEmpName = b->addField(QStringLiteral("qrlEmpName"), QRectF(18, rowY(2), 74, rowH), QStringLiteral("EMP_K_NAME"));
    label(QStringLiteral("qrlSlipNoLabel"), 0, 3, QStringLiteral("전표번호 :"));
    qrlSlipNo = b->addField(QStringLiteral("qrlSlipNo"), QRectF(18, rowY(3), 74, rowH), QStringLiteral("SLIP_NO"));
    label(QStringLiteral("qrlSlipDateLabel"), 0, 4, QStringLiteral("발행일자 :"));
    qrlSlipDate = b->addField(QStringLiteral("qrlSlipDate"), QRectF(18, rowY(4), 74, rowH), QStringLiteral("SLIP_DATE"));

    const double valueWidth = kHeaderValueRight - kHeaderValueLeft;
    label(QStringLiteral("qrlAccDateLabel"), 95, 0, QStringLiteral("회계일자 :"));
    // The accounting date is written in by hand.
    qrlAccDate = b->addLabel(QStringLiteral("qrlAccDate"), QRectF(kHeaderValueLeft, rowY(0), valueWidth, rowH), QString());
    label(QStringLiteral("qrlRefLabel"), 95, 1, QStringLiteral("내    역 :"));
    qrlRefData = b->addField(QStringLiteral("qrlRefData"), QRectF(kHeaderValueLeft, rowY(1), valueWidth, rowH * 2),
                             QStringLiteral("REF_DATA"), Qt::AlignLeft | Qt::AlignTop);
    qrlRefData->wordWrap = true;
    label(QStringLiteral("qrlCoopLabel"), 95, 3, QStringLiteral("협조: 감사"));
    b->addRect(QStringLiteral("qrsCoopBox"), QRectF(kHeaderValueLeft, rowY(3), 30, rowH));
    label(QStringLiteral("qrlAmountLabel"), 95, 4, QStringLiteral("금   액 :"));
    // Below the boxes, so the amount in words may use the sheet's width.
    qrlAmount = b->addExpression(QStringLiteral("qrlAmount"),
                                 QRectF(kHeaderValueLeft, rowY(4), kRight - kHeaderValueLeft, rowH),
                                 [this](const ReportContext&) { return m_amountText; });

    // Approval boxes of the writing department and above.
    b->addRect(QStringLiteral("qrsWriterGroup"), QRectF(kBoxesLeft, 0, kGroupCaption, kBoxHeight));
    b->addLabel(QStringLiteral("qrlWriterGroup"), QRectF(kBoxesLeft, 0, kGroupCaption, kBoxHeight),
                QStringLiteral("발\n생\n부\n서"), Qt::AlignCenter)
        ->wordWrap = true;
    const QStringList captions{QStringLiteral("담  당"), QStringLiteral("팀  장")};
    for (int i = 0; i < captions.size(); ++i)
        captionBox(b, QStringLiteral("qrlWriterBox%1").arg(i + 1),
                   QRectF(kBoxesLeft + kGroupCaption + i * kBoxWidth, 0, kBoxWidth, kBoxHeight), captions[i], kBoxCaption);
    const QStringList upper{QStringLiteral("본부장"), QStringLiteral("이  사"), QStringLiteral("대표이사")};
    const double upperLeft = kBoxesLeft + kGroupCaption + 2 * kBoxWidth + kBoxGap;
    for (int i = 0; i < upper.size(); ++i)
        captionBox(b, QStringLiteral("qrlApproveBox%1").arg(i + 1),
                   QRectF(upperLeft + i * kBoxWidth, 0, kBoxWidth, kBoxHeight), upper[i], kBoxCaption);

    // Column titles, arranged like the three text rows of a line block.
    const double top = 35.6, h = kHeaderHeight - top, row = h / 3;
    QFont titleFont = ReportFont(QStringLiteral("굴림"), 8, true);
    b->addRect(QStringLiteral("qrsColumnBox"), QRectF(0, top, kRight, h), QColor(0xE0, 0xE0, 0xE0), 0.3);
    auto title = [&](const QString& name, const QRectF& rect, const QString& text) {
        b->addLabel(name, rect, text, Qt::AlignCenter)->font = titleFont;
    };
    auto vline = [&](const QString& name, double x, double y0, double y1, Qt::PenStyle style = Qt::SolidLine) {
        b->addLine(name, QLineF(x, y0, x, y1), 0.2, style);
    };
    title(QStringLiteral("qrlNoTitle"), QRectF(kNoLeft, top, kNoRight - kNoLeft, h), QStringLiteral("No."));
    title(QStringLiteral("qrlAcctTitle"), QRectF(kAcctLeft, top, kAcctRight - kAcctLeft, h), QStringLiteral("계 정   과 목"));
    const QStringList first{QStringLiteral("부     서"), QStringLiteral("관 리  [1]"), QStringLiteral("관  리  [2]")};
    for (int i = 0; i < 3; ++i)
        title(QStringLiteral("qrlItemTitle1_%1").arg(i + 1),
              QRectF(kItemLeft + i * kItemWidth / 3, top, kItemWidth / 3, row), first[i]);
    for (int i = 0; i < 4; ++i)
        title(QStringLiteral("qrlItemTitle2_%1").arg(i + 1),
              QRectF(kItemLeft + i * kItemWidth / 4, top + row, kItemWidth / 4, row),
              QStringLiteral("관  리  [%1]").arg(i + 3));
    title(QStringLiteral("qrlRefTitle"), QRectF(kItemLeft, top + 2 * row, kItemWidth, row), QStringLiteral("적           요"));
    title(QStringLiteral("qrlDebitTitle"), QRectF(kDebitLeft, top, kCreditLeft - kDebitLeft, h), QStringLiteral("차   변"));
    title(QStringLiteral("qrlCreditTitle"), QRectF(kCreditLeft, top, kRight - kCreditLeft, h), QStringLiteral("대   변"));
    for (double x : {kNoRight, kAcctRight, kDebitLeft, kCreditLeft})
        vline(QStringLiteral("qrsColumnTitleRule"), x, top, top + h);
    b->addLine(QStringLiteral("qrsColumnTitleRow"), QLineF(kItemLeft, top + row, kItemRight, top + row), 0.2, Qt::DotLine);
    b->addLine(QStringLiteral("qrsColumnTitleRow"), QLineF(kItemLeft, top + 2 * row, kItemRight, top + 2 * row), 0.2,
               Qt::DotLine);
    for (int i = 1; i < 3; ++i)
        vline(QStringLiteral("qrsColumnTitleItem"), kItemLeft + i * kItemWidth / 3, top, top + row, Qt::DotLine);
    for (int i = 1; i < 4; ++i)
        vline(QStringLiteral("qrsColumnTitleItem"), kItemLeft + i * kItemWidth / 4, top + row, top + 2 * row, Qt::DotLine);
}

void TfrmVBI021::buildDetail()
{
    qrbDetail = addBand(Band::Detail, QStringLiteral("qrbDetail"), kLineHeight);
    Band* b = qrbDetail;
    b->font = ReportFont(QStringLiteral("굴림"), 8);

    qrsLineBack = b->addRect(QStringLiteral("qrsLineBack"), QRectF(0, 0, kRight, kLineHeight), kGrey, 0.3);

    auto rowRect = [](double left, double right, int row) {
        return QRectF(left + 0.8, row * kRow, right - left - 1.6, kRow);
    };
    // Left columns: the two upper accounts around the line's own account.
    b->addField(QStringLiteral("qrlV1AcctName"), rowRect(kAcctLeft, kAcctRight, 0), QStringLiteral("V1_ACCT_SNAME"));
    qrlSeqNo = b->addLabel(QStringLiteral("qrlSeqNo"), rowRect(kNoLeft, kNoRight, 1), QString(),
                           Qt::AlignRight | Qt::AlignVCenter);
    b->addField(QStringLiteral("qrlAcctCode"), rowRect(kAcctLeft, kAcctCodeRight, 1), QStringLiteral("ACCT_CODE"));
    b->addField(QStringLiteral("qrlV2AcctName"), rowRect(kAcctCodeRight, kAcctRight, 1), QStringLiteral("V2_ACCT_SNAME"));
    b->addField(QStringLiteral("qrlAcctName"), rowRect(kAcctLeft, kAcctRight, 2), QStringLiteral("ACCT_SNAME"));

    // Item area: three wide columns, then four narrower, then the description.
    for (int i = 0; i < 3; ++i) {
        const double left = kItemLeft + i * kItemWidth / 3;
        b->addField(QStringLiteral("qrlMg%1").arg(i + 1), rowRect(left, left + kItemWidth / 3, 0),
                    QStringLiteral("MG%1").arg(i + 1));
    }
    for (int i = 0; i < 4; ++i) {
        const double left = kItemLeft + i * kItemWidth / 4;
        b->addField(QStringLiteral("qrlMg%1").arg(i + 4), rowRect(left, left + kItemWidth / 4, 1),
                    QStringLiteral("MG%1").arg(i + 4));
    }
    b->addField(QStringLiteral("qrlLineRefData"), rowRect(kItemLeft, kItemRight, 2), QStringLiteral("REF_DATA"));
    // Long item values and descriptions wrap within their row.
    for (int i = 1; i <= 7; ++i)
        b->element(QStringLiteral("qrlMg%1").arg(i))->wordWrap = true;
    b->element(QStringLiteral("qrlLineRefData"))->wordWrap = true;

    qrlDebit = b->addLabel(QStringLiteral("qrlDebit"), rowRect(kDebitLeft, kCreditLeft, 1), QString(),
                           Qt::AlignRight | Qt::AlignVCenter);
    qrlCredit = b->addLabel(QStringLiteral("qrlCredit"), rowRect(kCreditLeft, kRight, 1), QString(),
                            Qt::AlignRight | Qt::AlignVCenter);

    // Rules: solid between the column groups, dotted between the text rows
    // and between the item columns.
    for (double x : {kNoRight, kAcctRight, kItemRight, kCreditLeft})
        b->addLine(QStringLiteral("qrsLineColumn"), QLineF(x, 0, x, kLineHeight), 0.2);
    for (int r = 1; r < 3; ++r)
        b->addLine(QStringLiteral("qrsLineRow"), QLineF(kAcctLeft, r * kRow, kItemRight, r * kRow), 0.1, Qt::DotLine);
    b->addLine(QStringLiteral("qrsLineAcctCode"), QLineF(kAcctCodeRight, kRow, kAcctCodeRight, 2 * kRow), 0.1,
               Qt::DotLine);
    for (int i = 1; i < 3; ++i) {
        const double x = kItemLeft + i * kItemWidth / 3;
        b->addLine(QStringLiteral("qrsLineItem"), QLineF(x, 0, x, kRow), 0.1, Qt::DotLine);
    }
    for (int i = 1; i < 4; ++i) {
        const double x = kItemLeft + i * kItemWidth / 4;
        b->addLine(QStringLiteral("qrsLineItem"), QLineF(x, kRow, x, 2 * kRow), 0.1, Qt::DotLine);
    }

    b->beforePrint = [this](Band&, const ReportContext& c) {
        qrsLineBack->fill = m_grey ? kGrey : QColor(Qt::white);
        m_grey = !m_grey;
        const QVariant debit = c.value(QStringLiteral("D_AMOUNT"));
        const QVariant credit = c.value(QStringLiteral("C_AMOUNT"));
        m_debitSum += debit.toDouble();
        m_creditSum += credit.toDouble();
        if (c.value(QStringLiteral("SLIP_SEQ_NO")).toInt() != 0) {
            qrlSeqNo->setText(c.text(QStringLiteral("SLIP_SEQ_NO")));
            qrlDebit->setText(maskedAmount(debit, QStringLiteral("#,###")));
            qrlCredit->setText(maskedAmount(credit, QStringLiteral("#,###")));
        } else {
            qrlSeqNo->setText(QString());
            qrlDebit->setText(QString());
            qrlCredit->setText(QString());
        }
        return true;
    };
}

void TfrmVBI021::buildFooter()
{
    Band* b = qrbFooter;
    b->height = kFooterHeight;
    b->font = ReportFont(QStringLiteral("굴림"), 8);
    // The frame's print date, program ID, logo and company names are not on
    // the slip form.
    for (ReportElement* e : {qrlDateLabel, qrlDate, qrlProgramID, qriLogo, qrlCompany, qrlCompanyEng, qrsFooterRule})
        e->visible = false;

    // Approval boxes of the accounting department.
    const double boxH = 17, capH = 4.5, boxW = 17;
    b->addRect(QStringLiteral("qrsAcctGroup"), QRectF(0, 0, 6, boxH));
    b->addLabel(QStringLiteral("qrlAcctGroup"), QRectF(0, 0, 6, boxH), QStringLiteral("회\n계\n부\n서"), Qt::AlignCenter)
        ->wordWrap = true;
    const QStringList captions{QStringLiteral("담  당"), QStringLiteral("팀  장"), QStringLiteral("본부장"),
                               QStringLiteral("이  사"), QStringLiteral("상  무"), QStringLiteral("대표이사")};
    for (int i = 0; i < captions.size(); ++i)
        captionBox(b, QStringLiteral("qrlAcctBox%1").arg(i + 1), QRectF(6 + i * boxW, 0, boxW, boxH), captions[i], capH);

    // Remarks.
    const double remarkLeft = 6 + 6 * boxW + 2;
    captionBox(b, QStringLiteral("qrlRemark"), QRectF(remarkLeft, 0, kDebitLeft - 42 - remarkLeft - 2, boxH),
               QStringLiteral("비          고"), capH);

    // Totals under the amount columns, on the last sheet only.
    const double totalLeft = kDebitLeft - 42;
    b->addRect(QStringLiteral("qrsTotalBox"), QRectF(totalLeft, 0, kRight - totalLeft, 5.5), QColor(0xE0, 0xE0, 0xE0), 0.3);
    b->addLabel(QStringLiteral("qrlTotalLabel"), QRectF(totalLeft, 0, 42, 5.5), QStringLiteral("합     계"),
                Qt::AlignCenter);
    b->addLine(QStringLiteral("qrsTotalRule"), QLineF(kDebitLeft, 0, kDebitLeft, 5.5));
    b->addLine(QStringLiteral("qrsTotalRule"), QLineF(kCreditLeft, 0, kCreditLeft, 5.5));
    // The footer is laid out after the last line of its sheet, so the sums
    // are complete on the sheet the counting pass found to be the last.
    qrlTotalDebit = b->addExpression(
        QStringLiteral("qrlTotalDebit"), QRectF(kDebitLeft + 0.8, 0, kCreditLeft - kDebitLeft - 1.6, 5.5),
        [this](const ReportContext& c) {
            return c.page == m_pageTotal ? FormatNumberMask(m_debitSum, QStringLiteral("#,##0")) : QString();
        },
        Qt::AlignRight | Qt::AlignVCenter);
    qrlTotalCredit = b->addExpression(
        QStringLiteral("qrlTotalCredit"), QRectF(kCreditLeft + 0.8, 0, kRight - kCreditLeft - 1.6, 5.5),
        [this](const ReportContext& c) {
            return c.page == m_pageTotal ? FormatNumberMask(m_creditSum, QStringLiteral("#,##0")) : QString();
        },
        Qt::AlignRight | Qt::AlignVCenter);

    // Payment confirmation.
    const double payTop = 6.5, payH = boxH - payTop;
    b->addRect(QStringLiteral("qrsPayBox"), QRectF(totalLeft, payTop, kRight - totalLeft, payH));
    b->addLabel(QStringLiteral("qrlPayLabel"), QRectF(totalLeft, payTop, 20, payH), QStringLiteral("지출 확인"),
                Qt::AlignCenter);
    b->addLine(QStringLiteral("qrsPayRule"), QLineF(totalLeft + 20, payTop, totalLeft + 20, boxH));
    b->addLabel(QStringLiteral("qrlPayDate"), QRectF(totalLeft + 21, payTop, 45, payH / 2), QStringLiteral("지출일"));
    b->addLabel(QStringLiteral("qrlPayee"), QRectF(totalLeft + 21, payTop + payH / 2, 45, payH / 2),
                QStringLiteral("수령인"));

    // Sheet number over the sheet total.
    const double mid = kRight / 2, y = boxH + 1;
    qrlPageCurrent->geometry = QRectF(mid - 17, y, 15, 4);
    qrlPageSlash->geometry = QRectF(mid - 2, y, 4, 4);
    qrlPageTotal->geometry = QRectF(mid + 2, y, 15, 4);
    for (ReportElement* e : {qrlPageCurrent, qrlPageSlash, qrlPageTotal})
        e->font = ReportFont(QStringLiteral("굴림체"), 8);
}

void TfrmVBI021::qrpReportBeforePrint()
{
    m_debitSum = 0;
    m_creditSum = 0;
    m_grey = true;  // the first line block of every pass is grey
}

QString TfrmVBI021::reportSql() const
{
    // Item values by position; a value without a stored name prints as its
    // code alone.
    QStringList pivot;
    for (int p = 1; p <= 7; ++p)
        pivot << QStringLiteral("MAX(CASE WHEN LINEUP_NO = %1 THEN CASE WHEN COALESCE(MG_DETAIL_NAME, '') = '' "
                                "THEN MG_DETAIL ELSE MG_DETAIL || ':' || MG_DETAIL_NAME END END) MG%1")
                     .arg(p);
    QStringList fillerItems;
    for (int p = 1; p <= 7; ++p)
        fillerItems << QStringLiteral("CAST(NULL AS TEXT) MG%1").arg(p);
    // Filler rows pad the slip to whole sheets of ruled blocks; they follow
    // the slip lines, so every sheet starts with a slip line.
    return QStringLiteral(
               "SELECT Z.SLIP_NO, Z.ACC_DATE, Z.SLIP_CONF_YN, Z.DEPT_CODE, E.AFF_DEPT_NAME DEPT_NAME, Z.CR_EMP_NO,\n"
               "       D.EMP_K_NAME, Z.SLIP_DATE, (A.SLIP_SEQ_NO + 1) SLIP_SEQ_NO,\n"
               "       UP_V1.ACCT_CODE V1_ACCT_CODE, UP_V1.ACCT_NAME V1_ACCT_SNAME,\n"
               "       UP_V2.ACCT_CODE V2_ACCT_CODE, UP_V2.ACCT_NAME V2_ACCT_SNAME,\n"
               "       A.ACCT_CODE, C.ACCT_NAME ACCT_SNAME, A.REF_DATA,\n"
               "       Z.TOTAL_D_AMT + 0 TOTAL_D_AMT, Z.TOTAL_C_AMT + 0 TOTAL_C_AMT,\n"
               "       A.D_AMOUNT + 0 D_AMOUNT, A.C_AMOUNT + 0 C_AMOUNT,\n"
               "       B.MG1, B.MG2, B.MG3, B.MG4, B.MG5, B.MG6, B.MG7, 0 ORD\n"
               "  FROM VB010MS Z\n"
               "       JOIN VB011MS A ON A.SLIP_NO = Z.SLIP_NO\n"
               "       LEFT JOIN (SELECT CAST(:P0 AS VARCHAR) SLIP_NO, SLIP_SEQ_NO,\n"
               "                         %1\n"
               "                    FROM VB011DT WHERE SLIP_NO = :P0 GROUP BY SLIP_SEQ_NO) B\n"
               "              ON B.SLIP_NO = A.SLIP_NO AND B.SLIP_SEQ_NO = A.SLIP_SEQ_NO\n"
               "       JOIN VA020MS C ON C.ACCT_CODE = A.ACCT_CODE\n"
               "       JOIN QA010MS D ON D.EMP_NO = Z.CR_EMP_NO\n"
               "       JOIN QA160MS E ON E.AFF_DEPT_CODE = Z.DEPT_CODE\n"
               "       LEFT JOIN VA020MS UP_V2 ON UP_V2.ACCT_CODE = C.P_ACCT_CODE\n"
               "       LEFT JOIN VA020MS UP_V1 ON UP_V1.ACCT_CODE = UP_V2.P_ACCT_CODE\n"
               " WHERE Z.SLIP_NO = :P0\n"
               "   AND Z.SLIP_DATE = CAST(:P1 AS DATE)\n"
               "   AND Z.DEPT_CODE = :P2\n"
               "UNION ALL\n"
               "SELECT CAST(NULL AS TEXT), CURRENT_DATE, NULL, NULL, NULL, NULL, NULL, CURRENT_DATE, 0,\n"
               "       NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, 0, 0, 0,\n"
               "       %2, 1\n"
               "  FROM generate_series(1, CAST(:P3 AS INTEGER)) filler\n"
               " WHERE CAST(:P3 AS INTEGER) < %3\n"
               " ORDER BY ORD, SLIP_SEQ_NO")
        .arg(pivot.join(QStringLiteral(",\n                         ")), fillerItems.join(QStringLiteral(", ")))
        .arg(kLinesPerPage);
}

void TfrmVBI021::Print(const QString& slipNoText, const QDate& writingDate, const QString& deptEntry,
                       const QString& businessDivision, bool previewFlag, QWidget* parent)
{
    // A temporary number belongs to a slip that is not in the tables yet; no
    // number at all means there is no slip to print either.
    const QString slipNo = slipNoText.trimmed();
    if (slipNo.isEmpty() || slipNo.startsWith(QLatin1Char('N'))) {
        ShowInfo(QStringLiteral("저장 후에 출력 하실수 있습니다.!"));
        return;
    }
    const QString date = writingDate.toString(Qt::ISODate);
    const QString deptCode = DeptEntry::codeOf(deptEntry);

    QSqlQuery count = RunQuery(
        QStringLiteral("SELECT %1 - MOD(COUNT(*), %1) CNT FROM VB011MS WHERE SLIP_NO = :P0").arg(kLinesPerPage), {slipNo});
    const int fillers = count.next() ? count.value(0).toInt() : kLinesPerPage;

    cdsQuery().open(reportSql(), {slipNo, date, deptCode, fillers});

    // Counting pass: the sheet total the footer shows and compares with.
    m_pageTotal = 0;
    m_pageTotal = Prepare();

    m_division = businessDivision;

    // Cash paid out by the slip: the credits on the cash accounts.
    QSqlQuery cash = RunQuery(QStringLiteral("SELECT FN_V_NUMTOHAN('2', SUM(C_AMOUNT)) HCAMT, COALESCE(SUM(C_AMOUNT), 0) ECAMT\n"
                                             "  FROM VB011MS\n"
                                             " WHERE SLIP_NO = :P0 AND ACCT_CODE IN ('1110110', '1110120', '1110130')"),
                              {slipNo}, QStringLiteral("Open"));
    m_amountText.clear();
    if (cash.next()) {
        const double amount = cash.value(1).toDouble();
        if (amount != 0)
            m_amountText = cash.value(0).toString() + QStringLiteral("  (\u20A9 ") +
                           FormatNumberMask(amount, QStringLiteral("#,###")) + QLatin1Char(')');
    }

    PrintOrPreview(previewFlag, parent);
}
