#include "screens/ledgers/VCS130.h"
#include "common/HandOver.h"
#include "common/TextUtil.h"
#include "framework/FormKit.h"
#include "framework/print/ReportViewer.h"
#include "screens/ledgers/VCS131.h"
#include <QDate>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmVCS130::TfrmVCS130(QWidget* parent) : TfrmZQI030(QStringLiteral("VCS130"), parent)
{
    setWindowTitle(QStringLiteral("사업장별세부내역(VCS130)"));
    TfrmVCS131::registerReport();
    for (QPushButton* b : {bbtAdd, bbtEdit, bbtSave, bbtDelete, bbtPrint, bbtPreview, bbtExcel})
        b->hide();
    panInput->hide();

    medSearch_YM = Form::NewMaskEdit(panSearch, QStringLiteral("medSearch_YM"), QStringLiteral("9999-99;0;_"));
    medSearch_YM->setFixedWidth(80);
    medSearch_YM->setText(QDate::currentDate().toString(QStringLiteral("yyyy-MM")));
    Form::Row{Form::Field(QStringLiteral("조회년월"), medSearch_YM), Form::Stretch()}.attachTo(panSearch);

    m_viewer = new ReportViewer(panDisp);
    m_viewer->setObjectName(QStringLiteral("rdvReport"));
    Form::Column{m_viewer}.attachTo(panDisp);
}

QString TfrmVCS130::searchMonth() const
{
    return DigitsOnly(medSearch_YM->text());
}

void TfrmVCS130::DoSearch()
{
    m_viewer->OpenReport(ReportServer::location(kReportFile), QStringLiteral("/rp [") + searchMonth() + QStringLiteral("]"));
    RecordCount = m_viewer->pageCount() > 0 ? 1 : 0;
    RefreshButtons();
}

// Opened from a slip: the report of the current month at once.
void TfrmVCS130::FormShow()
{
    if (HandOver::HandSlipNo.isEmpty())
        return;
    medSearch_YM->setText(QDate::currentDate().toString(QStringLiteral("yyyy-MM")));
    if (bbtSearch->isEnabled())
        bbtSearchClick();
}
