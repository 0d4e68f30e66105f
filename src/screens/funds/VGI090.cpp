#include "screens/funds/VGI090.h"
#include "common/FieldMode.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include "screens/funds/FundsCommon.h"
#include "screens/master/MasterCommon.h"
#include <QDateEdit>
#include <QLineEdit>

using namespace FundsUi;

namespace {

QString dayColumns()
{
    QStringList columns;
    for (int d = 1; d <= 31; ++d)
        columns << QStringLiteral("T1.") + TfrmVGI090::DayColumn(d);
    return columns.join(QStringLiteral(", "));
}

QString dayTotal()
{
    QStringList terms;
    for (int d = 1; d <= 31; ++d)
        terms << QStringLiteral("COALESCE(T1.%1, 0)").arg(TfrmVGI090::DayColumn(d));
    return terms.join(QStringLiteral(" + "));
}

}  // namespace

QString TfrmVGI090::DayColumn(int day)
{
    return day >= 1 && day <= 31 ? QStringLiteral("FND_%1_AMT").arg(day, 2, 10, QLatin1Char('0')) : QString();
}

TfrmVGI090::TfrmVGI090(QWidget* parent) : TfrmZQI030(QStringLiteral("VGI090"), parent)
{
    setWindowTitle(QStringLiteral("월 자금계획(VGI090)"));
    dtpMonth = Form::NewDateEdit(panSearch, QStringLiteral("dtpFND_USG_YM"));
    Form::Row{Form::Field(QStringLiteral("자금계획 월"), dtpMonth), Form::Stretch()}.attachTo(panSearch);

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    rdgMain = Form::NewResultGrid(panDisp, cdsMain,
                                  {GridColumn(QStringLiteral("FND_USG_CD"), QStringLiteral("자금코드"), 80),
                                   GridColumn(QStringLiteral("FND_USG_NM"), QStringLiteral("자금코드 명"), 180),
                                   GridColumn(QStringLiteral("FND_TOT_AMT"), QStringLiteral("합계금액"), 110)});

    edtFndUsgCd = Form::NewEdit(panInput, QStringLiteral("edtFND_USG_CD"), 4);
    edtFndUsgCd->setMaximumWidth(60);
    pbtFndUsgCd = MasterUi::NewLookup(panInput, QStringLiteral("pbtFND_USG_CD"),
                                      QStringLiteral("SELECT FND_USG_CD, FND_USG_NM FROM VG005MS ORDER BY FND_USG_CD"),
                                      QStringLiteral("SELECT FND_USG_CD, FND_USG_NM FROM VG005MS\n"
                                                     " WHERE (FND_USG_CD LIKE :cd || '%' OR UPPER(FND_USG_NM) LIKE '%' || UPPER(:cd) || '%')\n"
                                                     " ORDER BY FND_USG_CD"),
                                      {QStringLiteral("자금코드"), QStringLiteral("자금코드 명")}, edtFndUsgCd);
    edtFndUsgNm = MasterUi::NewNameField(panInput, QStringLiteral("edtFND_USG_NM"));
    edtTotal = MasterUi::NewNameField(panInput, QStringLiteral("edtFND_TOT_AMT"));
    edtTotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Form::Grid days;
    for (int d = 1; d <= 31; ++d) {
        edtDay[d - 1] = Form::NewEdit(panInput, QStringLiteral("edtFND_%1_AMT").arg(d, 2, 10, QLatin1Char('0')), 19);
        edtDay[d - 1]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    for (int r = 0; r < 16; ++r) {
        QList<Form::Item> cells{Form::Field(QStringLiteral("%1일계획").arg(r + 1, 2, 10, QLatin1Char('0')), edtDay[r])};
        if (r + 17 <= 31)
            cells << Form::Field(QStringLiteral("%1일계획").arg(r + 17, 2, 10, QLatin1Char('0')), edtDay[r + 16]);
        days.addRow(cells);
    }
    Form::Column{Form::Grid{{Form::Field(QStringLiteral("자금코드"), Form::Row{edtFndUsgCd, pbtFndUsgCd, edtFndUsgNm})}}.stretchColumn(1),
                 days.spacing(3),
                 Form::Grid{{Form::Field(QStringLiteral("합계금액"), edtTotal)}}.stretchColumn(1), Form::Stretch()}
        .margins(6)
        .attachTo(panInput);

    bbtPrint->hide();
    bbtPreview->hide();
    bbtExcel->hide();
    connect(cdsMain, &RecordSet::afterScroll, this, &TfrmVGI090::rowChange);
    connect(pbtFndUsgCd, &TPopupBtn::clicked, this, [this] {
        if (!MasterUi::TakeLookup(pbtFndUsgCd, edtFndUsgCd, edtFndUsgNm) && !pbtFndUsgCd->inLinkSearch())
            edtFndUsgNm->clear();
    });
}

int TfrmVGI090::monthDays() const
{
    const QDate first = QDate::fromString(m_month + QStringLiteral("01"), QStringLiteral("yyyyMMdd"));
    return first.isValid() ? first.daysInMonth() : 31;
}

void TfrmVGI090::DoSearch()
{
    m_month = dtpMonth->date().toString(QStringLiteral("yyyyMM"));
    cdsMain->open(QStringLiteral("SELECT T1.FND_USG_YM, T1.FND_USG_CD, T2.FND_USG_NM, ") + dayColumns() + QStringLiteral(",\n       ")
                      + dayTotal() + QStringLiteral(" FND_TOT_AMT\n"
                                                    "  FROM VG090MS T1 LEFT JOIN VG005MS T2 ON T1.FND_USG_CD = T2.FND_USG_CD\n"
                                                    " WHERE T1.FND_USG_YM = :P0\n"
                                                    " ORDER BY T1.FND_USG_CD"),
                  {m_month});
    SetNumberFormats(*cdsMain);
    RecordCount = cdsMain->recordCount();
    showCurrentRow();
    RefreshButtons();
}

void TfrmVGI090::RefreshButtons()
{
    TfrmZQI030::RefreshButtons();
    // days the searched month lacks take nothing
    const int days = monthDays();
    for (int d = 1; d <= 31; ++d)
        SetFieldMode(edtDay[d - 1], d <= days ? fmEditable : fmGreyed, d <= days);
}

void TfrmVGI090::rowChange()
{
    if (State == stBrowse)
        showCurrentRow();
}

void TfrmVGI090::showCurrentRow()
{
    const bool any = cdsMain->isOpen() && !cdsMain->isEmpty() && !cdsMain->isEditing();
    edtFndUsgCd->setText(any ? cdsMain->fieldAsString(QStringLiteral("FND_USG_CD")) : QString());
    edtFndUsgNm->setText(any ? cdsMain->fieldAsString(QStringLiteral("FND_USG_NM")) : QString());
    for (int d = 1; d <= 31; ++d)
        edtDay[d - 1]->setText(any ? cdsMain->displayText(DayColumn(d)) : QString());
    showTotal();
}

void TfrmVGI090::showTotal()
{
    qint64 total = 0;
    for (QLineEdit* e : edtDay)
        total += std::max<qint64>(AmountOf(e->text()), 0);
    edtTotal->setText(AmountText(total));
}

void TfrmVGI090::FieldExit(QWidget* control)
{
    TfrmZQI030::FieldExit(control);
    if (State != stEdit && State != stInsert)
        return;
    if (control == edtFndUsgCd && !edtFndUsgCd->text().trimmed().isEmpty())
        pbtFndUsgCd->LinkSearch();
    else if (std::find(edtDay.begin(), edtDay.end(), control) != edtDay.end())
        showTotal();
}

void TfrmVGI090::AfterNew()
{
    if (!cdsMain->isOpen())
        DoSearch();
    cdsMain->append();
    edtFndUsgCd->clear();
    edtFndUsgNm->clear();
    for (QLineEdit* e : edtDay)
        e->clear();
    showTotal();
    m_oldCode.clear();
    edtFndUsgCd->setFocus();
}

void TfrmVGI090::AfterEdit()
{
    m_oldCode = cdsMain->fieldAsString(QStringLiteral("FND_USG_CD"));
    cdsMain->edit();
    edtFndUsgCd->setFocus();
}

void TfrmVGI090::DoSave()
{
    const QString code = edtFndUsgCd->text().trimmed();
    if (code.isEmpty()) {
        MsgBox(QStringLiteral("자금코드가 입력되지 않았습니다."), QStringLiteral("입력오류"), 1);
        edtFndUsgCd->setFocus();
        return;
    }
    const int days = monthDays();
    QVariantList values{m_month, code};
    for (int d = 1; d <= 31; ++d) {
        QLineEdit* e = edtDay[d - 1];
        const qint64 amount = AmountOf(e->text());
        if (d <= days && !e->text().trimmed().isEmpty() && amount < 0) {
            ShowInfo(QStringLiteral("금액을 바르게 입력하십시오."));
            e->setFocus();
            return;
        }
        values << (d <= days && !e->text().trimmed().isEmpty() ? QString::number(amount) : QString());
    }
    values << Session::workstationIp << Session::empNo << m_oldCode;
    QStringList columns, binds, sets;
    for (int d = 1; d <= 31; ++d) {
        columns << DayColumn(d);
        binds << QStringLiteral("CAST(:P%1 AS NUMERIC)").arg(d + 1);
        sets << QStringLiteral("%1 = CAST(:P%2 AS NUMERIC)").arg(DayColumn(d)).arg(d + 1);
    }
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    if (State == stInsert) {
        ExecSql(QStringLiteral("INSERT INTO VG090MS (FND_USG_YM, FND_USG_CD, %1, U_DATE, U_IP, U_EMP_NO)\n"
                               "VALUES (:P0, :P1, %2, LOCALTIMESTAMP(0), :P33, :P34)")
                    .arg(columns.join(QStringLiteral(", ")), binds.join(QStringLiteral(", "))),
                values.mid(0, 35));
    } else {
        ExecSql(QStringLiteral("UPDATE VG090MS SET FND_USG_CD = :P1, %1,\n"
                               "       U_DATE = LOCALTIMESTAMP(0), U_IP = :P33, U_EMP_NO = :P34\n"
                               " WHERE FND_USG_YM = :P0 AND FND_USG_CD = :P35")
                    .arg(sets.join(QStringLiteral(", "))),
                values);
    }
    tx.commit();
    const QVariantList row = RunQueryRow(QStringLiteral("SELECT T1.FND_USG_YM, T1.FND_USG_CD, T2.FND_USG_NM, ") + dayColumns()
                                             + QStringLiteral(", ") + dayTotal()
                                             + QStringLiteral(" FND_TOT_AMT\n"
                                                              "  FROM VG090MS T1 LEFT JOIN VG005MS T2 ON T1.FND_USG_CD = T2.FND_USG_CD\n"
                                                              " WHERE T1.FND_USG_YM = :P0 AND T1.FND_USG_CD = :P1"),
                                         {m_month, code});
    const QStringList names = cdsMain->fieldNames();
    for (int i = 0; i < names.size() && i < row.size(); ++i)
        cdsMain->setValue(names.at(i), row.at(i));
    cdsMain->post();
    m_oldCode.clear();
    RecordCount = cdsMain->recordCount();
    Done = true;
}

void TfrmVGI090::AfterCancel()
{
    if (cdsMain->isOpen() && cdsMain->isEditing())
        cdsMain->cancel();
    m_oldCode.clear();
    showCurrentRow();
}

void TfrmVGI090::DoDelete()
{
    if (cdsMain->isOpen() && !cdsMain->isEmpty() && AskYesNo(QStringLiteral("선택된 자료를 삭제하시겠습니까?"))) {
        SharedTransaction& tx = SharedTransaction::instance();
        tx.start();
        ExecSql(QStringLiteral("DELETE FROM VG090MS WHERE FND_USG_YM = :P0 AND FND_USG_CD = :P1"),
                {cdsMain->fieldAsString(QStringLiteral("FND_USG_YM")), cdsMain->fieldAsString(QStringLiteral("FND_USG_CD"))});
        tx.commit();
        cdsMain->deleteRecord();
        RecordCount = cdsMain->recordCount();
        showCurrentRow();
    }
    Done = true;
}
