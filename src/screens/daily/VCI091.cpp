#include "screens/daily/VCI091.h"
#include <iterator>

namespace {

struct UsageColumn {
    const char* field;
    const char* caption;
    double width;
    bool amount;
};
const UsageColumn kColumns[] = {
    {nullptr, "부서명", 36, false},          {nullptr, "계정과목 명", 40, false},
    {"CONF_DATE", "확정일자", 22, false},     {"SLIP_NO", "전표번호", 22, false},
    {"SLIP_SEQ_NO", "순번", 12, false},       {"REF_DATA", "적요내용", 80, false},
    {"D_AMOUNT", "차  변", 30, true},         {"C_AMOUNT", "대  변", 30, true},
};
constexpr double kRowHeight = 5.5;

QString dateWords(const QDate& day)
{
    return day.toString(QStringLiteral("yyyy")) + QStringLiteral("년 ") + day.toString(QStringLiteral("MM"))
        + QStringLiteral("월 ") + day.toString(QStringLiteral("dd")) + QStringLiteral("일");
}

}  // namespace

TfrmVCI091::TfrmVCI091() : TfrmZZP020(QStringLiteral("frmVCI091"))
{
    qrlTitle->setText(QStringLiteral("부서계정과목별 사용내역"));
    qrlProgramID->setText(QStringLiteral("ProgramID:frmVCI091"));
    const double width = contentWidth();
    qrlCondition->alignment = Qt::AlignLeft | Qt::AlignVCenter;

    qrbColumnHeader = addBand(Band::ColumnHeader, QStringLiteral("qrbColumnHeader"), kRowHeight + 0.5);
    qrbColumnHeader->font = ReportFont(QStringLiteral("굴림"), 9, true);
    qrbColumnHeader->addRect(QStringLiteral("qrsColumnBox"), QRectF(0, 0, width, kRowHeight), QColor(0xE8, 0xE8, 0xE8));
    qrbDetail = addBand(Band::Detail, QStringLiteral("qrbDetail"), kRowHeight);
    qrbDetail->font = ReportFont(QStringLiteral("굴림"), 8.5);
    qrsDetailBack = qrbDetail->addRect(QStringLiteral("qrsDetailBack"), QRectF(0, 0, width, kRowHeight), QColor(Qt::white), 0.1);
    double x = 0;
    for (int c = 0; c < int(std::size(kColumns)); ++c) {
        const UsageColumn& col = kColumns[c];
        qrbColumnHeader->addLabel(QStringLiteral("qrlTitle%1").arg(c), QRectF(x, 0, col.width, kRowHeight),
                                  QString::fromUtf8(col.caption), Qt::AlignCenter);
        const QRectF box(x + 1, 0, col.width - 2, kRowHeight);
        const Qt::Alignment align = col.amount ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter;
        ReportElement* e = col.field
            ? qrbDetail->addField(QStringLiteral("qrl") + QLatin1String(col.field), box, QLatin1String(col.field), align,
                                  col.amount ? QStringLiteral("#,##0") : QString())
            : qrbDetail->addLabel(c == 0 ? QStringLiteral("qrlDept") : QStringLiteral("qrlAcct"), box, QString(), align);
        e->shrinkToFit = !col.amount;
        if (c == 0)
            qrlDept = e;
        else if (c == 1)
            qrlAcct = e;
        x += col.width;
    }
    qrbDetail->beforePrint = [this](Band&, const ReportContext& context) {
        const QString dept = context.text(QStringLiteral("AFF_DEPT_NAME"));
        const QString acct = context.text(QStringLiteral("ACCT_NAME"));
        qrlDept->setText(dept != m_lastDept ? dept : QString());
        qrlAcct->setText(acct != m_lastAcct ? acct : QString());
        m_lastDept = dept;
        m_lastAcct = acct;
        qrsDetailBack->fill = context.text(QStringLiteral("REF_DATA")) == QStringLiteral("[합   계]")
            ? QColor(0xC0, 0xC0, 0xC0)
            : QColor(Qt::white);
        return true;
    };
}

void TfrmVCI091::setCondition(const QString& departmentEntry, const QDate& from, const QDate& to)
{
    qrlCondition->setText(QStringLiteral("원가부서 : ") + departmentEntry + QString(15, QLatin1Char(' '))
                          + QStringLiteral("확정일자 : ") + dateWords(from) + QStringLiteral(" - ") + dateWords(to));
}
