#include "screens/assets/VMI050.h"
#include "common/Messages.h"
#include "common/ProcCall.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/TextUtil.h"
#include "common/Transaction.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include "screens/assets/AssetCommon.h"
#include "screens/master/MasterCommon.h"
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

// Departments assets move between: the accounting codes and the cost
// departments the register assigns.
const QString kDeptSql = QStringLiteral(
    "SELECT AFF_DEPT_CODE, AFF_DEPT_NAME FROM VA160MS\n"
    " WHERE USE_YN = 'Y' AND (DEPT_TYPE = '4' OR DEPT_AFF_YN = 'N')\n"
    " ORDER BY AFF_DEPT_NAME");
const QString kDeptLinkSql = QStringLiteral(
    "SELECT AFF_DEPT_CODE, AFF_DEPT_NAME FROM VA160MS\n"
    " WHERE USE_YN = 'Y' AND (DEPT_TYPE = '4' OR DEPT_AFF_YN = 'N')\n"
    "   AND (AFF_DEPT_CODE LIKE :cd OR AFF_DEPT_NAME LIKE '%' || :cd)\n"
    " ORDER BY AFF_DEPT_NAME");

const QString kTransfers = QStringLiteral(
    "SELECT M.FXMVBFDP STRG_CODE, (SELECT AFF_DEPT_NAME FROM VA160MS WHERE AFF_DEPT_CODE = M.FXMVBFDP) STRG_NAME,\n"
    "       M.FXMVNXDP DEST_CODE, (SELECT AFF_DEPT_NAME FROM VA160MS WHERE AFF_DEPT_CODE = M.FXMVNXDP) DEST_NAME,\n"
    "       M.FXMVFXCD ITEM_CODE, A.ASET_NM ITEM_NAME, A.VSFX_SIZE ITEM_SIZE, M.FXMVQTY SILS_QTY\n"
    "  FROM VM050MS M LEFT JOIN VM010MS A ON A.VSFX_CODE = M.FXMVFXCD\n"
    " WHERE %1\n"
    " ORDER BY A.ASET_NM, M.FXMVFXCD");

TPopupBtn* deptLookup(QWidget* parent, const QString& name, QLineEdit* link)
{
    TPopupBtn* b = MasterUi::NewLookup(parent, name, kDeptSql, kDeptLinkSql,
                                       {QStringLiteral("원가코드"), QStringLiteral("원가부서명")}, link);
    b->setColumnWidths({QStringLiteral("10"), QStringLiteral("40")});
    return b;
}

}  // namespace

TfrmVMI050::TfrmVMI050(QWidget* parent) : TfrmZOI010(QStringLiteral("VMI050"), parent)
{
    setWindowTitle(QStringLiteral("자산 이동(VMI050)"));

    edtSTRG_CODE_S = Form::NewEdit(panSearch, QStringLiteral("edtSTRG_CODE_S"), 4);
    edtSTRG_CODE_S->setMaximumWidth(50);
    connect(edtSTRG_CODE_S, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (text != text.toUpper())
            edtSTRG_CODE_S->setText(text.toUpper());
    });
    edtSTRG_NAME_S = MasterUi::NewNameField(panSearch, QStringLiteral("edtSTRG_NAME_S"));
    edtSTRG_NAME_S->setMaximumWidth(150);
    pbtnSTRG_CODE_S = deptLookup(panSearch, QStringLiteral("pbtnSTRG_CODE_S"), edtSTRG_CODE_S);
    connect(pbtnSTRG_CODE_S, &TPopupBtn::clicked, this, [this] {
        if (!MasterUi::TakeLookup(pbtnSTRG_CODE_S, edtSTRG_CODE_S, edtSTRG_NAME_S)) {
            edtSTRG_CODE_S->clear();
            edtSTRG_NAME_S->clear();
        }
    });
    medSILS_DATE_S = Form::NewMaskEdit(panSearch, QStringLiteral("medSILS_DATE_S"), QStringLiteral("!9999/99/00;0;_"));
    medSILS_DATE_S->setMaximumWidth(90);
    Form::Row{Form::Field(QStringLiteral("부서코드"), Form::Row{edtSTRG_CODE_S, pbtnSTRG_CODE_S, edtSTRG_NAME_S}),
              Form::Space(12), Form::Field(QStringLiteral("이동일자"), medSILS_DATE_S), Form::Stretch()}
        .attachTo(panSearch);
    panMaster->hide();

    // the transfer list
    cdsMove = new RecordSet(this);
    cdsMove->setObjectName(QStringLiteral("cdsMove"));
    rgdOM050MS = new DataGrid(panDisplay);
    rgdOM050MS->setObjectName(QStringLiteral("rgdOM050MS"));
    rgdOM050MS->setRecordSet(cdsMove);
    GridColumn quantity(QStringLiteral("SILS_QTY"), QStringLiteral("이동수량"), 70);
    quantity.displayFormat = QStringLiteral("#,##0");
    GridColumn code(QStringLiteral("ITEM_CODE"), QStringLiteral("품목코드"), 80);
    code.footer = FooterKind::Custom;
    code.footerFunction = [this] { return QStringLiteral("갯수 ") + AssetUi::AmountText(cdsMove->recordCount()); };
    const auto hidden = [](const char* field, const char* caption) {
        GridColumn c(QLatin1String(field), QString::fromUtf8(caption), 60);
        c.hidden = true;
        return c;
    };
    const auto readOnly = [](const char* field, const char* caption, int width) {
        GridColumn c(QLatin1String(field), QString::fromUtf8(caption), width);
        c.readOnly = true;
        return c;
    };
    code.readOnly = true;
    rgdOM050MS->setColumns({hidden("STRG_CODE", "창고코드"), hidden("STRG_NAME", "창 고 명"), code,
                            readOnly("ITEM_NAME", "품 목 명", 200), readOnly("ITEM_SIZE", "규    격", 140), quantity});
    rgdOM050MS->setTitleSort(true);
    bbtFetch = new QPushButton(QStringLiteral("자산 목록 자료 가져오기"), panDisplay);
    bbtFetch->setObjectName(QStringLiteral("bbtFetch"));
    connect(bbtFetch, &QPushButton::clicked, this, &TfrmVMI050::fetchAssets);
    Form::Column{rgdOM050MS, Form::Row{bbtFetch, Form::Stretch()}}.attachTo(panDisplay);

    // the destination, the instructions and the asset picker
    edtITEM_CODE = MasterUi::NewNameField(panInput, QStringLiteral("edtITEM_CODE"));
    edtITEM_CODE->setMaximumWidth(50);
    edtITEM_NAME = Form::NewEdit(panInput, QStringLiteral("edtITEM_NAME"));
    edtITEM_NAME->setReadOnly(true);
    pbtnSTRG_CODE_M = deptLookup(panInput, QStringLiteral("pbtnSTRG_CODE_M"), edtITEM_NAME);
    connect(pbtnSTRG_CODE_M, &TPopupBtn::clicked, this, [this] {
        if (!MasterUi::TakeLookup(pbtnSTRG_CODE_M, edtITEM_CODE, edtITEM_NAME)) {
            edtITEM_CODE->clear();
            edtITEM_NAME->clear();
        }
    });
    auto* tabs = new QTabWidget(panInput);
    tabs->setObjectName(QStringLiteral("pgcItem"));
    auto* sheet = new QWidget(tabs);
    sheet->setObjectName(QStringLiteral("tabItem"));
    tabs->addTab(sheet, QStringLiteral("자산조회"));
    edtPickCode = Form::NewEdit(sheet, QStringLiteral("edtPickCode"), 8);
    edtPickCode->setMaximumWidth(80);
    edtPickName = Form::NewEdit(sheet, QStringLiteral("edtPickName"), 100);
    bbtItemSearch = new QPushButton(QStringLiteral("품목조회"), sheet);
    bbtItemSearch->setObjectName(QStringLiteral("bbtItemSearch"));
    bbtTickAll = new QPushButton(QStringLiteral("전체선택"), sheet);
    bbtTickAll->setObjectName(QStringLiteral("bbtTickAll"));
    bbtUntickAll = new QPushButton(QStringLiteral("선택취소"), sheet);
    bbtUntickAll->setObjectName(QStringLiteral("bbtUntickAll"));
    cdsItem = new RecordSet(this);
    cdsItem->setObjectName(QStringLiteral("cdsItem"));
    rgdItem = new DataGrid(sheet);
    rgdItem->setObjectName(QStringLiteral("rgdItem"));
    rgdItem->setRecordSet(cdsItem);
    GridColumn tick(QStringLiteral("CHK"), QStringLiteral("선택"), 36);
    tick.readOnly = true;
    tick.editor = CellEditor::Combo;
    tick.comboItems = {{QStringLiteral("1"), QStringLiteral("√")}, {QStringLiteral("0"), QString()}};
    tick.alignment = Qt::AlignCenter;
    GridColumn stock(QStringLiteral("QTY"), QStringLiteral("현재고"), 50);
    stock.displayFormat = QStringLiteral("#,##0");
    GridColumn wasted(QStringLiteral("SAL_WASTE_YN"), QStringLiteral("매각"), 30);
    wasted.hidden = true;
    rgdItem->setColumns({tick, GridColumn(QStringLiteral("VSFX_CODE"), QStringLiteral("품목코드"), 70),
                         GridColumn(QStringLiteral("ASET_NM"), QStringLiteral("품 목 명"), 120),
                         GridColumn(QStringLiteral("VSFX_SIZE"), QStringLiteral("규  격"), 70), wasted, stock});
    rgdItem->setTitleSort(true);
    rgdItem->setEditable(false);
    lblItemCount = new QLabel(sheet);
    lblItemCount->setObjectName(QStringLiteral("lblItemCount"));
    connect(rgdItem, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (rgdItem->fieldOf(index.column()) == QLatin1String("CHK"))
            setTicked(index.row(), cdsItem->fieldAsString(index.row(), QStringLiteral("CHK")) != QLatin1String("1"));
    });
    connect(bbtItemSearch, &QPushButton::clicked, this, &TfrmVMI050::listAssets);
    connect(bbtTickAll, &QPushButton::clicked, this, [this] { tickAll(true); });
    connect(bbtUntickAll, &QPushButton::clicked, this, [this] { tickAll(false); });
    Form::Column{Form::Grid{{Form::Field(QStringLiteral("자산코드"), Form::Row{edtPickCode, bbtItemSearch, Form::Stretch()})},
                            {Form::Field(QStringLiteral("자 산 명"), edtPickName)}}
                     .stretchColumn(1),
                 rgdItem,
                 Form::Row{Form::Label(QStringLiteral("갯수")), lblItemCount, Form::Stretch(), bbtTickAll, bbtUntickAll}}
        .margins(4)
        .attachTo(sheet);

    Form::Column{Form::Row{Form::Label(QStringLiteral("이동부서")), edtITEM_CODE, pbtnSTRG_CODE_M, edtITEM_NAME},
                 Form::Label(QStringLiteral("[ 자산 부서 이동 ]")),
                 Form::Label(QStringLiteral("1. 우측에서 자산 이동 품목을 체크한다.")),
                 Form::Label(QStringLiteral("2. 먼저 \"이동부서\"를 선택하고 \"자산 목록 가져오기\"를 클릭한다.")),
                 tabs}
        .margins(4)
        .attachTo(panInput);

    medSILS_DATE_S->setText(GetSystemDate().replace(QLatin1Char('-'), QLatin1Char('/')));
    openTransfers(QStringLiteral("FALSE"), {});
    rgdOM050MS->setEditable(false);
}

void TfrmVMI050::glEnabledCheck()
{
    TfrmZOI010::glEnabledCheck();
    // the transfer list is edited while a transfer is written
    const bool editing = DocState == dsEdit || DocState == dsInsert;
    panDisplay->setEnabled(true);
    bbtFetch->setEnabled(editing);
    rgdOM050MS->setEditable(editing);
}

QString TfrmVMI050::transferDay() const
{
    QString day;
    return AssetUi::DateText(DigitsOnly(medSILS_DATE_S->text()), &day) ? day : QString();
}

QString TfrmVMI050::countText() const
{
    return rgdOM050MS->footerText(QStringLiteral("ITEM_CODE"));
}

void TfrmVMI050::openTransfers(const QString& where, const QVariantList& params)
{
    cdsMove->open(kTransfers.arg(where), params);
    showCount();
}

void TfrmVMI050::showCount()
{
    rgdOM050MS->refreshFooters();
    lblItemCount->setText(AssetUi::AmountText(cdsItem->isOpen() ? cdsItem->recordCount() : 0));
}

bool TfrmVMI050::requireDepartment()
{
    if (edtSTRG_CODE_S->text().trimmed().size() == 4)
        return true;
    ShowInfo(QStringLiteral("부서를 선택하고 조회하세요."));
    edtSTRG_CODE_S->setFocus();
    return false;
}

void TfrmVMI050::listAssets()
{
    if (!requireDepartment())
        return;
    cdsItem->open(QStringLiteral(
                      "SELECT '0' CHK, A.VSFX_CODE, A.ASET_NM, A.DEPT_CD,\n"
                      "       (SELECT AFF_DEPT_NAME FROM VA160MS WHERE AFF_DEPT_CODE = A.DEPT_CD) DEPT_NM, A.OG_DEPT_CD,\n"
                      "       (SELECT AFF_DEPT_NAME FROM VA160MS WHERE AFF_DEPT_CODE = A.OG_DEPT_CD) OG_DEPT_NM,\n"
                      "       A.VSFX_SIZE, A.SAL_WASTE_YN, A.QTY\n"
                      "  FROM VM010MS A\n"
                      " WHERE A.SAL_WASTE_YN = 'N' AND A.OG_DEPT_CD = :P0\n"
                      "   AND A.VSFX_CODE LIKE COALESCE(:P1, '') || '%'\n"
                      "   AND COALESCE(A.ASET_NM, '') LIKE COALESCE(:P2, '') || '%'\n"
                      " ORDER BY A.VSFX_CODE"),
                  {edtSTRG_CODE_S->text().trimmed(), edtPickCode->text().trimmed(), edtPickName->text().trimmed()});
    showCount();
}

void TfrmVMI050::setTicked(int row, bool ticked)
{
    if (!cdsItem->isOpen() || row < 0 || row >= cdsItem->recordCount())
        return;
    cdsItem->moveTo(row);
    cdsItem->edit();
    cdsItem->setValue(QStringLiteral("CHK"), ticked ? QStringLiteral("1") : QStringLiteral("0"));
    cdsItem->post();
}

void TfrmVMI050::tickAll(bool ticked)
{
    if (!cdsItem->isOpen())
        return;
    RecordSet::Walk walk(*cdsItem);
    for (int row = 0; row < cdsItem->recordCount(); ++row)
        setTicked(row, ticked);
}

void TfrmVMI050::fetchAssets()
{
    if (!cdsItem->isOpen() || (DocState != dsEdit && DocState != dsInsert))
        return;
    for (int row = 0; row < cdsItem->recordCount(); ++row) {
        const QString code = cdsItem->fieldAsString(row, QStringLiteral("VSFX_CODE"));
        if (cdsItem->fieldAsString(row, QStringLiteral("CHK")) != QLatin1String("1")
            || cdsItem->fieldAsString(row, QStringLiteral("SAL_WASTE_YN")) == QLatin1String("Y")
            || cdsMove->findRow(QStringLiteral("ITEM_CODE"), {code}) >= 0)
            continue;
        cdsMove->appendRecord({edtSTRG_CODE_S->text().trimmed(), edtSTRG_NAME_S->text().trimmed(), QVariant(), QVariant(),
                               code, cdsItem->value(row, QStringLiteral("ASET_NM")),
                               cdsItem->value(row, QStringLiteral("VSFX_SIZE")), cdsItem->value(row, QStringLiteral("QTY"))});
    }
    showCount();
}

void TfrmVMI050::glInsert()
{
    openTransfers(QStringLiteral("FALSE"), {});
    edtITEM_CODE->clear();
    edtITEM_NAME->clear();
    edtITEM_NAME->setFocus();
}

void TfrmVMI050::glEdit()
{
    edtITEM_NAME->setFocus();
}

bool TfrmVMI050::accepted(const QString& answer)
{
    if (answer == QLatin1String("Y"))
        return true;
    SharedTransaction::instance().rollback();
    ShowError(answer.startsWith(QLatin1Char('E')) ? answer.mid(1) : answer);
    return false;
}

void TfrmVMI050::glSave()
{
    if (edtITEM_CODE->text().trimmed().size() != 4) {
        ShowInfo(QStringLiteral("이동부서를 선택하고 저장하세요."));
        edtITEM_NAME->setFocus();
        return;
    }
    if (!requireDepartment())
        return;
    const QString day = transferDay();
    if (day.isEmpty()) {
        AssetUi::InputError(QStringLiteral("날짜를 바르게 입력하십시오."), medSILS_DATE_S);
        return;
    }
    cdsMove->updateRecord();
    if (cdsMove->isEditing())
        cdsMove->post();
    QList<int> rows;
    for (int row = 0; row < cdsMove->recordCount(); ++row)
        if (!cdsMove->fieldAsString(row, QStringLiteral("ITEM_CODE")).trimmed().isEmpty())
            rows << row;
    if (rows.isEmpty()) {
        ShowInfo(QStringLiteral("품목을 입력하세요"));
        return;
    }
    const QString from = edtSTRG_CODE_S->text().trimmed();
    const QString to = edtITEM_CODE->text().trimmed();
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    if (DocState == dsEdit
        && !accepted(CallProcText(QStringLiteral("pr_v_move_asset_update"), {day, from, QStringLiteral("DEL")})))
        return;
    for (int row : rows)
        ExecSql(QStringLiteral("INSERT INTO VM050MS (FXMVDATE, FXMVFXCD, FXMVNXDP, FXMVNUDP, FXMVBFAT, FXMVBRAT, FXMVNFAT,\n"
                               "                     FXMVNRAT, U_DATE, U_IP, U_EMP_NO, FXMVQTY)\n"
                               "VALUES (CAST(:P0 AS DATE), :P1, :P2, :P2, '1111111', '1111111', '1111111', '1111111',\n"
                               "        LOCALTIMESTAMP(0), :P3, :P4, :P5)"),
                {day, cdsMove->fieldAsString(row, QStringLiteral("ITEM_CODE")).trimmed(), to, Session::workstationIp,
                 Session::empNo, cdsMove->value(row, QStringLiteral("SILS_QTY")).toLongLong()});
    if (!accepted(CallProcText(QStringLiteral("pr_v_move_asset_update"), {day, from, QStringLiteral("INS")})))
        return;
    tx.commit();
    openTransfers(QStringLiteral("M.FXMVDATE = CAST(:P0 AS DATE) AND M.FXMVBFDP = :P1"), {day, from});
    RecordCount = cdsMove->recordCount();
    listAssets();
    Done = true;
}

void TfrmVMI050::glCancel()
{
    openTransfers(QStringLiteral("FALSE"), {});
    RecordCount = 0;
    edtITEM_CODE->clear();
    edtITEM_NAME->clear();
    medSILS_DATE_S->setFocus();
}

void TfrmVMI050::glSelect()
{
    if (!requireDepartment())
        return;
    const QString day = transferDay();
    if (day.isEmpty()) {
        AssetUi::InputError(QStringLiteral("날짜를 바르게 입력하십시오."), medSILS_DATE_S);
        return;
    }
    // the assets the department gave away on the day
    openTransfers(QStringLiteral("M.FXMVDATE = CAST(:P0 AS DATE) AND M.FXMVBFDP = :P1"),
                  {day, edtSTRG_CODE_S->text().trimmed()});
    RecordCount = cdsMove->recordCount();
    edtITEM_CODE->setText(RecordCount ? cdsMove->fieldAsString(QStringLiteral("DEST_CODE")) : QString());
    edtITEM_NAME->setText(RecordCount ? cdsMove->fieldAsString(QStringLiteral("DEST_NAME")) : QString());
}

void TfrmVMI050::glDelete()
{
    if (RecordCount == 0)
        return;
    if (!AskYesNo(QStringLiteral("선택된 자료를 삭제하시겠습니까?")))
        return;
    const QString day = transferDay();
    const QString from = edtSTRG_CODE_S->text().trimmed();
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    if (!accepted(CallProcText(QStringLiteral("pr_o_date_stock_sil_update"), {day, from, QStringLiteral("DEL")})))
        return;
    ExecSql(QStringLiteral("DELETE FROM VM020MS WHERE SILS_DATE = :P0 AND STRG_CODE = :P1"),
            {DigitsOnly(day), from});
    tx.commit();
    glCancel();
    Done = true;
}

void TfrmVMI050::glOnEnterEvent(QWidget* control)
{
    TfrmZOI010::glOnEnterEvent(control);
    if (control == edtITEM_NAME)
        edtITEM_CODE->clear();
}

void TfrmVMI050::glOnExitEvent(QWidget* control)
{
    TfrmZOI010::glOnExitEvent(control);
    if (control != edtSTRG_CODE_S)
        return;
    if (edtSTRG_CODE_S->text().trimmed().isEmpty())
        edtSTRG_NAME_S->clear();
    else
        pbtnSTRG_CODE_S->LinkSearch();
}

bool TfrmVMI050::glOnKeyDown(QWidget* control, int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_F1 && control == edtSTRG_CODE_S) {
        pbtnSTRG_CODE_S->click();
        return true;
    }
    return TfrmZOI010::glOnKeyDown(control, key, modifiers);
}
