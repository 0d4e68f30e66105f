#include "screens/closing/VKI090.h"
#include "common/HandOver.h"
#include "framework/DateRange.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>

namespace {

// The audited tables as the users know them, and the operations.
const QList<std::pair<QString, QString>> kTables = {
    {"vb010ms", "전표"}, {"vb011ms", "전표내역"}, {"vb011dt", "전표관리항목"},
    {"va020ms", "계정과목"}, {"va030ms", "관리항목"}, {"va040ms", "계정별관리항목"},
    {"va050ms", "거래처"}, {"va051ms", "거래처계좌"},
    {"qa160ms", "부서"}, {"qa160ms_date", "부서(기간)"}, {"va150ms", "원가부서"}, {"va160ms", "회계부서"},
    {"va010ms", "승인권한"}, {"za130ms", "사용자권한"}, {"za140ms", "권한별프로그램"}, {"za150ms", "사용자별프로그램"},
    {"vi010ms", "기수"}, {"vi011ms", "월마감"}, {"vi011dt", "일마감"},
};

QString namesOfTables()
{
    QStringList rows;
    for (const auto& [table, caption] : kTables)
        rows << QStringLiteral("('%1', '%2')").arg(table, caption);
    return QStringLiteral("(VALUES ") + rows.join(QStringLiteral(", ")) + QStringLiteral(")");
}

}  // namespace

TfrmVKI090::TfrmVKI090(QWidget* parent) : TfrmZQI030(QStringLiteral("VKI090"), parent)
{
    setWindowTitle(QStringLiteral("변경 이력 조회(VKI090)"));

    dtpFrom = Form::NewDateEdit(panSearch, QStringLiteral("dtpFrom"));
    dtpTo = Form::NewDateEdit(panSearch, QStringLiteral("dtpTo"));
    dtpFrom->setDate(QDate::currentDate().addDays(-7));
    LinkDateRange(dtpFrom, dtpTo);
    edtEmpNo = Form::NewEdit(panSearch, QStringLiteral("edtEmpNo"), 10);
    edtEmpNo->setMaximumWidth(70);
    edtProgram = Form::NewEdit(panSearch, QStringLiteral("edtProgram"), 20);
    edtProgram->setMaximumWidth(70);
    cbxTable = new QComboBox(panSearch);
    cbxTable->setObjectName(QStringLiteral("cbxTable"));
    cbxTable->addItem(QStringLiteral("전체"), QString());
    for (const auto& [table, caption] : kTables)
        cbxTable->addItem(caption, table);
    edtKey = Form::NewEdit(panSearch, QStringLiteral("edtKey"), 60);
    edtKey->setMaximumWidth(110);
    Form::Row{Form::Field(QStringLiteral("변경일자"), dtpFrom), Form::Label(QStringLiteral("~")), dtpTo,
              Form::Field(QStringLiteral("사원"), edtEmpNo), Form::Field(QStringLiteral("프로그램"), edtProgram),
              Form::Field(QStringLiteral("대상"), cbxTable), Form::Field(QStringLiteral("키/전표번호"), edtKey),
              Form::Stretch()}
        .attachTo(panSearch);

    cdsHistory = new RecordSet(this);
    cdsHistory->setObjectName(QStringLiteral("cdsHistory"));
    rdgHistory = new DataGrid;
    rdgHistory->setObjectName(QStringLiteral("rdgHistory"));
    rdgHistory->setEditable(false);
    rdgHistory->setRowSelect(true);
    rdgHistory->setColumns({
        GridColumn(QStringLiteral("CHANGED_AT"), QStringLiteral("변경일시"), 172),
        GridColumn(QStringLiteral("EMP_NO"), QStringLiteral("사원"), 50),
        GridColumn(QStringLiteral("EMP_NAME"), QStringLiteral("성명"), 60),
        GridColumn(QStringLiteral("WS_IP"), QStringLiteral("IP"), 95),
        GridColumn(QStringLiteral("PROGRAM_ID"), QStringLiteral("프로그램"), 65),
        GridColumn(QStringLiteral("TABLE_CAPTION"), QStringLiteral("대상"), 95),
        GridColumn(QStringLiteral("OPERATION_CAPTION"), QStringLiteral("작업"), 60),
        GridColumn(QStringLiteral("ROW_KEY"), QStringLiteral("키"), 150),
        GridColumn(QStringLiteral("DB_USER"), QStringLiteral("DB사용자"), 70),
    });
    rdgHistory->setRecordSet(cdsHistory);

    cdsChanges = new RecordSet(this);
    cdsChanges->setObjectName(QStringLiteral("cdsChanges"));
    rdgChanges = new DataGrid;
    rdgChanges->setObjectName(QStringLiteral("rdgChanges"));
    rdgChanges->setEditable(false);
    rdgChanges->setRowSelect(true);
    rdgChanges->setColumns({
        GridColumn(QStringLiteral("COLUMN_NAME"), QStringLiteral("항목"), 140),
        GridColumn(QStringLiteral("BEFORE_VALUE"), QStringLiteral("변경 전"), 330),
        GridColumn(QStringLiteral("AFTER_VALUE"), QStringLiteral("변경 후"), 330),
    });
    rdgChanges->setRecordSet(cdsChanges);

    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(rdgHistory);
    splitter->addWidget(rdgChanges);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    Form::Column{splitter}.attachTo(panDisp);
    panInput->hide();

    connect(cdsHistory, &RecordSet::currentChanged, this, [this] { showChanges(); });
    connect(cdsHistory, &RecordSet::afterClose, cdsChanges, &RecordSet::close);

    for (QPushButton* b : {bbtSave, bbtAdd, bbtEdit, bbtDelete, bbtPrint, bbtPreview})
        b->hide();
}

void TfrmVKI090::FormShow()
{
    if (HandOver::HandSlipNo.isEmpty())
        return;
    // Everything that happened to the slip handed over, whenever it happened.
    edtKey->setText(HandOver::HandSlipNo);
    cbxTable->setCurrentIndex(0);
    edtEmpNo->clear();
    edtProgram->clear();
    dtpFrom->setDate(QDate(2000, 1, 1));
    dtpTo->setDate(QDate::currentDate());
    HandOver::clearSlip();
    if (bbtSearch->isEnabled())
        bbtSearch->click();
}

void TfrmVKI090::DoSearch()
{
    const QString key = edtKey->text().trimmed();
    cdsHistory->open(
        QStringLiteral(
            "SELECT H.HISTORY_ID, TO_CHAR(H.CHANGED_AT, 'YYYY-MM-DD HH24:MI:SS.MS') AS CHANGED_AT, H.EMP_NO,\n"
            "       E.EMP_K_NAME AS EMP_NAME, H.WS_IP, H.PROGRAM_ID, H.TABLE_NAME,\n"
            "       COALESCE(T.CAPTION, H.TABLE_NAME) AS TABLE_CAPTION, H.OPERATION,\n"
            "       CASE H.OPERATION WHEN 'INSERT' THEN '추가' WHEN 'UPDATE' THEN '변경' WHEN 'DELETE' THEN '삭제'\n"
            "                        WHEN 'CONFIRM' THEN '확정' WHEN 'CANCEL' THEN '확정취소'\n"
            "                        WHEN 'CLOSE' THEN '마감' WHEN 'REOPEN' THEN '마감취소' END AS OPERATION_CAPTION,\n"
            "       H.ROW_KEY, H.DB_USER\n"
            "  FROM AUDIT.HISTORY H\n"
            "  LEFT JOIN QA010MS E ON E.EMP_NO = H.EMP_NO\n"
            "  LEFT JOIN %1 AS T(TABLE_NAME, CAPTION) ON T.TABLE_NAME = H.TABLE_NAME\n"
            " WHERE H.CHANGED_AT >= CAST(:P0 AS DATE) AND H.CHANGED_AT < CAST(:P1 AS DATE) + 1\n"
            "   AND (CAST(:P2 AS TEXT) IS NULL OR H.EMP_NO = :P2)\n"
            "   AND (CAST(:P3 AS TEXT) IS NULL OR H.PROGRAM_ID = UPPER(:P3))\n"
            "   AND (CAST(:P4 AS TEXT) IS NULL OR H.TABLE_NAME = :P4)\n"
            "   AND (CAST(:P5 AS TEXT) IS NULL OR H.SLIP_NO = :P5 OR H.ROW_KEY = :P5\n"
            "        OR H.ROW_KEY LIKE REPLACE(REPLACE(:P5, '%', '\\%'), '_', '\\_') || '/%')\n"
            " ORDER BY H.HISTORY_ID")
            .arg(namesOfTables()),
        {dtpFrom->date().toString(Qt::ISODate), dtpTo->date().toString(Qt::ISODate), edtEmpNo->text().trimmed(),
         edtProgram->text().trimmed(), cbxTable->currentData().toString(), key});
    RecordCount = cdsHistory->recordCount();
    showChanges();
    RefreshButtons();
}

void TfrmVKI090::showChanges()
{
    if (!cdsHistory->isOpen() || cdsHistory->isEmpty()) {
        cdsChanges->close();
        return;
    }
    // The columns in the table's order; for a change only those whose value
    // differs, for an addition or a removal all of them.
    cdsChanges->open(QStringLiteral(
                         "SELECT UPPER(K.KEY) AS COLUMN_NAME, H.BEFORE_ROW ->> K.KEY AS BEFORE_VALUE,\n"
                         "       H.AFTER_ROW ->> K.KEY AS AFTER_VALUE\n"
                         "  FROM AUDIT.HISTORY H\n"
                         " CROSS JOIN LATERAL JSONB_OBJECT_KEYS(COALESCE(H.AFTER_ROW, H.BEFORE_ROW)) AS K(KEY)\n"
                         "  LEFT JOIN PG_ATTRIBUTE A ON A.ATTRELID = TO_REGCLASS('public.' || H.TABLE_NAME)\n"
                         "                          AND A.ATTNAME = K.KEY\n"
                         " WHERE H.HISTORY_ID = :P0\n"
                         "   AND (H.BEFORE_ROW IS NULL OR H.AFTER_ROW IS NULL\n"
                         "        OR H.BEFORE_ROW -> K.KEY IS DISTINCT FROM H.AFTER_ROW -> K.KEY)\n"
                         " ORDER BY A.ATTNUM, K.KEY"),
                     {cdsHistory->value(QStringLiteral("HISTORY_ID"))});
}

void TfrmVKI090::DoExcel()
{
    ExportDBGrid(rdgHistory, dtpFrom->date().toString(Qt::ISODate) + QStringLiteral(" ~ ") +
                                 dtpTo->date().toString(Qt::ISODate));
}
