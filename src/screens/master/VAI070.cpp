#include "screens/master/VAI070.h"
#include "common/AppErrors.h"
#include "common/DialogService.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/SheetImport.h"
#include "common/TextUtil.h"
#include "common/Transaction.h"
#include "common/XlsExport.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/GridExport.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include "screens/master/MasterCommon.h"
#include <QCheckBox>
#include <QDateTime>
#include <QGroupBox>
#include <QHash>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QToolButton>

using namespace MasterUi;

namespace {

const char* const kLevelCaptions[TfrmVAI070::kLevels] = {"지출구분", "대분류", "중분류", "소분류", "세부분류1", "세부분류2"};

bool isPart(const QString& text)
{
    static const QRegularExpression twoDigits(QStringLiteral("^[0-9]{2}$"));
    return twoDigits.match(text).hasMatch();
}

// A refusal of the import, naming the row and column of the sheet.
class ImportRefusal : public AppError {
public:
    ImportRefusal(int row, int column, const QString& reason)
        : AppError(QStringLiteral("%1행 %2열: %3").arg(row).arg(SheetImport::ColumnLetters(column), reason)) {}
};

// Sheet columns of the import (1-based): code, names, the six level parts.
constexpr int kColCode = 1;
constexpr int kColName = 14;
constexpr int kColShortName = 11;
constexpr int kColLevel[TfrmVAI070::kLevels] = {2, 4, 6, 8, 10, 12};

}  // namespace

TfrmVAI070::TfrmVAI070(QWidget* parent) : TfrmZQI020(QStringLiteral("VAI070"), parent)
{
    setWindowTitle(QStringLiteral("영업수지계정코드 등록(VAI070)"));

    edtSearchAcctCode = Form::NewEdit(panSearch, QStringLiteral("edtSearchAcctCode"), 7);
    edtSearchName = Form::NewEdit(panSearch, QStringLiteral("edtSearchName"));
    edtSearchSName = Form::NewEdit(panSearch, QStringLiteral("edtSearchSName"));
    Form::Row{Form::Field(QStringLiteral("계정코드"), edtSearchAcctCode), Form::Field(QStringLiteral("계정명칭"), edtSearchName),
              Form::Field(QStringLiteral("세부명칭"), edtSearchSName), Form::Stretch()}
        .attachTo(panSearch);

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    QList<GridColumn> columns{GridColumn(QStringLiteral("BU_ACCT_CODE"), QStringLiteral("계정코드"), 65),
                              GridColumn(QStringLiteral("BU_ACCT_NAME"), QStringLiteral("계정명"), 200),
                              GridColumn(QStringLiteral("BU_ACCT_SNAME"), QStringLiteral("세부명칭"), 100)};
    for (int i = 0; i < kLevels; ++i)
        columns << GridColumn(QStringLiteral("GUBUN_CODE%1_NM").arg(i + 1), QString::fromUtf8(kLevelCaptions[i]), 80);
    for (int i = 0; i < kLevels; ++i)
        columns << GridColumn(QStringLiteral("GUBUN_CODE%1").arg(i + 1), QString::fromUtf8(kLevelCaptions[i]), 62);
    columns << GridColumn(QStringLiteral("P_BY_CODE"), QStringLiteral("테몬코드_판관"), 80)
            << GridColumn(QStringLiteral("N_BY_CODE"), QStringLiteral("테몬코드_원가"), 80);
    rdgMain = Form::NewResultGrid(panDisp, cdsMain, columns);

    panInput->setFixedWidth(440);
    edtAccCode = Form::NewEdit(panInput, QStringLiteral("edtAccCode"), 7);
    edtAccName = NewNameField(panInput, QStringLiteral("edtAccName"));
    edtFindName = NewNameField(panInput, QStringLiteral("edtFindName"));
    Form::Grid form{
        {Form::Field(QStringLiteral("계정코드"), edtAccCode)},
        {Form::Field(QStringLiteral("계정명칭"), Form::Span(2, edtAccName))},
        {Form::Field(QStringLiteral("세부명칭"), Form::Span(2, edtFindName))},
    };
    for (int i = 0; i < kLevels; ++i) {
        edtGubun[i] = Form::NewEdit(panInput, QStringLiteral("edtGUBUN_CODE%1").arg(i + 1), 2);
        edtGubun[i]->setFixedWidth(40);
        edtGubunName[i] = NewNameField(panInput, QStringLiteral("edtGUBUN_NAME%1").arg(i + 1));
        bbtGubun[i] = new QToolButton;
        bbtGubun[i]->setObjectName(QStringLiteral("bbtGUBUN%1").arg(i + 1));
        bbtGubun[i]->setIcon(TPopupBtn::glyph());
        bbtGubun[i]->setFocusPolicy(Qt::NoFocus);
        pbtGubun[i] = NewLookup(panInput, QStringLiteral("pbtGUBUN%1").arg(i + 1),
                                QStringLiteral("SELECT GUBUN_CODE, GUBUN_NAME FROM VX011MS WHERE CODE_LENGTH = '%1' ORDER BY GUBUN_CODE")
                                    .arg(2 * (i + 1)),
                                QString(), {QStringLiteral("코드"), QStringLiteral("코드명")}, edtGubun[i]);
        pbtGubun[i]->hide();
        form.addRow({Form::Label(QString::fromUtf8(kLevelCaptions[i])), Form::Row{edtGubun[i], bbtGubun[i]}, edtGubunName[i]});
        connect(bbtGubun[i], &QToolButton::clicked, this, [this, i] { openPicker(i + 1); });
        connect(pbtGubun[i], &TPopupBtn::clicked, this, [this, i] {
            if (pbtGubun[i]->modalResult() != Lookup::mrOk)
                return;
            // The match is a full classification code: the field keeps its
            // own two-digit part.
            const QString code = pbtGubun[i]->returnValue().value(0).trimmed();
            edtGubun[i]->setText(code.right(2));
            edtGubunName[i]->setText(pbtGubun[i]->returnValue().value(1).trimmed());
        });
    }
    CheckBox1 = new QCheckBox(QStringLiteral("사용유무"));
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    edtP_BY_CODE = Form::NewEdit(panInput, QStringLiteral("edtP_BY_CODE"), 10);
    edtN_BY_CODE = Form::NewEdit(panInput, QStringLiteral("edtN_BY_CODE"), 10);

    cdsCode = new RecordSet(this);
    cdsCode->setObjectName(QStringLiteral("cdsCode"));
    rdgCODE1 = new DataGrid;
    rdgCODE1->setObjectName(QStringLiteral("rdgCODE1"));
    rdgCODE1->setEditable(false);
    rdgCODE1->setRowSelect(true);
    rdgCODE1->setColumns({GridColumn(QStringLiteral("GUBUN_CODE"), QStringLiteral("계정코드"), 100),
                          GridColumn(QStringLiteral("GUBUN_NAME"), QStringLiteral("코드명"), 200)});
    rdgCODE1->setRecordSet(cdsCode);
    edtPickParent = NewNameField(panInput, QStringLiteral("edtPickParent"));
    edtPickCode = NewNameField(panInput, QStringLiteral("edtPickCode"));
    edtPickName = Form::NewEdit(panInput, QStringLiteral("edtPickName"), 60);
    bbtCodeNew = new QPushButton(QStringLiteral("신규"));
    bbtCodeNew->setObjectName(QStringLiteral("bbtCodeNew"));
    bbtCodeEdit = new QPushButton(QStringLiteral("수정"));
    bbtCodeEdit->setObjectName(QStringLiteral("bbtCodeEdit"));
    bbtCodeSave = new QPushButton(QStringLiteral("저장"));
    bbtCodeSave->setObjectName(QStringLiteral("bbtCodeSave"));
    bbtCodeClose = new QPushButton(QStringLiteral("종료"));
    bbtCodeClose->setObjectName(QStringLiteral("bbtCodeClose"));
    Pan_code = new QGroupBox;
    Pan_code->setObjectName(QStringLiteral("Pan_code"));
    form.addRow({Form::Span(3, Form::Row{CheckBox1, Form::Stretch()})});
    form.addRow({Form::Label(QStringLiteral("테몬코드_판관")), Form::Span(2, edtP_BY_CODE)});
    form.addRow({Form::Label(QStringLiteral("테몬코드_원가")), Form::Span(2, edtN_BY_CODE)});
    form.addRow({Form::Span(3, Form::Group(Pan_code, rdgCODE1,
                                           Form::Row{Form::Field(QStringLiteral("상위코드"), edtPickParent),
                                                     Form::Field(QStringLiteral("코드"), edtPickCode)},
                                           Form::Row{Form::Field(QStringLiteral("코드명"), edtPickName)},
                                           Form::Row{Form::Stretch(), bbtCodeNew, bbtCodeEdit, bbtCodeSave, bbtCodeClose}))});
    form.stretchRow(12).stretchColumn(2).margins(6).attachTo(panInput);
    Pan_code->hide();

    connect(bbtCodeNew, &QPushButton::clicked, this, &TfrmVAI070::bbtCodeNewClick);
    connect(bbtCodeEdit, &QPushButton::clicked, this, &TfrmVAI070::bbtCodeEditClick);
    connect(bbtCodeSave, &QPushButton::clicked, this, &TfrmVAI070::bbtCodeSaveClick);
    connect(bbtCodeClose, &QPushButton::clicked, this, &TfrmVAI070::closePicker);
    connect(rdgCODE1, &DataGrid::recordDoubleClicked, this, [this] { pickCurrentCode(); });
    connect(cdsCode, &RecordSet::afterScroll, this, &TfrmVAI070::showPickedRow);

    bbtImport = addStripButton(QStringLiteral("bbtImport"), QStringLiteral("Excel Import"));
    connect(bbtImport, &QPushButton::clicked, this, [this] { importSpreadsheet(); });
    bbtPrint->hide();
    bbtPreview->hide();
    connect(cdsMain, &RecordSet::afterScroll, this, &TfrmVAI070::rdgMainRowChange);
}

// --- list --------------------------------------------------------------------------------

void TfrmVAI070::DoSearch()
{
    // Every code is listed, those beginning with '0' too.
    QString sql = QStringLiteral(
        "SELECT T1.BU_ACCT_CODE, T1.BU_ACCT_NAME, T1.BU_ACCT_SNAME,\n"
        "       T1.GUBUN_CODE1, (SELECT MAX(GUBUN_NAME) FROM VX011MS WHERE GUBUN_CODE = SUBSTR(T1.MENU_CODE, 1, 2)) GUBUN_CODE1_NM,\n"
        "       T1.GUBUN_CODE2, (SELECT MAX(GUBUN_NAME) FROM VX011MS WHERE GUBUN_CODE = SUBSTR(T1.MENU_CODE, 1, 4)) GUBUN_CODE2_NM,\n"
        "       T1.GUBUN_CODE3, (SELECT MAX(GUBUN_NAME) FROM VX011MS WHERE GUBUN_CODE = SUBSTR(T1.MENU_CODE, 1, 6)) GUBUN_CODE3_NM,\n"
        "       T1.GUBUN_CODE4, (SELECT MAX(GUBUN_NAME) FROM VX011MS WHERE GUBUN_CODE = SUBSTR(T1.MENU_CODE, 1, 8)) GUBUN_CODE4_NM,\n"
        "       T1.GUBUN_CODE5, (SELECT MAX(GUBUN_NAME) FROM VX011MS WHERE GUBUN_CODE = SUBSTR(T1.MENU_CODE, 1, 10)) GUBUN_CODE5_NM,\n"
        "       T1.GUBUN_CODE6, (SELECT MAX(GUBUN_NAME) FROM VX011MS WHERE GUBUN_CODE = T1.MENU_CODE) GUBUN_CODE6_NM,\n"
        "       T1.P_BY_CODE, T1.N_BY_CODE, T1.USE_YN, T1.MENU_CODE\n"
        "  FROM VX010MS T1\n"
        " WHERE 1 = 1\n");
    QVariantList params;
    const auto condition = [&](QLineEdit* edit, const char* text) {
        if (const QString value = edit->text().trimmed(); !value.isEmpty()) {
            params << value;
            sql += QString::fromLatin1(text).arg(params.size() - 1);
        }
    };
    condition(edtSearchAcctCode, "   AND T1.BU_ACCT_CODE LIKE :P%1 || '%'\n");
    condition(edtSearchName, "   AND T1.BU_ACCT_NAME LIKE '%' || :P%1 || '%'\n");
    condition(edtSearchSName, "   AND T1.BU_ACCT_SNAME LIKE '%' || :P%1 || '%'\n");
    sql += QStringLiteral(" ORDER BY T1.BU_ACCT_CODE");
    cdsMain->open(sql, params);
    RecordCount = cdsMain->recordCount();
    RefreshButtons();
    rdgMain->setFocus();
}

void TfrmVAI070::rdgMainRowChange()
{
    if (State != stBrowse || !cdsMain->isOpen())
        return;
    if (cdsMain->isEmpty()) {
        clearInput();
        return;
    }
    const auto text = [this](const QString& f) { return cdsMain->fieldAsString(f).trimmed(); };
    edtAccCode->setText(text(QStringLiteral("BU_ACCT_CODE")));
    edtAccName->setText(text(QStringLiteral("BU_ACCT_NAME")));
    edtFindName->setText(text(QStringLiteral("BU_ACCT_SNAME")));
    for (int i = 0; i < kLevels; ++i) {
        edtGubun[i]->setText(text(QStringLiteral("GUBUN_CODE%1").arg(i + 1)));
        edtGubunName[i]->setText(text(QStringLiteral("GUBUN_CODE%1_NM").arg(i + 1)));
    }
    CheckBox1->setChecked(text(QStringLiteral("USE_YN")) == QLatin1String("Y"));
    edtP_BY_CODE->setText(text(QStringLiteral("P_BY_CODE")));
    edtN_BY_CODE->setText(text(QStringLiteral("N_BY_CODE")));
}

void TfrmVAI070::clearInput()
{
    ClearTextFields(panInput);
    CheckBox1->setChecked(false);
}

// --- operations ----------------------------------------------------------------------------

void TfrmVAI070::AfterNew()
{
    clearInput();
    CheckBox1->setChecked(true);
    cdsMain->append();
    m_key.clear();
    edtAccCode->setText(RunQueryRow(QStringLiteral("SELECT pk_v_numbering.next_bu_acct_code() MAXCNT")).value(0).toString());
    edtGubun[0]->setFocus();
}

void TfrmVAI070::AfterEdit()
{
    cdsMain->edit();
    m_key = cdsMain->fieldAsString(QStringLiteral("BU_ACCT_CODE")).trimmed();
    SetKeyLocked(edtAccCode, true);
    edtAccCode->setFocus();
}

void TfrmVAI070::DoSave()
{
    const QString code = edtAccCode->text().trimmed();
    if (code.isEmpty()) {
        ShowError(QStringLiteral("계정코드는 반드시 입력하여야 합니다!"));
        edtAccCode->setFocus();
        return;
    }
    static const QRegularExpression sixDigits(QStringLiteral("^[0-9]{6}$"));
    if (!sixDigits.match(code).hasMatch()) {
        ShowError(QStringLiteral("계정코드는 숫자 6자리로 입력하여야 합니다!"));
        edtAccCode->setFocus();
        return;
    }
    QString menuCode;
    QStringList parts;
    for (int i = 0; i < kLevels; ++i) {
        const QString part = edtGubun[i]->text().trimmed();
        if (!part.isEmpty() && !isPart(part)) {
            ShowError(QStringLiteral("%1 코드는 숫자 2자리로 입력하여야 합니다!").arg(QString::fromUtf8(kLevelCaptions[i])));
            edtGubun[i]->setFocus();
            return;
        }
        parts << part;
        menuCode += part;
    }
    QStringList names;
    for (int i : {0, 2, 3, 4, 5})
        names << edtGubunName[i]->text().trimmed();
    const QString name = names.join(QLatin1Char(','));
    const QString shortName = edtGubunName[5]->text().trimmed();
    const QString useYn = CheckBox1->isChecked() ? QStringLiteral("Y") : QStringLiteral("N");
    edtAccName->setText(name);
    edtFindName->setText(shortName);

    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    QVariantList params{code, name, shortName};
    for (const QString& p : parts)
        params << p;
    params << menuCode << useYn << edtP_BY_CODE->text().trimmed() << edtN_BY_CODE->text().trimmed() << Session::workstationIp
           << Session::empNo;
    if (State == stInsert) {
        ExecSql(QStringLiteral("INSERT INTO VX010MS (BU_ACCT_CODE, BU_ACCT_NAME, BU_ACCT_SNAME, GUBUN_CODE1, GUBUN_CODE2,\n"
                               "                     GUBUN_CODE3, GUBUN_CODE4, GUBUN_CODE5, GUBUN_CODE6, MENU_CODE, USE_YN,\n"
                               "                     P_BY_CODE, N_BY_CODE, U_DATE, U_IP, U_EMP_NO)\n"
                               "VALUES (:P0, :P1, :P2, :P3, :P4, :P5, :P6, :P7, :P8, :P9, :P10, :P11, :P12,\n"
                               "        LOCALTIMESTAMP(0), :P13, :P14)"),
                params);
    } else {
        params[0] = m_key;
        ExecSql(QStringLiteral("UPDATE VX010MS\n"
                               "   SET BU_ACCT_NAME = :P1, BU_ACCT_SNAME = :P2, GUBUN_CODE1 = :P3, GUBUN_CODE2 = :P4,\n"
                               "       GUBUN_CODE3 = :P5, GUBUN_CODE4 = :P6, GUBUN_CODE5 = :P7, GUBUN_CODE6 = :P8,\n"
                               "       MENU_CODE = :P9, USE_YN = :P10, P_BY_CODE = :P11, N_BY_CODE = :P12,\n"
                               "       U_DATE = LOCALTIMESTAMP(0), U_IP = :P13, U_EMP_NO = :P14\n"
                               " WHERE BU_ACCT_CODE = :P0"),
                params);
    }
    tx.commit();
    m_key = State == stInsert ? code : m_key;
    cdsMain->setValue(QStringLiteral("BU_ACCT_CODE"), m_key);
    cdsMain->setValue(QStringLiteral("BU_ACCT_NAME"), name);
    cdsMain->setValue(QStringLiteral("BU_ACCT_SNAME"), shortName);
    for (int i = 0; i < kLevels; ++i) {
        cdsMain->setValue(QStringLiteral("GUBUN_CODE%1").arg(i + 1), parts.at(i));
        cdsMain->setValue(QStringLiteral("GUBUN_CODE%1_NM").arg(i + 1), edtGubunName[i]->text().trimmed());
    }
    cdsMain->setValue(QStringLiteral("MENU_CODE"), menuCode);
    cdsMain->setValue(QStringLiteral("USE_YN"), useYn);
    cdsMain->setValue(QStringLiteral("P_BY_CODE"), edtP_BY_CODE->text().trimmed());
    cdsMain->setValue(QStringLiteral("N_BY_CODE"), edtN_BY_CODE->text().trimmed());
    cdsMain->post();
    SetKeyLocked(edtAccCode, false);
    closePicker();
    RecordCount = cdsMain->recordCount();
    Done = true;
}

void TfrmVAI070::AfterCancel()
{
    if (cdsMain->isOpen() && cdsMain->isEditing())
        cdsMain->cancel();
    clearInput();
    ClearTextFields(panSearch);
    SetKeyLocked(edtAccCode, false);
    closePicker();
    rdgMainRowChange();
}

void TfrmVAI070::DoDelete()
{
    if (!cdsMain->isOpen() || cdsMain->isEmpty())
        return;
    if (AskYesNo(QStringLiteral("선택된 자료를 삭제하시겠습니까?"))) {
        SharedTransaction& tx = SharedTransaction::instance();
        tx.start();
        ExecSql(QStringLiteral("DELETE FROM VX010MS WHERE BU_ACCT_CODE = :P0"),
                {cdsMain->fieldAsString(QStringLiteral("BU_ACCT_CODE"))});
        tx.commit();
        cdsMain->deleteRecord();
        RecordCount = cdsMain->recordCount();
    }
    Done = true;
}

// The import writes codes of its own: not while one is being edited.
void TfrmVAI070::RefreshButtons()
{
    TfrmZQI020::RefreshButtons();
    if (bbtImport)
        bbtImport->setEnabled(State == stNone || State == stBrowse);
}

void TfrmVAI070::DoExcel()
{
    DataGridExportSource source(rdgMain);
    ExportToXls(source, QStringLiteral("영업수지코드"));
}

// --- fields ----------------------------------------------------------------------------------

void TfrmVAI070::FieldExit(QWidget* control)
{
    TfrmZQI020::FieldExit(control);
    if (!LeftWithinWindow(control))
        return;
    if (control == edtAccCode) {
        accCodeExit();
        return;
    }
    for (int i = 0; i < kLevels; ++i)
        if (control == edtGubun[i])
            levelExit(i + 1);
}

void TfrmVAI070::accCodeExit()
{
    if (edtAccCode->isReadOnly())
        return;
    const QString text = edtAccCode->text().trimmed();
    if (text.isEmpty()) {
        ShowError(QStringLiteral("계정코드를 입력 하세요!"));
        return;
    }
    if (!IsDigitsText(text)) {
        ShowError(QStringLiteral("계정코드는 숫자만 입력 가능합니다!"));
        edtAccCode->clear();
        QTimer::singleShot(0, edtAccCode, [field = QPointer<QLineEdit>(edtAccCode)] {
            if (field && field->isEnabled())
                field->setFocus();
        });
        return;
    }
    edtAccCode->setText(ZeroPadLeft(text, 6));
}

QString TfrmVAI070::parentOf(int level) const
{
    QString parent;
    for (int i = 0; i < level - 1; ++i)
        parent += edtGubun[i]->text().trimmed();
    return parent;
}

void TfrmVAI070::levelExit(int level)
{
    QLineEdit* field = edtGubun[level - 1];
    const QString text = field->text().trimmed();
    if (text.isEmpty()) {
        edtGubunName[level - 1]->clear();
        return;
    }
    const QString parent = parentOf(level);
    TPopupBtn* button = pbtGubun[level - 1];
    button->setLinkSql(QStringLiteral("SELECT GUBUN_CODE, GUBUN_NAME FROM VX011MS\n"
                                      " WHERE CODE_LENGTH = :len AND GUBUN_CODE LIKE :parent || '%'\n")
                       + (IsDigitsText(text) ? QStringLiteral("   AND SUBSTR(GUBUN_CODE, :pos, 2) LIKE :txt || '%'\n")
                                             : QStringLiteral("   AND GUBUN_NAME LIKE '%' || :txt || '%' AND :pos > 0\n"))
                       + QStringLiteral(" ORDER BY GUBUN_CODE"));
    button->clearParams();
    button->setParam(QStringLiteral("len"), QString::number(2 * level));
    button->setParam(QStringLiteral("parent"), parent);
    button->setParam(QStringLiteral("pos"), 2 * level - 1);
    button->setParam(QStringLiteral("txt"), text);
    button->LinkSearch();
}

// --- classification picker ----------------------------------------------------------------

void TfrmVAI070::openPicker(int level)
{
    m_pickLevel = level;
    m_pickMode = PickMode::None;
    QString sql = QStringLiteral("SELECT GUBUN_CODE, GUBUN_NAME FROM VX011MS WHERE LENGTH(GUBUN_CODE) = :P0\n");
    QVariantList params{2 * level};
    for (int j = 1; j < level; ++j) {
        params << edtGubun[j - 1]->text().trimmed();
        sql += QStringLiteral("   AND SUBSTR(GUBUN_CODE, %1, 2) = :P%2\n").arg(2 * j - 1).arg(params.size() - 1);
    }
    sql += QStringLiteral(" ORDER BY GUBUN_CODE");
    cdsCode->open(sql, params);
    Pan_code->setTitle(QString::fromUtf8(kLevelCaptions[level - 1]));
    Pan_code->show();
    edtPickParent->setText(parentOf(level));
    bbtCodeSave->setEnabled(false);
    showPickedRow();
    rdgCODE1->setFocus();
}

void TfrmVAI070::showPickedRow()
{
    if (m_pickMode != PickMode::None || !cdsCode->isOpen())
        return;
    edtPickCode->setText(cdsCode->isEmpty() ? QString() : cdsCode->fieldAsString(QStringLiteral("GUBUN_CODE")));
    edtPickName->setText(cdsCode->isEmpty() ? QString() : cdsCode->fieldAsString(QStringLiteral("GUBUN_NAME")));
}

void TfrmVAI070::pickCurrentCode()
{
    if (m_pickLevel < 1 || !cdsCode->isOpen() || cdsCode->isEmpty() || m_pickMode != PickMode::None)
        return;
    const QString code = cdsCode->fieldAsString(QStringLiteral("GUBUN_CODE"));
    edtGubun[m_pickLevel - 1]->setText(code.mid(2 * m_pickLevel - 2, 2));
    edtGubunName[m_pickLevel - 1]->setText(cdsCode->fieldAsString(QStringLiteral("GUBUN_NAME")));
    closePicker();
}

void TfrmVAI070::closePicker()
{
    if (cdsCode->isOpen() && cdsCode->isEditing())
        cdsCode->cancel();
    m_pickMode = PickMode::None;
    Pan_code->hide();
}

void TfrmVAI070::bbtCodeNewClick()
{
    if (m_pickLevel < 1)
        return;
    const QString parent = parentOf(m_pickLevel);
    if (parent.size() != 2 * (m_pickLevel - 1)) {
        ShowError(QStringLiteral("상위 분류를 먼저 선택하세요."));
        return;
    }
    // The database hands out the next own part under the parent, and refuses
    // past 99 instead of coming round to a code in use.
    const QString code = RunQueryRow(QStringLiteral("SELECT pk_v_numbering.next_gubun_code(:P0)"), {parent}).value(0).toString();
    m_pickMode = PickMode::New;
    cdsCode->append();
    edtPickParent->setText(parent);
    edtPickCode->setText(code);
    edtPickName->clear();
    bbtCodeSave->setEnabled(true);
    edtPickName->setFocus();
}

void TfrmVAI070::bbtCodeEditClick()
{
    if (!cdsCode->isOpen() || cdsCode->isEmpty())
        return;
    m_pickKey = cdsCode->fieldAsString(QStringLiteral("GUBUN_CODE"));
    m_pickMode = PickMode::Edit;
    cdsCode->edit();
    bbtCodeSave->setEnabled(true);
    edtPickName->setFocus();
}

void TfrmVAI070::bbtCodeSaveClick()
{
    if (m_pickMode == PickMode::None)
        return;
    const QString name = edtPickName->text().trimmed();
    if (name.isEmpty()) {
        MsgBox(QStringLiteral("코드명을 입력하세요"), QStringLiteral("입력오류"), 1);
        edtPickName->setFocus();
        return;
    }
    const QString code = m_pickMode == PickMode::New ? edtPickCode->text().trimmed() : m_pickKey;
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    try {
        if (m_pickMode == PickMode::New)
            ExecSql(QStringLiteral("INSERT INTO VX011MS (GUBUN_CODE, GUBUN_NAME, U_DATE, U_IP, U_EMP_NO, CODE_LENGTH)\n"
                                   "VALUES (:P0, :P1, LOCALTIMESTAMP(0), :P2, :P3, :P4)"),
                    {code, name, Session::workstationIp, Session::empNo, QString::number(code.size())});
        else
            ExecSql(QStringLiteral("UPDATE VX011MS SET GUBUN_NAME = :P1, CODE_LENGTH = :P4, U_DATE = LOCALTIMESTAMP(0),\n"
                                   "       U_IP = :P2, U_EMP_NO = :P3\n"
                                   " WHERE GUBUN_CODE = :P0"),
                    {code, name, Session::workstationIp, Session::empNo, QString::number(code.size())});
        tx.commit();
    } catch (...) {
        tx.rollback();
        throw;
    }
    m_pickKey = code;
    cdsCode->setValue(QStringLiteral("GUBUN_CODE"), code);
    cdsCode->setValue(QStringLiteral("GUBUN_NAME"), name);
    cdsCode->post();
    m_pickMode = PickMode::None;
    bbtCodeSave->setEnabled(false);
}

// --- spreadsheet import --------------------------------------------------------------------

int TfrmVAI070::importSpreadsheet()
{
    requireActive(bbtImport);
    ShowStatus(QString());
    const QString path = DialogService::instance().openFileName(this, QStringLiteral("Excel Import"), QString(),
                                                                QStringLiteral("Excel 파일(*.xls *.xlsx)"));
    if (path.isEmpty()) {
        ShowStatus(QStringLiteral("가져오기를 취소하였습니다."));
        return 0;
    }
    const QString cancelled = QStringLiteral("작업이 취소되었습니다. Data확인요망-");
    SheetImport::Sheet sheet;
    try {
        sheet = SheetImport::ReadFirstSheet(path);
    } catch (const SheetImport::SheetError& error) {
        MsgBox(cancelled + QStringLiteral("\r") + error.message(), kAppTitle, 3);
        return 0;
    }

    struct Row {
        int sheetRow;
        QVariantList values;
    };
    QList<Row> rows;
    QHash<QString, int> seen;
    static const QRegularExpression sixDigits(QStringLiteral("^[0-9]{6}$"));
    try {
        for (int r = 2; r <= sheet.rowCount(); ++r) {
            const QString code = sheet.cell(r, kColCode).trimmed();
            if (code.isEmpty())
                continue;
            if (!sixDigits.match(code).hasMatch())
                throw ImportRefusal(r, kColCode, QStringLiteral("계정코드는 숫자 6자리여야 합니다. [%1]").arg(code));
            if (seen.contains(code))
                throw ImportRefusal(r, kColCode, QStringLiteral("계정코드 [%1]이(가) %2행과 중복됩니다.").arg(code).arg(seen.value(code)));
            seen.insert(code, r);
            const QString name = sheet.cell(r, kColName).trimmed();
            if (name.isEmpty())
                throw ImportRefusal(r, kColName, QStringLiteral("계정명칭이 비어 있습니다. [%1]").arg(code));
            QStringList parts;
            QString menuCode;
            for (int i = 0; i < kLevels; ++i) {
                const QString part = sheet.cell(r, kColLevel[i]).trimmed();
                if ((i == 0 && part.isEmpty()) || (!part.isEmpty() && !isPart(part)))
                    throw ImportRefusal(r, kColLevel[i],
                                        QStringLiteral("%1 코드는 숫자 2자리여야 합니다. [%2] [%3]")
                                            .arg(QString::fromUtf8(kLevelCaptions[i]), code, part));
                parts << part;
                menuCode += part;
            }
            QVariantList values{code, name, sheet.cell(r, kColShortName).trimmed()};
            for (const QString& p : parts)
                values << p;
            values << Session::workstationIp << Session::empNo << menuCode;
            rows << Row{r, values};
        }
    } catch (const ImportRefusal& refusal) {
        MsgBox(cancelled + refusal.message(), kAppTitle, 3);
        return 0;
    }

    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    const Row* current = nullptr;
    try {
        for (const Row& row : rows) {
            current = &row;
            ExecSql(QStringLiteral("INSERT INTO VX010MS (BU_ACCT_CODE, BU_ACCT_NAME, BU_ACCT_SNAME, GUBUN_CODE1, GUBUN_CODE2,\n"
                                   "                     GUBUN_CODE3, GUBUN_CODE4, GUBUN_CODE5, GUBUN_CODE6, U_DATE, U_IP,\n"
                                   "                     U_EMP_NO, MENU_CODE)\n"
                                   "VALUES (:P0, :P1, :P2, :P3, :P4, :P5, :P6, :P7, :P8, LOCALTIMESTAMP(0), :P9, :P10, :P11)"),
                    row.values);
        }
        tx.commit();
    } catch (const AppError& error) {
        // One transaction for the whole file: nothing of it stays.
        tx.rollback();
        MsgBox(cancelled + QStringLiteral("%1행 %2열: [%3]\r%4")
                               .arg(current ? current->sheetRow : 0)
                               .arg(SheetImport::ColumnLetters(kColCode),
                                    current ? current->values.at(0).toString() : QString(), error.message()),
               kAppTitle, 3);
        return 0;
    }
    MsgBox(QStringLiteral("작업을 완료 하였습니다."), QStringLiteral("작업 완료"), 0);
    if (State == stBrowse && cdsMain->isOpen())
        cdsMain->reopen();
    ShowStatus(QStringLiteral("%1건을 가져왔습니다.").arg(rows.size()));
    return int(rows.size());
}
