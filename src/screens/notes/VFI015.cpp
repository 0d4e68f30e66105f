#include "screens/notes/VFI015.h"
#include "common/TextUtil.h"
#include "framework/FormKit.h"
#include "framework/MaintenanceCore.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include "screens/notes/NoteCommon.h"
#include <QKeyEvent>
#include <QLineEdit>

namespace {

// A masked date as "YYYY-MM-DD"; empty when not filled.
QString maskedDate(const QLineEdit* edit)
{
    const QString digits = DigitsOnly(edit->text());
    return digits.size() == 8 ? digits.left(4) + QLatin1Char('-') + digits.mid(4, 2) + QLatin1Char('-') + digits.mid(6)
                              : QString();
}

}  // namespace

TfrmVFI015::TfrmVFI015(QWidget* parent) : TfrmZZS010(QStringLiteral("VFI015"), parent)
{
    setWindowTitle(QStringLiteral("받을어음 조회(VFI015)"));
    bbtPrint->hide();
    bbtPreview->hide();
    panSearch->setFixedHeight(96);

    const auto edit = [this](const char* name, int length, int width) {
        QLineEdit* e = Form::NewEdit(panSearch, QLatin1String(name), length);
        e->setFixedWidth(width);
        e->installEventFilter(this);
        return e;
    };
    const auto mask = [this](const char* name) {
        QLineEdit* e = Form::NewMaskEdit(panSearch, QLatin1String(name), QStringLiteral("!9999/99/00;0;_"));
        e->setFixedWidth(90);
        e->installEventFilter(this);
        return e;
    };
    edt_BILL_KD_F = edit("edt_BILL_KD_F", 1, 30);
    edt_BILL_KD_E = edit("edt_BILL_KD_E", 1, 30);
    edt_BILL_TYPE_F = edit("edt_BILL_TYPE_F", 1, 30);
    edt_BILL_TYPE_E = edit("edt_BILL_TYPE_E", 1, 30);
    Edit_Cust_Cd1 = edit("Edit_Cust_Cd1", 10, 90);
    Edit_Cust_Nm1 = NoteUi::NewNameField(panSearch, QStringLiteral("Edit_Cust_Nm1"), 120);
    Edit_Cust_Cd2 = edit("Edit_Cust_Cd2", 10, 90);
    Edit_Cust_Nm2 = NoteUi::NewNameField(panSearch, QStringLiteral("Edit_Cust_Nm2"), 120);
    medt_ISU_DT_F = mask("medt_ISU_DT_F");
    medt_ISU_DT_E = mask("medt_ISU_DT_E");
    medt_EXP_DT_F = mask("medt_EXP_DT_F");
    medt_EXP_DT_E = mask("medt_EXP_DT_E");
    edt_BILL_PROC_CD_F = edit("edt_BILL_PROC_CD_F", 1, 30);
    edt_BILL_PROC_CD_E = edit("edt_BILL_PROC_CD_E", 1, 30);
    edt_BILL_NO_F = edit("edt_BILL_NO_F", 15, 110);
    edt_BILL_NO_E = edit("edt_BILL_NO_E", 15, 110);
    pbtCustCd1 = NoteUi::NewCustomerLookup(panSearch, QStringLiteral("pbtCustCd1"), Edit_Cust_Cd1, Edit_Cust_Nm1);
    pbtCustCd2 = NoteUi::NewCustomerLookup(panSearch, QStringLiteral("pbtCustCd2"), Edit_Cust_Cd2, Edit_Cust_Nm2);

    const auto tilde = [] { return Form::Label(QStringLiteral("~")); };
    Form::Column{
        Form::Row{Form::Field(QStringLiteral("어음종류"), Form::Row{edt_BILL_KD_F, tilde(), edt_BILL_KD_E}), Form::Space(16),
                  Form::Field(QStringLiteral("어음형태"), Form::Row{edt_BILL_TYPE_F, tilde(), edt_BILL_TYPE_E}), Form::Space(16),
                  Form::Field(QStringLiteral("처리구분"), Form::Row{edt_BILL_PROC_CD_F, tilde(), edt_BILL_PROC_CD_E}),
                  Form::Space(16),
                  Form::Field(QStringLiteral("어음번호"), Form::Row{edt_BILL_NO_F, tilde(), edt_BILL_NO_E}), Form::Stretch()},
        Form::Row{Form::Field(QStringLiteral("발행일자"), Form::Row{medt_ISU_DT_F, tilde(), medt_ISU_DT_E}), Form::Space(16),
                  Form::Field(QStringLiteral("만기일자"), Form::Row{medt_EXP_DT_F, tilde(), medt_EXP_DT_E}), Form::Stretch()},
        Form::Row{Form::Field(QStringLiteral("거 래 처"), Form::Row{Edit_Cust_Cd1, pbtCustCd1, Edit_Cust_Nm1, tilde(),
                                                                   Edit_Cust_Cd2, pbtCustCd2, Edit_Cust_Nm2}),
                  Form::Stretch()},
    }.spacing(4).attachTo(panSearch);

    m_ranges = {{edt_BILL_TYPE_F, edt_BILL_TYPE_E, "M.BILL_TYPE", false},
                {edt_BILL_KD_F, edt_BILL_KD_E, "M.BILL_KD", false},
                {edt_BILL_NO_F, edt_BILL_NO_E, "M.BILL_NO", false},
                {medt_ISU_DT_F, medt_ISU_DT_E, "M.ISU_DT", true},
                {medt_EXP_DT_F, medt_EXP_DT_E, "M.EXP_DT", true},
                {edt_BILL_PROC_CD_F, edt_BILL_PROC_CD_E, "M.BILL_PROC_CD", false},
                {Edit_Cust_Cd1, Edit_Cust_Cd2, "M.CUST_CD", false}};

    cdsQuery = new RecordSet(this);
    cdsQuery->setObjectName(QStringLiteral("cdsQuery"));
    rdgMain = new DataGrid(panMain);
    rdgMain->setObjectName(QStringLiteral("rdgMain"));
    rdgMain->setEditable(false);
    rdgMain->setRowSelect(true);
    GridColumn amount(QStringLiteral("BILL_AMT"), QStringLiteral("발행금액"), 110);
    amount.displayFormat = QStringLiteral("#,##0");
    rdgMain->setColumns({
        GridColumn(QStringLiteral("EXP_DT"), QStringLiteral("만기일자"), 85),
        GridColumn(QStringLiteral("ISU_DT"), QStringLiteral("발행일자"), 85),
        GridColumn(QStringLiteral("BILL_NO"), QStringLiteral("어음번호"), 110),
        amount,
        GridColumn(QStringLiteral("CUSE_NM"), QStringLiteral("거래처명"), 150),
        GridColumn(QStringLiteral("PAY_BANK_NM"), QStringLiteral("금융기관명"), 110),
        GridColumn(QStringLiteral("BILL_PROC_CD"), QStringLiteral("처리구분"), 65),
        GridColumn(QStringLiteral("BILL_PROC_DT"), QStringLiteral("처리일자"), 85),
        GridColumn(QStringLiteral("BILL_KD"), QStringLiteral("어음종류"), 65),
        GridColumn(QStringLiteral("BILL_TYPE"), QStringLiteral("어음형태"), 65),
        GridColumn(QStringLiteral("STL_ACC_SH_NO"), QStringLiteral("결제전표번호"), 90),
        GridColumn(QStringLiteral("STL_ACC_SH_DT"), QStringLiteral("결제일자"), 85),
    });
    rdgMain->setRecordSet(cdsQuery);
    Form::Column{rdgMain}.attachTo(panMain);
}

bool TfrmVFI015::eventFilter(QObject* watched, QEvent* event)
{
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (field && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Down || key == Qt::Key_Up) {
            FocusNeighbour(field, key != Qt::Key_Up);
            return true;
        }
    } else if (field && event->type() == QEvent::FocusOut) {
        if (field == Edit_Cust_Cd1 && !field->text().trimmed().isEmpty())
            NoteUi::lookUpTyped(pbtCustCd1, Edit_Cust_Cd1, Edit_Cust_Nm1);
        else if (field == Edit_Cust_Cd2 && !field->text().trimmed().isEmpty())
            NoteUi::lookUpTyped(pbtCustCd2, Edit_Cust_Cd2, Edit_Cust_Nm2);
    }
    return TfrmZZS010::eventFilter(watched, event);
}

void TfrmVFI015::bbtSearchClick()
{
    TfrmZZS010::bbtSearchClick();
    QString sql = QStringLiteral(
        "SELECT TO_CHAR(M.EXP_DT, 'YYYY-MM-DD') EXP_DT, TO_CHAR(M.ISU_DT, 'YYYY-MM-DD') ISU_DT, M.BILL_NO, M.BILL_AMT,\n"
        "       A.CUSE_NM, M.PAY_BANK_NM, %1 BILL_PROC_CD, TO_CHAR(M.BILL_PROC_DT, 'YYYY-MM-DD') BILL_PROC_DT,\n"
        "       CASE M.BILL_KD WHEN '1' THEN '어음' WHEN '2' THEN '가계' WHEN '3' THEN '당좌' WHEN '4' THEN '표지' ELSE '알수없음' END BILL_KD,\n"
        "       CASE M.BILL_TYPE WHEN '1' THEN '자가' WHEN '2' THEN '타수' ELSE '알수없음' END BILL_TYPE,\n"
        "       M.STL_ACC_SH_NO, TO_CHAR(M.STL_ACC_SH_DT, 'YYYY-MM-DD') STL_ACC_SH_DT\n"
        "  FROM VF010MS M\n"
        "  LEFT JOIN (SELECT C_CODE, C_NAME CUSE_NM FROM VA050MS WHERE C_KIND = '01') A ON A.C_CODE = M.CUST_CD\n"
        " WHERE 1 = 1\n")
                      .arg(NoteUi::receivedStateSql(QStringLiteral("M.BILL_PROC_CD")));
    QVariantList params;
    for (const Range& r : m_ranges) {
        const auto value = [&r](const QLineEdit* e) { return r.date ? maskedDate(e) : e->text().trimmed(); };
        if (!value(r.from).isEmpty() && value(r.to).isEmpty())
            r.to->setText(r.from->text());
        const QString from = value(r.from);
        const QString to = value(r.to);
        if (from.isEmpty() || to.isEmpty())
            continue;
        const QString cast = r.date ? QStringLiteral("CAST(:P%1 AS DATE)") : QStringLiteral(":P%1");
        sql += QStringLiteral("   AND %1 BETWEEN %2 AND %3\n")
                   .arg(r.column, cast.arg(params.size()), cast.arg(params.size() + 1));
        params << from << to;
    }
    if (Edit_Cust_Cd2->text() == Edit_Cust_Cd1->text())
        Edit_Cust_Nm2->setText(Edit_Cust_Nm1->text());
    cdsQuery->open(sql + QStringLiteral(" ORDER BY M.BILL_NO"), params);
    ShowStatus(QStringLiteral("%1 건이 조회되었습니다.").arg(cdsQuery->recordCount()));
}
