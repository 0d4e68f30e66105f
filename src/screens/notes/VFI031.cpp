#include "screens/notes/VFI031.h"
#include "screens/notes/NotePrint.h"

TfrmVFI031::TfrmVFI031() : TfrmZZP020(QStringLiteral("frmVFI031"))
{
    qrlTitle->setText(QStringLiteral("기일도래명세서(지급어음)"));
    qrlProgramID->setText(QStringLiteral("ProgramID:frmVFI031"));
    const Qt::Alignment centre = Qt::AlignCenter;
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    NotePrint::buildTable(*this,
                          {{"qrlConfDate", "확정일자", "CONF_DATE", 20, centre},
                           {"qrlSlipNo", "전표번호", "SLIP_NO", 20, centre},
                           {"qrlSeq", "순번", "SLIP_SEQ_NO", 10, centre},
                           {"qrlRemark", "적        요", "REF_DATA", 48},
                           {"qrlBank", "은행", "MG1", 26},
                           {"qrlBizNo", "사업자번호", "MG2", 24, centre},
                           {"qrlCust", "거래처명", "MG3", 36},
                           {"qrlBillNo", "어음번호", "MG4", 24, centre},
                           {"qrlIsuDt", "발행일자", "MG6", 20, centre},
                           {"qrlExpDt", "만기일자", "MG7", 20, centre},
                           {"qrlAmount", "금    액", "C_AMOUNT", 24, right, "#,##0"}},
                          272);
}

void TfrmVFI031::setPeriod(const QDate& from, const QDate& to)
{
    qrlCondition->setText(QStringLiteral("기간 : ") + from.toString(Qt::ISODate) + QStringLiteral(" ~ ")
                          + to.toString(Qt::ISODate));
}
