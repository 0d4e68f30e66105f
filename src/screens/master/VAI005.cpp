#include "screens/master/VAI005.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/GridParts.h"
#include "grid/RecordSet.h"
#include "screens/master/MasterCommon.h"
#include <QLineEdit>
#include <QPushButton>
#include <QPainter>

using namespace MasterUi;

namespace {

const char* const kFields[7] = {"AFF_DEPT_CODE", "AFF_DEPT_NAME", "DEPT_CODE", "DEPT_TYPE",
                                "DEPT_AFF_YN",   "USE_YN",        "DEPT_SEQ"};

// Departments of the kind 'Y' (other) are drawn bold in black, the cost and
// selling-and-administrative ones in blue.
class DeptRowDelegate : public GridDelegate {
public:
    DeptRowDelegate(DataGrid* grid, RecordSet* set) : GridDelegate(grid), m_set(set) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem styled(option);
        const bool other = m_set->isOpen()
            && m_set->fieldAsString(index.row(), QStringLiteral("DEPT_AFF_YN")) == QLatin1String("Y");
        styled.font.setBold(other);
        const QColor colour = other ? QColor(Qt::black) : QColor(Qt::blue);
        styled.palette.setColor(QPalette::Text, colour);
        styled.palette.setColor(QPalette::WindowText, colour);
        GridDelegate::paint(painter, styled, index);
    }

private:
    RecordSet* m_set;
};

}  // namespace

TfrmVAI005::TfrmVAI005(QWidget* parent) : TfrmZQI020(QStringLiteral("VAI005"), parent)
{
    setWindowTitle(QStringLiteral("부서 등록(VAI005)"));
    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    RealDBGrid1 = Form::NewResultGrid(panDisp, cdsMain, {
        GridColumn(QStringLiteral("AFF_DEPT_CODE"), QStringLiteral("부서 코드"), 70),
        GridColumn(QStringLiteral("AFF_DEPT_NAME"), QStringLiteral("부 서 명"), 150),
        GridColumn(QStringLiteral("DEPT_CODE"), QStringLiteral("상위 코드"), 70),
        GridColumn(QStringLiteral("DEPT_TYPE"), QStringLiteral("부서 레벨"), 60),
        GridColumn(QStringLiteral("DEPT_AFF_YN"), QStringLiteral("부서 형태"), 60),
        GridColumn(QStringLiteral("USE_YN"), QStringLiteral("사용 여부"), 60),
        GridColumn(QStringLiteral("DEPT_SEQ"), QStringLiteral("일련 번호"), 60),
        GridColumn(QStringLiteral("DEPT_REM"), QStringLiteral("비    고"), 100),
    }, QStringLiteral("RealDBGrid1"));
    RealDBGrid1->setTitleSort(true);
    RealDBGrid1->setItemDelegate(new DeptRowDelegate(RealDBGrid1, cdsMain));

    static const int widths[7] = {4, 50, 4, 1, 1, 1, 3};
    static const char* const labels[7] = {"부서 코드 :", "부 서  명 :", "상위 코드 :", "부서 레벨 :",
                                          "부서 형태 :", "사용 여부 :", "일련 번호 :"};
    static const char* const hints[7] = {"", "", "", "[2:팀,3:파트,4:회계코드]", "[N:원가,P:판관,Y:기타]",
                                         "[Y: 사용,  N: 미사용]", "[부서 화면표시 순번]"};
    Form::Grid form;
    for (int i = 0; i < 7; ++i) {
        edtdb[i] = Form::NewEdit(panInput, QStringLiteral("edtdb%1").arg(i + 1), widths[i]);
        form.addRow({Form::Label(QString::fromUtf8(labels[i])), edtdb[i], Form::Label(QString::fromUtf8(hints[i]))});
    }
    form.stretchRow(7).margins(6).attachTo(panInput);

    bbtExcel->hide();
    bbtPrint->hide();
    bbtPreview->hide();
    connect(cdsMain, &RecordSet::afterScroll, this, &TfrmVAI005::rowChange);
}

void TfrmVAI005::DoSearch()
{
    cdsMain->open(QStringLiteral(
        "SELECT AFF_DEPT_CODE, AFF_DEPT_NAME, DEPT_CODE, DEPT_TYPE, DEPT_AFF_YN, USE_YN,\n"
        "       COALESCE(DEPT_SEQ, '9999') DEPT_SEQ, DEPT_REM\n"
        "  FROM VA160MS\n"
        " ORDER BY COALESCE(DEPT_SEQ, '9999'), AFF_DEPT_NAME"));
    RecordCount = cdsMain->recordCount();
    RefreshButtons();
    RealDBGrid1->setFocus();
}

void TfrmVAI005::rowChange()
{
    if (State != stBrowse || !cdsMain->isOpen())
        return;
    for (int i = 0; i < 7; ++i) {
        QString value = cdsMain->isEmpty() ? QString() : cdsMain->fieldAsString(QLatin1String(kFields[i])).trimmed();
        // The list shows departments without a display order as '9999'.
        if (i == 6 && value == QLatin1String("9999"))
            value.clear();
        edtdb[i]->setText(value);
    }
}

void TfrmVAI005::AfterNew()
{
    cdsMain->append();
    for (QLineEdit* e : edtdb)
        e->clear();
    m_key.clear();
    edtdb[0]->setFocus();
}

void TfrmVAI005::AfterEdit()
{
    cdsMain->edit();
    m_key = cdsMain->fieldAsString(QStringLiteral("AFF_DEPT_CODE")).trimmed();
    edtdb[0]->setFocus();
}

void TfrmVAI005::DoSave()
{
    if (edtdb[0]->text().trimmed().isEmpty()) {
        ShowError(QStringLiteral("부서관리 코드를 입력하세요."));
        edtdb[0]->setFocus();
        return;
    }
    QVariantList values;
    for (QLineEdit* e : edtdb)
        values << e->text().trimmed();
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    QVariantList params = values;
    params << Session::empNo << Session::workstationIp;
    if (State == stInsert) {
        ExecSql(QStringLiteral(
                    "INSERT INTO VA160MS (AFF_DEPT_CODE, AFF_DEPT_NAME, DEPT_CODE, DEPT_TYPE, DEPT_AFF_YN, USE_YN,\n"
                    "                     DEPT_SEQ, DEPT_REM, U_EMP_NO, U_DATE, U_IP)\n"
                    "VALUES (:P0, :P1, :P2, :P3, :P4, :P5, :P6, NULL, :P7, LOCALTIMESTAMP(0), :P8)"),
                params);
    } else {
        params << m_key;
        // Slips, employees and lower departments that name the old code make
        // the database refuse a change of the key.
        ExecSql(QStringLiteral(
                    "UPDATE VA160MS\n"
                    "   SET AFF_DEPT_CODE = :P0, AFF_DEPT_NAME = :P1, DEPT_CODE = :P2, DEPT_TYPE = :P3,\n"
                    "       DEPT_AFF_YN = :P4, USE_YN = :P5, DEPT_SEQ = :P6, DEPT_REM = NULL,\n"
                    "       U_EMP_NO = :P7, U_DATE = LOCALTIMESTAMP(0), U_IP = :P8\n"
                    " WHERE AFF_DEPT_CODE = :P9"),
                params);
    }
    tx.commit();
    m_key = values.at(0).toString();
    for (int i = 0; i < 7; ++i)
        cdsMain->setValue(QLatin1String(kFields[i]), i == 6 && values.at(i).toString().isEmpty() ? QStringLiteral("9999")
                                                                                                 : values.at(i));
    cdsMain->setValue(QStringLiteral("DEPT_REM"), QVariant());
    cdsMain->post();
    RecordCount = cdsMain->recordCount();
    Done = true;
}

void TfrmVAI005::AfterCancel()
{
    if (cdsMain->isOpen() && cdsMain->isEditing())
        cdsMain->cancel();
    rowChange();
}

void TfrmVAI005::DoDelete()
{
    if (!cdsMain->isOpen() || cdsMain->isEmpty())
        return;
    if (!AskYesNo(QStringLiteral("선택한 자료를 삭제하시겠습니까?")))
        return;
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    ExecSql(QStringLiteral("DELETE FROM VA160MS WHERE AFF_DEPT_CODE = :P0"),
            {cdsMain->fieldAsString(QStringLiteral("AFF_DEPT_CODE")).trimmed()});
    tx.commit();
    cdsMain->deleteRecord();
    RecordCount = cdsMain->recordCount();
    Done = true;
}
