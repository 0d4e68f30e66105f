#include "screens/notes/NoteSlipRun.h"
#include "common/AppErrors.h"
#include "common/Messages.h"
#include "common/ProcCall.h"
#include "common/Transaction.h"
#include "common/WaitWindow.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "screens/notes/NoteCommon.h"
#include <QCheckBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

namespace {

const QString kNotSaved = QStringLiteral("자료를 저장하지 못했습니다.\r\r에러내용:\r");

}  // namespace

TfrmNoteSlipRun::TfrmNoteSlipRun(const QString& programId, const QString& question, const QString& waitText,
                                 QWidget* parent)
    : TfrmZZS010(programId, parent), m_question(question), m_waitText(waitText)
{
    bbtPrint->hide();
    bbtPreview->hide();
    m_dept = SlipGenerator::ownDepartment();
    bbtBatch = addStripButton(QStringLiteral("bbtBatch"), QStringLiteral("일괄처리"));
    bbtBatch->setToolTip(QStringLiteral("하나의 전표번호로 결제처리 합니다."));
    bbtEach = addStripButton(QStringLiteral("bbtEach"), QStringLiteral("개별처리"));
    bbtEach->setToolTip(QStringLiteral("각각의 전표번호로 결제처리 합니다."));
    bbtBatch->setEnabled(false);
    bbtEach->setEnabled(false);
    connect(bbtBatch, &QPushButton::clicked, this, &TfrmNoteSlipRun::bbtBatchClick);
    connect(bbtEach, &QPushButton::clicked, this, &TfrmNoteSlipRun::bbtEachClick);

    chkAll = new QCheckBox(QStringLiteral("전체선택"), panSearch);
    chkAll->setObjectName(QStringLiteral("chkAll"));
    connect(chkAll, &QCheckBox::clicked, this, [this](bool on) {
        NoteUi::setAllFlags(cdsQuery, on);
        showAmount();
    });

    cdsQuery = new RecordSet(this);
    cdsQuery->setObjectName(QStringLiteral("cdsQuery"));
    rdgMain = new DataGrid(panMain);
    rdgMain->setObjectName(QStringLiteral("rdgMain"));
    rdgMain->setEditable(false);
    rdgMain->setRecordSet(cdsQuery);
    connect(rdgMain, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (index.isValid() && rdgMain->currentField() == QLatin1String("FLAG")) {
            NoteUi::toggleFlag(cdsQuery, index.row());
            showAmount();
        }
    });
    lblAmount = new QLabel(QStringLiteral("0"), panMain);
    lblAmount->setObjectName(QStringLiteral("lblAmount"));
    lblAmount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblAmount->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblAmount->setFixedWidth(160);
    Form::Column{rdgMain, Form::Row{Form::Stretch(), Form::Field(QStringLiteral("처리금액"), lblAmount)}}.attachTo(panMain);
}

void TfrmNoteSlipRun::setColumns(const QList<GridColumn>& columns)
{
    rdgMain->setColumns(columns);
}

QString TfrmNoteSlipRun::amountText() const
{
    return lblAmount->text();
}

void TfrmNoteSlipRun::showAmount()
{
    lblAmount->setText(QLocale(QLocale::English).toString(NoteUi::flaggedSum(cdsQuery, QStringLiteral("BILL_AMT"))));
}

void TfrmNoteSlipRun::bbtSearchClick()
{
    TfrmZZS010::bbtSearchClick();
    if (!openList())
        return;
    chkAll->setChecked(false);
    lblAmount->setText(QStringLiteral("0"));
    bbtBatch->setEnabled(!cdsQuery->isEmpty());
    bbtEach->setEnabled(!cdsQuery->isEmpty());
    ShowStatus(QStringLiteral("%1 건이 조회되었습니다.").arg(cdsQuery->recordCount()));
}

void TfrmNoteSlipRun::runSlips(const QString& mode)
{
    requireActive(mode == QLatin1String("1") ? bbtBatch : bbtEach);
    if (!AskYesNo(m_question))
        return;
    SharedTransaction& tx = SharedTransaction::instance();
    QVariantList answer;
    ShowWait(m_waitText);
    try {
        tx.start();
        answer = generate(mode);
    } catch (const AppError& error) {
        HideWait();
        tx.rollback();
        ShowError(kNotSaved + error.message());
        return;
    } catch (...) {
        HideWait();
        tx.rollback();
        throw;
    }
    HideWait();
    const QString result = answer.value(0).toString();
    if (result.isEmpty() || ProcResult::isFailure(result)) {
        tx.rollback();
        ShowError(kNotSaved + result);
        return;
    }
    tx.commit();
    bbtSearchClick();
    const QString slipNo = ProcResult::slipNumber(result).trimmed();
    const QString date = answer.value(1).toString();
    ShowStatus(SlipGenerator::createdText(date, {slipNo}));
    SlipGenerator::offerToOpen(slipNo, date, m_dept);
}
