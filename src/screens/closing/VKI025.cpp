#include "screens/closing/VKI025.h"
#include "common/DateUtil.h"
#include "common/Messages.h"
#include "common/TextUtil.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include <QDate>
#include <QLineEdit>
#include <QPushButton>

TfrmVKI025::TfrmVKI025(QWidget* parent) : TfrmZQI030(QStringLiteral("VKI025"), parent)
{
    setWindowTitle(QStringLiteral("마감 현황(VKI025)"));

    MaskEdit1 = Form::NewMaskEdit(panSearch, QStringLiteral("MaskEdit1"), QStringLiteral("!9999/99;0;_"));
    MaskEdit1->setText(QDate::currentDate().toString(QStringLiteral("yyyyMM")));
    MaskEdit1->setMaximumWidth(80);
    Form::Row{Form::Field(QStringLiteral("마감월"), MaskEdit1), Form::Stretch()}.attachTo(panSearch);

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    rdgMain = Form::NewResultGrid(panDisp, cdsMain, {
        GridColumn(QStringLiteral("SESSION_ID"), QStringLiteral("기수"), 60),
        GridColumn(QStringLiteral("ST_DATE"), QStringLiteral("시작일자"), 100),
        GridColumn(QStringLiteral("ED_DATE"), QStringLiteral("종료일자"), 100),
        GridColumn(QStringLiteral("CLOSE_YN"), QStringLiteral("마감여부"), 70),
    });
    panInput->hide();

    for (QPushButton* b : {bbtSave, bbtAdd, bbtEdit, bbtDelete, bbtPrint, bbtPreview})
        b->hide();
}

void TfrmVKI025::DoSearch()
{
    const QString month = DigitsOnly(MaskEdit1->text());
    if (!IsDateTextOfKind(month, 6)) {
        ShowInfo(QStringLiteral("마감월을 바르게 입력하십시오."));
        // Back to the search conditions, to put the month right.
        State = stNone;
        RefreshButtons();
        MaskEdit1->setFocus();
        return;
    }
    cdsMain->open(QStringLiteral("SELECT A.SESSION_ID, A.ST_DATE, A.ED_DATE, B.CLOSE_YN\n"
                                 "  FROM VI010MS A\n"
                                 "  LEFT JOIN VI011MS B ON B.SESSION_ID = A.SESSION_ID AND B.Y_MONTH = :P0\n"
                                 " ORDER BY A.SESSION_ID"),
                  {month});
    RecordCount = cdsMain->recordCount();
    RefreshButtons();
}

void TfrmVKI025::DoExcel()
{
    ExportDBGrid(rdgMain, MaskEdit1->text());
}
