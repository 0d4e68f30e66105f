#include "screens/assets/AssetParticulars.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include "screens/assets/AssetCommon.h"
#include "screens/master/MasterCommon.h"
#include <QLineEdit>
#include <QPushButton>

TAssetParticulars::TAssetParticulars(const Setup& setup, QWidget* parent)
    : TfrmZQI030(setup.programId, parent), m_setup(setup)
{
    setWindowTitle(setup.caption + QStringLiteral("(") + setup.programId + QStringLiteral(")"));
    for (QPushButton* b : {bbtExcel, bbtPrint, bbtPreview})
        b->hide();

    edtSVSFX_DTM = Form::NewEdit(panSearch, QStringLiteral("edtSVSFX_DTM"), 2);
    edtSVSFX_DTM->setMaximumWidth(40);
    edtSVSFX_DTM_NM = MasterUi::NewNameField(panSearch, QStringLiteral("edtSVSFX_DTM_NM"));
    edtSVSFX_DTM_NM->setMaximumWidth(120);
    pbtSVSFX_DTM = AssetUi::NewClassLookup(panSearch, QStringLiteral("pbtSVSFX_DTM"), edtSVSFX_DTM);
    connect(pbtSVSFX_DTM, &TPopupBtn::clicked, this, [this] {
        if (!MasterUi::TakeLookup(pbtSVSFX_DTM, edtSVSFX_DTM, edtSVSFX_DTM_NM)) {
            edtSVSFX_DTM->clear();
            edtSVSFX_DTM_NM->clear();
        }
    });
    edtSASET_NM = Form::NewEdit(panSearch, QStringLiteral("edtSASET_NM"), 100);
    edtSASET_NM->setMaximumWidth(180);
    if (setup.vehicles) {
        // every vehicle is of class 60
        Form::Row{Form::Field(QStringLiteral("자산명"), edtSASET_NM), Form::Stretch()}.attachTo(panSearch);
        edtSVSFX_DTM->hide();
        edtSVSFX_DTM_NM->hide();
        pbtSVSFX_DTM->hide();
    } else {
        Form::Row{Form::Field(QStringLiteral("자산분류"), Form::Row{edtSVSFX_DTM, pbtSVSFX_DTM, edtSVSFX_DTM_NM}),
                  Form::Space(12), Form::Field(QStringLiteral("자산명"), edtSASET_NM), Form::Stretch()}
            .attachTo(panSearch);
    }

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    rdgMain = Form::NewResultGrid(panDisp, cdsMain, {
        GridColumn(QStringLiteral("VSFX_CODE"), QStringLiteral("자산코드"), 80),
        GridColumn(QStringLiteral("ASET_NM"), QStringLiteral("자 산 명"), 220),
        GridColumn(QStringLiteral("VSFXDNM"), QStringLiteral("자산분류"), 110),
    });

    edtVSFX_CODE = MasterUi::NewNameField(panInput, QStringLiteral("edtVSFX_CODE"));
    Form::Grid form;
    form.addRow({Form::Field(QStringLiteral("자산코드"), edtVSFX_CODE)});
    for (const Field& f : setup.fields) {
        QLineEdit* edit = Form::NewEdit(panInput, QStringLiteral("edt") + QLatin1String(f.column), f.maxLength);
        if (f.kind == Kind::Date) {
            edit->setMaximumWidth(100);
            AssetUi::WireDateTyping(edit);
        } else if (f.kind != Kind::Text) {
            edit->setAlignment(Qt::AlignRight);
            edit->setMaximumWidth(120);
        }
        m_edits << edit;
        form.addRow({Form::Field(QString::fromUtf8(f.caption), edit)});
    }
    form.stretchColumn(1).stretchRow(int(setup.fields.size()) + 1).spacing(3).margins(8).attachTo(panInput);

    connect(cdsMain, &RecordSet::afterScroll, this, [this] {
        if (State == stBrowse) {
            loadParticulars();
            RefreshButtons();
        }
    });
}

QString TAssetParticulars::currentCode() const
{
    return cdsMain->isOpen() && !cdsMain->isEmpty() ? cdsMain->fieldAsString(QStringLiteral("VSFX_CODE")).trimmed()
                                                    : QString();
}

void TAssetParticulars::DoSearch()
{
    const QString classCondition = m_setup.vehicles ? QStringLiteral("A.VSFX_CODE LIKE '60%'")
                                                    : QStringLiteral("A.VSFX_CODE NOT LIKE '60%'\n"
                                                                     "   AND A.VSFX_DTM LIKE COALESCE(:P1, '') || '%'");
    cdsMain->open(QStringLiteral("SELECT A.VSFX_CODE, A.ASET_NM, B.DETAIL_NAME VSFXDNM\n"
                                 "  FROM VM010MS A\n"
                                 "  LEFT JOIN ZX010MS B ON B.HEAD = 'V0013' AND B.DETAIL = A.VSFX_DTM\n"
                                 " WHERE %1\n"
                                 "   AND COALESCE(A.ASET_NM, '') LIKE COALESCE(:P0, '') || '%'\n"
                                 " ORDER BY A.VSFX_CODE")
                      .arg(classCondition),
                  m_setup.vehicles ? QVariantList{edtSASET_NM->text().trimmed()}
                                   : QVariantList{edtSASET_NM->text().trimmed(), edtSVSFX_DTM->text().trimmed()});
    RecordCount = cdsMain->recordCount();
    loadParticulars();
    RefreshButtons();
}

void TAssetParticulars::loadParticulars()
{
    const QString code = currentCode();
    QStringList columns;
    for (const Field& f : m_setup.fields)
        columns << (f.kind == Kind::Date ? QStringLiteral("TO_CHAR(%1, 'YYYY-MM-DD') %1").arg(QLatin1String(f.column))
                                         : QLatin1String(f.column));
    QSqlQuery q = RunQuery(QStringLiteral("SELECT %1 FROM %2 WHERE VSFX_CODE = :P0")
                               .arg(columns.join(QStringLiteral(", ")), m_setup.table),
                           {code});
    m_hasRow = !code.isEmpty() && q.next();
    edtVSFX_CODE->setText(code);
    for (int i = 0; i < m_edits.size(); ++i) {
        QString text = m_hasRow ? q.value(i).toString() : QString();
        if (m_hasRow && m_setup.fields.at(i).kind == Kind::Number && !q.value(i).isNull())
            text = QString::number(q.value(i).toDouble(), 'f', 2);
        m_edits.at(i)->setText(text);
    }
}

void TAssetParticulars::RefreshButtons()
{
    TfrmZQI030::RefreshButtons();
    if (State == stBrowse) {
        bbtAdd->setEnabled(!currentCode().isEmpty() && !m_hasRow);
        bbtEdit->setEnabled(m_hasRow);
        bbtDelete->setEnabled(m_hasRow);
    }
}

void TAssetParticulars::AfterNew()
{
    edtVSFX_CODE->setText(currentCode());
    for (QLineEdit* e : m_edits)
        e->clear();
    m_key.clear();
    m_edits.first()->setFocus();
}

void TAssetParticulars::AfterEdit()
{
    m_key = currentCode();
    m_edits.first()->setFocus();
}

void TAssetParticulars::DoSave()
{
    const QString code = edtVSFX_CODE->text().trimmed();
    if (code.isEmpty()) {
        AssetUi::InputError(QStringLiteral("자산코드를 입력하세요"), rdgMain);
        return;
    }
    QVariantList values{code};
    QStringList columns{QStringLiteral("VSFX_CODE")};
    QStringList marks{QStringLiteral(":P0")};
    for (int i = 0; i < m_edits.size(); ++i) {
        const Field& f = m_setup.fields.at(i);
        QLineEdit* edit = m_edits.at(i);
        QVariant value = edit->text().trimmed();
        QString mark = QStringLiteral(":P%1").arg(values.size());
        if (f.kind == Kind::Date) {
            QString day;
            if (!AssetUi::CheckDate(edit, &day))
                return;
            value = day;
            mark = QStringLiteral("CAST(%1 AS DATE)").arg(mark);
        } else if (f.kind != Kind::Text) {
            if (!AssetUi::CheckNumber(edit, QString::fromUtf8(f.caption), &value, f.kind == Kind::Number))
                return;
            if (edit->text().trimmed().isEmpty())
                value = QVariant();
            mark = QStringLiteral("CAST(%1 AS NUMERIC)").arg(mark);
        }
        values << value;
        columns << QLatin1String(f.column);
        marks << mark;
    }
    const int ip = int(values.size());
    values << Session::workstationIp << Session::empNo;
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    if (State == stInsert) {
        ExecSql(QStringLiteral("INSERT INTO %1 (%2, U_DATE, U_IP, U_EMP_NO)\nVALUES (%3, LOCALTIMESTAMP(0), :P%4, :P%5)")
                    .arg(m_setup.table, columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")))
                    .arg(ip)
                    .arg(ip + 1),
                values);
    } else {
        QStringList sets;
        for (int i = 0; i < columns.size(); ++i)
            sets << columns.at(i) + QStringLiteral(" = ") + marks.at(i);
        values << m_key;
        ExecSql(QStringLiteral("UPDATE %1 SET %2, U_DATE = LOCALTIMESTAMP(0), U_IP = :P%3, U_EMP_NO = :P%4\n"
                               " WHERE VSFX_CODE = :P%5")
                    .arg(m_setup.table, sets.join(QStringLiteral(", ")))
                    .arg(ip)
                    .arg(ip + 1)
                    .arg(ip + 2),
                values);
    }
    tx.commit();
    Done = true;
    loadParticulars();
}

void TAssetParticulars::AfterCancel()
{
    loadParticulars();
}

void TAssetParticulars::DoDelete()
{
    if (!m_hasRow)
        return;
    if (!AskYesNo(QStringLiteral("선택된 세부항목을 삭제하시겠습니까?")))
        return;
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    ExecSql(QStringLiteral("DELETE FROM %1 WHERE VSFX_CODE = :P0").arg(m_setup.table), {currentCode()});
    tx.commit();
    Done = true;
    loadParticulars();
}

void TAssetParticulars::FieldExit(QWidget* control)
{
    TfrmZQI030::FieldExit(control);
    if (control == edtSVSFX_DTM && !edtSVSFX_DTM->text().trimmed().isEmpty())
        pbtSVSFX_DTM->LinkSearch();
}
