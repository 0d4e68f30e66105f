#include "screens/closing/VKI030.h"
#include "common/Messages.h"
#include "common/Session.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "screens/closing/ClosingCalls.h"
#include <QPushButton>

TfrmVKI030::TfrmVKI030(QWidget* parent) : TfrmZQI030(QStringLiteral("VKI030"), parent)
{
    setWindowTitle(QStringLiteral("이월작업(VKI030)"));

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    rdgMain = Form::NewResultGrid(panDisp, cdsMain, {
        GridColumn(QStringLiteral("SESSION_ID"), QStringLiteral("회기"), 60),
        GridColumn(QStringLiteral("CLOSE_YN"), QStringLiteral("마감유무"), 70),
        GridColumn(QStringLiteral("RUN_DATE"), QStringLiteral("작업일"), 150),
    });

    btnRun = new QPushButton(QStringLiteral("작업실행"), panDisp);
    btnRun->setObjectName(QStringLiteral("btnRun"));
    btnRerun = new QPushButton(QStringLiteral("작업실행"), panDisp);
    btnRerun->setObjectName(QStringLiteral("btnRerun"));
    Form::Row{Form::Field(QStringLiteral("이월작업 실행"), btnRun), Form::Space(24),
              Form::Field(QStringLiteral("이월작업 재실행"), btnRerun), Form::Stretch()}
        .margins(4)
        .attachTo(panDisp);
    panInput->hide();

    for (QPushButton* b : {bbtSave, bbtAdd, bbtEdit, bbtDelete, bbtPrint, bbtPreview, bbtExcel})
        b->hide();

    connect(btnRun, &QPushButton::clicked, this, &TfrmVKI030::btnRunClick);
    connect(btnRerun, &QPushButton::clicked, this, &TfrmVKI030::btnRerunClick);
}

void TfrmVKI030::openPeriods()
{
    cdsMain->open(QStringLiteral("SELECT A.SESSION_ID, A.CLOSE_YN, B.RUN_DATE\n"
                                 "  FROM VI010MS A\n"
                                 "  LEFT JOIN (SELECT SESSION_ID, MAX(RUN_DATE) AS RUN_DATE\n"
                                 "               FROM VI012MS GROUP BY SESSION_ID) B ON B.SESSION_ID = A.SESSION_ID\n"
                                 " ORDER BY A.SESSION_ID"));
}

void TfrmVKI030::DoSearch()
{
    openPeriods();
    RecordCount = cdsMain->recordCount();
    RefreshButtons();
}

void TfrmVKI030::RefreshButtons()
{
    TfrmZQI030::RefreshButtons();
    const bool rows = State == stBrowse && RecordCount > 0;
    btnRun->setEnabled(rows);
    btnRerun->setEnabled(rows);
}

void TfrmVKI030::btnRunClick()
{
    if (!cdsMain->isOpen() || cdsMain->isEmpty())
        return;
    const QString session = cdsMain->fieldAsString(QStringLiteral("SESSION_ID"));
    if (!cdsMain->isNull(QStringLiteral("RUN_DATE"))) {
        ShowInfo(QStringLiteral("이미 이월된 기수입니다. 이월작업 재실행으로 다시 이월하십시오.!"));
        return;
    }
    if (AskYesNo(QStringLiteral("%1기 잔액을 다음 기수로 이월하시겠습니까?").arg(session)))
        carryForward();
}

void TfrmVKI030::btnRerunClick()
{
    if (!cdsMain->isOpen() || cdsMain->isEmpty())
        return;
    if (cdsMain->isNull(QStringLiteral("RUN_DATE"))) {
        ShowInfo(QStringLiteral("이월되지 않은 기수입니다. 이월작업 실행으로 먼저 이월하십시오.!"));
        return;
    }
    if (AskYesNo(QStringLiteral("이미 이월된 기수입니다. 다시 이월하시겠습니까?")))
        carryForward();
}

void TfrmVKI030::carryForward()
{
    const QString session = cdsMain->fieldAsString(QStringLiteral("SESSION_ID"));
    QString answer;
    {
        const HourglassCursor busy;
        answer = Closing::Call(QStringLiteral("pk_v_close.carry_forward"), {session, Session::empNo});
    }
    if (!Closing::Succeeded(answer)) {
        Closing::ShowNotSaved(answer);
        return;
    }
    const QString result = answer.mid(1).trimmed();
    ShowInfo(result.isEmpty() ? QStringLiteral("이월작업이 완료되었습니다.") : result);
    openPeriods();
    cdsMain->locate(QStringLiteral("SESSION_ID"), session.toInt());
    RecordCount = cdsMain->recordCount();
    RefreshButtons();
}
