#include "screens/notes/VFI055.h"
#include "common/DialogService.h"
#include "common/Messages.h"
#include "common/TextUtil.h"
#include "common/XlsExport.h"
#include "framework/FormKit.h"
#include "framework/MaintenanceCore.h"
#include "grid/DataGrid.h"
#include "grid/GridExport.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include "screens/notes/NoteCommon.h"
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

namespace {

QString maskedDate(const QLineEdit* edit)
{
    const QString digits = DigitsOnly(edit->text());
    return digits.left(4) + QLatin1Char('-') + digits.mid(4, 2) + QLatin1Char('-') + digits.mid(6);
}

bool maskFilled(const QLineEdit* edit)
{
    return !DigitsOnly(edit->text()).isEmpty();
}

bool maskIsDay(const QLineEdit* edit)
{
    const QString digits = DigitsOnly(edit->text());
    return digits.size() == 8 && QDate::fromString(digits, QStringLiteral("yyyyMMdd")).isValid();
}

}  // namespace

TfrmVFI055::TfrmVFI055(QWidget* parent) : TfrmZZS010(QStringLiteral("VFI055"), parent)
{
    setWindowTitle(QStringLiteral("지급어음 조회(VFI055)"));
    bbtPrint->hide();
    bbtPreview->hide();
    bbtExcel = addStripButton(QStringLiteral("bbtExcel"), QStringLiteral("엑셀"));
    addHotkey(QKeySequence(Qt::CTRL | Qt::Key_F11), [this] { bbtExcelClick(); });
    connect(bbtExcel, &QPushButton::clicked, this, &TfrmVFI055::bbtExcelClick);
    panSearch->setFixedHeight(104);

    const auto edit = [this](const char* name, int length, int width, bool upper = false) {
        QLineEdit* e = Form::NewEdit(panSearch, QLatin1String(name), length);
        e->setFixedWidth(width);
        e->installEventFilter(this);
        if (upper)
            connect(e, &QLineEdit::textEdited, e, [e](const QString& text) {
                if (text != text.toUpper())
                    e->setText(text.toUpper());
            });
        return e;
    };
    const auto mask = [this](const char* name) {
        QLineEdit* e = Form::NewMaskEdit(panSearch, QLatin1String(name), QStringLiteral("!9999/99/00;0;_"));
        e->setFixedWidth(84);
        e->installEventFilter(this);
        return e;
    };
    edtFinInstCd1 = edit("edtFinInstCd1", 10, 84, true);
    edtFinInstNm1 = NoteUi::NewNameField(panSearch, QStringLiteral("edtFinInstNm1"), 100);
    edtFinInstCd2 = edit("edtFinInstCd2", 10, 84, true);
    edtFinInstNm2 = NoteUi::NewNameField(panSearch, QStringLiteral("edtFinInstNm2"), 100);
    pbtFinInst1 = NoteUi::NewBankLookup(panSearch, QStringLiteral("pbtFinInst1"), edtFinInstCd1, edtFinInstNm1);
    pbtFinInst2 = NoteUi::NewBankLookup(panSearch, QStringLiteral("pbtFinInst2"), edtFinInstCd2, edtFinInstNm2);
    QList<QRadioButton*> kinds;
    QGroupBox* kind = Form::NewRadioGroup(panSearch, QString(), {{"rdoNote", "어음"}, {"rdoCheque", "수표"}}, &kinds);
    rdoNote = kinds.at(0);
    rdoCheque = kinds.at(1);
    medtRcpDtF = mask("medtRcpDtF");
    medtRcpDtE = mask("medtRcpDtE");
    medtIsuDtF = mask("medtIsuDtF");
    medtIsuDtE = mask("medtIsuDtE");
    medtExpDtF = mask("medtExpDtF");
    medtExpDtE = mask("medtExpDtE");
    medtProcDtF = mask("medtProcDtF");
    medtProcDtE = mask("medtProcDtE");
    edtCustCd1 = edit("edtCustCd1", 10, 84);
    edtCustNm1 = NoteUi::NewNameField(panSearch, QStringLiteral("edtCustNm1"), 100);
    edtCustCd2 = edit("edtCustCd2", 10, 84);
    edtCustNm2 = NoteUi::NewNameField(panSearch, QStringLiteral("edtCustNm2"), 100);
    pbtCustCd1 = NoteUi::NewCustomerLookup(panSearch, QStringLiteral("pbtCustCd1"), edtCustCd1, edtCustNm1);
    pbtCustCd2 = NoteUi::NewCustomerLookup(panSearch, QStringLiteral("pbtCustCd2"), edtCustCd2, edtCustNm2);
    edtBillNoF = edit("edtBillNoF", 12, 96, true);
    edtBillNoE = edit("edtBillNoE", 12, 96, true);
    edtProcCdF = edit("edtProcCdF", 1, 24);
    edtProcCdE = edit("edtProcCdE", 1, 24);

    const auto tilde = [] { return Form::Label(QStringLiteral("~")); };
    Form::Column{
        Form::Row{Form::Field(QStringLiteral("지급은행"), Form::Row{edtFinInstCd1, pbtFinInst1, edtFinInstNm1, tilde(),
                                                                  edtFinInstCd2, pbtFinInst2, edtFinInstNm2}),
                  kind, Form::Field(QStringLiteral("수령일자"), Form::Row{medtRcpDtF, tilde(), medtRcpDtE}), Form::Stretch()},
        Form::Row{Form::Field(QStringLiteral("거 래 처"), Form::Row{edtCustCd1, pbtCustCd1, edtCustNm1, tilde(), edtCustCd2,
                                                                   pbtCustCd2, edtCustNm2}),
                  Form::Field(QStringLiteral("발행일자"), Form::Row{medtIsuDtF, tilde(), medtIsuDtE}),
                  Form::Field(QStringLiteral("만기일자"), Form::Row{medtExpDtF, tilde(), medtExpDtE}), Form::Stretch()},
        Form::Row{Form::Field(QStringLiteral("어음번호"), Form::Row{edtBillNoF, tilde(), edtBillNoE}),
                  Form::Field(QStringLiteral("처리구분"), Form::Row{edtProcCdF, tilde(), edtProcCdE}),
                  Form::Label(QStringLiteral("0:미처리 1:지급 2:견질 3:폐기 4:횡선 5:결제 6:취소")),
                  Form::Field(QStringLiteral("처리일자"), Form::Row{medtProcDtF, tilde(), medtProcDtE}), Form::Stretch()},
    }.spacing(3).attachTo(panSearch);
    m_dates = {{medtRcpDtF, medtRcpDtE, "T1.RCP_DT"}, {medtExpDtF, medtExpDtE, "T1.EXP_DT"},
               {medtIsuDtF, medtIsuDtE, "T1.ISU_DT"}, {medtProcDtF, medtProcDtE, "T1.BILL_PROC_DT"}};

    cdsQuery = new RecordSet(this);
    cdsQuery->setObjectName(QStringLiteral("cdsQuery"));
    rdgMain = new DataGrid(panMain);
    rdgMain->setObjectName(QStringLiteral("rdgMain"));
    rdgMain->setEditable(false);
    rdgMain->setRowSelect(true);
    GridColumn amount(QStringLiteral("BILL_AMT"), QStringLiteral("발행금액"), 100);
    amount.displayFormat = QStringLiteral("#,##0");
    rdgMain->setColumns({
        GridColumn(QStringLiteral("EXP_DT"), QStringLiteral("만기일자"), 82),
        GridColumn(QStringLiteral("ISU_DT"), QStringLiteral("발행일자"), 82),
        GridColumn(QStringLiteral("BILL_NO"), QStringLiteral("어음번호"), 100),
        amount,
        GridColumn(QStringLiteral("CUSE_NM"), QStringLiteral("거래처 명"), 130),
        GridColumn(QStringLiteral("FIN_INST_NM"), QStringLiteral("금융기관명"), 90),
        GridColumn(QStringLiteral("RCP_DT"), QStringLiteral("수령일자"), 82),
        GridColumn(QStringLiteral("BILL_PROC_NM"), QStringLiteral("처리구분"), 60),
        GridColumn(QStringLiteral("BILL_PROC_DT"), QStringLiteral("처리일자"), 82),
        GridColumn(QStringLiteral("ISU_ACC_SH_NO"), QStringLiteral("지급전표번호"), 85),
        GridColumn(QStringLiteral("ISU_ACC_SH_DT"), QStringLiteral("지급일자"), 82),
        GridColumn(QStringLiteral("STL_ACC_SH_NO"), QStringLiteral("결제전표번호"), 85),
        GridColumn(QStringLiteral("STL_ACC_SH_DT"), QStringLiteral("결제일자"), 82),
    });
    rdgMain->setRecordSet(cdsQuery);
    lblTotal = new QLabel(QStringLiteral("0"), panMain);
    lblTotal->setObjectName(QStringLiteral("lblTotal"));
    lblTotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblTotal->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblTotal->setFixedWidth(160);
    Form::Column{rdgMain, Form::Row{Form::Stretch(), Form::Field(QStringLiteral("합계금액"), lblTotal)}}.attachTo(panMain);
}

QString TfrmVFI055::totalText() const
{
    return lblTotal->text();
}

bool TfrmVFI055::eventFilter(QObject* watched, QEvent* event)
{
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (field && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Down || key == Qt::Key_Up) {
            FocusNeighbour(field, key != Qt::Key_Up);
            return true;
        }
    } else if (field && event->type() == QEvent::FocusOut && !field->text().trimmed().isEmpty()) {
        if (field == edtFinInstCd1)
            NoteUi::lookUpTyped(pbtFinInst1, edtFinInstCd1, edtFinInstNm1);
        else if (field == edtFinInstCd2)
            NoteUi::lookUpTyped(pbtFinInst2, edtFinInstCd2, edtFinInstNm2);
        else if (field == edtCustCd1)
            NoteUi::lookUpTyped(pbtCustCd1, edtCustCd1, edtCustNm1);
        else if (field == edtCustCd2)
            NoteUi::lookUpTyped(pbtCustCd2, edtCustCd2, edtCustNm2);
    }
    return TfrmZZS010::eventFilter(watched, event);
}

bool TfrmVFI055::refuse(const QString& message, QLineEdit* focus)
{
    MsgBox(message, QStringLiteral("입력오류"), DialogService::Information);
    focus->setFocus();
    return false;
}

bool TfrmVFI055::checkConditions()
{
    const auto filled = [](const QLineEdit* e) { return !e->text().trimmed().isEmpty(); };
    if (!filled(edtFinInstCd1) || !filled(edtFinInstNm1))
        return refuse(QStringLiteral("은행코드가 존재하지 않습니다."), edtFinInstCd1);
    // Bank codes are texts: compared as such, whatever characters they hold.
    if (filled(edtFinInstCd2) && filled(edtFinInstNm2)) {
        if (edtFinInstCd2->text().trimmed() < edtFinInstCd1->text().trimmed())
            return refuse(QStringLiteral("조회시작은행코드는 조회마지막은행코드보다 작아야 합니다."), edtFinInstCd1);
    } else {
        edtFinInstCd2->setText(edtFinInstCd1->text().trimmed());
        edtFinInstNm2->setText(edtFinInstNm1->text());
    }
    if (filled(edtCustCd1) && !filled(edtCustCd2)) {
        edtCustCd2->setText(edtCustCd1->text().trimmed());
        edtCustNm2->setText(edtCustNm1->text());
    } else if (filled(edtCustCd1) && edtCustCd1->text().trimmed() > edtCustCd2->text().trimmed()) {
        return refuse(QStringLiteral("조회시작거래처코드는 조회마지막거래처코드보다 작아야 합니다."), edtCustCd1);
    }
    for (const DateRange& r : m_dates) {
        if (maskFilled(r.from) && !maskIsDay(r.from))
            return refuse(QStringLiteral("유효한 일자가 아닙니다."), r.from);
        if (maskFilled(r.to)) {
            if (!maskIsDay(r.to))
                return refuse(QStringLiteral("유효한 일자가 아닙니다."), r.to);
            if (maskFilled(r.from) && maskedDate(r.from) > maskedDate(r.to))
                return refuse(QStringLiteral("조회시작일자는 조회마지막일자보다 작아야 합니다."), r.from);
        } else if (maskFilled(r.from)) {
            r.to->setText(r.from->text());
        }
    }
    static const QString states = QStringLiteral("0123456");
    for (QLineEdit* code : {edtProcCdF, edtProcCdE})
        if (filled(code) && !states.contains(code->text().trimmed()))
            return refuse(QStringLiteral("처리구분 입력 오류입니다."), code);
    return true;
}

void TfrmVFI055::bbtSearchClick()
{
    TfrmZZS010::bbtSearchClick();
    if (!checkConditions())
        return;
    QString sql = QStringLiteral(
        "SELECT T1.EXP_DT, T1.ISU_DT, T1.BILL_NO, T1.BILL_AMT, T1.CUST_CD, T2.C_NAME CUSE_NM, T1.FIN_INST_CD,\n"
        "       T3.C_NAME FIN_INST_NM, T1.RCP_DT, T1.BILL_PROC_CD, %1 BILL_PROC_NM, T1.BILL_PROC_DT,\n"
        "       T1.ISU_ACC_SH_NO, T1.ISU_ACC_SH_DT, T1.STL_ACC_SH_NO, T1.STL_ACC_SH_DT\n"
        "  FROM VF060MS T1\n"
        "  LEFT JOIN VA050MS T2 ON T2.C_CODE = T1.CUST_CD AND T2.C_KIND = '01'\n"
        "  LEFT JOIN VA050MS T3 ON T3.C_CODE = T1.FIN_INST_CD AND T3.C_KIND = '03'\n"
        " WHERE T1.BILL_CLF = :P0 AND T1.FIN_INST_CD BETWEEN :P1 AND :P2\n")
                      .arg(NoteUi::formStateSql(QStringLiteral("T1.BILL_PROC_CD")));
    QVariantList params{rdoCheque->isChecked() ? QStringLiteral("2") : QStringLiteral("1"),
                        edtFinInstCd1->text().trimmed(), edtFinInstCd2->text().trimmed()};
    const auto between = [&](const QString& column, const QString& from, const QString& to) {
        if (from.isEmpty() || to.isEmpty())
            return;
        sql += QStringLiteral("   AND %1 BETWEEN :P%2 AND :P%3\n").arg(column).arg(params.size()).arg(params.size() + 1);
        params << from << to;
    };
    const auto dates = [&](const DateRange& r) {
        if (maskFilled(r.from) && maskFilled(r.to))
            between(r.column, maskedDate(r.from), maskedDate(r.to));
    };
    between(QStringLiteral("T1.BILL_PROC_CD"), edtProcCdF->text().trimmed(), edtProcCdE->text().trimmed());
    between(QStringLiteral("T1.CUST_CD"), edtCustCd1->text().trimmed(), edtCustCd2->text().trimmed());
    for (const DateRange& r : m_dates)
        dates(r);
    between(QStringLiteral("T1.BILL_NO"), edtBillNoF->text().trimmed(), edtBillNoE->text().trimmed());
    cdsQuery->open(sql + QStringLiteral(" ORDER BY T1.BILL_NO, T1.EXP_DT, T1.BILL_AMT DESC"), params);
    qint64 total = 0;
    for (int row = 0; row < cdsQuery->recordCount(); ++row)
        total += qRound64(cdsQuery->value(row, QStringLiteral("BILL_AMT")).toDouble());
    lblTotal->setText(QLocale(QLocale::English).toString(total));
    ShowStatus(QStringLiteral("%1 건이 조회되었습니다.").arg(cdsQuery->recordCount()));
}

void TfrmVFI055::bbtExcelClick()
{
    requireActive(bbtExcel);
    ShowStatus(QString());
    DataGridExportSource source(rdgMain);
    ExportToXls(source, QStringLiteral("지급어음 조회"));
}
