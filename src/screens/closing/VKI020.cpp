#include "screens/closing/VKI020.h"
#include "common/AppErrors.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "common/Session.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "screens/closing/ClosingCalls.h"
#include <QComboBox>
#include <QPushButton>

namespace {

const QString kClosedField = QStringLiteral("CLOSE_YN");

DataGrid* newFlagGrid(QWidget* parent, RecordSet* set, const QString& name, const QString& field,
                      const QString& caption)
{
    auto* grid = new DataGrid(parent);
    grid->setObjectName(name);
    grid->setEditable(false);
    grid->setColumns({GridColumn(field, caption, 70), GridColumn(kClosedField, QStringLiteral("마감여부"), 70),
                      GridColumn(QStringLiteral("U_DATE"), QStringLiteral("마감일자"), 150)});
    grid->setRecordSet(set);
    return grid;
}

QString flipped(const QString& flag)
{
    return flag == QLatin1String("Y") ? QStringLiteral("N") : QStringLiteral("Y");
}

}  // namespace

TfrmVKI020::TfrmVKI020(QWidget* parent) : TfrmZQI030(QStringLiteral("VKI020"), parent)
{
    setWindowTitle(QStringLiteral("월/일 마감(VKI020)"));

    ComboBox1 = new QComboBox(panSearch);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setMinimumWidth(80);
    Form::Row{Form::Field(QStringLiteral("기수"), ComboBox1), Form::Stretch()}.attachTo(panSearch);

    cdsMonth = new RecordSet(this);
    cdsMonth->setObjectName(QStringLiteral("cdsMonth"));
    cdsDay = new RecordSet(this);
    cdsDay->setObjectName(QStringLiteral("cdsDay"));
    RealDBGrid2 = newFlagGrid(panDisp, cdsMonth, QStringLiteral("RealDBGrid2"), QStringLiteral("Y_MONTH"),
                              QStringLiteral("월"));
    RealDBGrid1 = newFlagGrid(panDisp, cdsDay, QStringLiteral("RealDBGrid1"), QStringLiteral("DAY"),
                              QStringLiteral("일"));
    Form::Row{RealDBGrid2, RealDBGrid1}.attachTo(panDisp);
    panInput->hide();

    // Only Search, Cancel and Close: the lists change by double-clicks.
    for (QPushButton* b : {bbtSave, bbtAdd, bbtEdit, bbtDelete, bbtPrint, bbtPreview, bbtExcel})
        b->hide();

    connect(cdsMonth, &RecordSet::afterScroll, this, &TfrmVKI020::RealDBGrid2RowChange);
    connect(RealDBGrid2, &DataGrid::recordDoubleClicked, this, &TfrmVKI020::RealDBGrid2DblClick);
    connect(RealDBGrid1, &DataGrid::recordDoubleClicked, this, &TfrmVKI020::RealDBGrid1DblClick);

    fillPeriods();
}

void TfrmVKI020::fillPeriods()
{
    QSqlQuery query = RunQuery(QStringLiteral("SELECT SESSION_ID FROM VI010MS ORDER BY SESSION_ID DESC"));
    while (query.next())
        ComboBox1->addItem(query.value(0).toString());
    ComboBox1->setCurrentIndex(ComboBox1->count() > 0 ? 0 : -1);
}

QString TfrmVKI020::period() const
{
    return ComboBox1->currentText();
}

// --- lists ------------------------------------------------------------------------------

void TfrmVKI020::DoSearch()
{
    if (ComboBox1->count() == 0) {
        ShowInfo(QStringLiteral("기수를 먼저 등록해 주세요.!"));
        return;
    }
    openMonths();
    RecordCount = cdsMonth->recordCount();
    RefreshButtons();
}

void TfrmVKI020::openMonths()
{
    cdsMonth->open(QStringLiteral("SELECT Y_MONTH, CLOSE_YN,\n"
                                  "       CASE WHEN CLOSE_YN = 'Y' THEN U_DATE END AS U_DATE\n"
                                  "  FROM VI011MS\n"
                                  " WHERE SESSION_ID = CAST(:P0 AS INTEGER)\n"
                                  " ORDER BY Y_MONTH"),
                   {period()});
}

void TfrmVKI020::RealDBGrid2RowChange()
{
    if (State != stBrowse || !cdsMonth->isOpen())
        return;
    if (cdsMonth->isEmpty()) {
        cdsDay->close();
        return;
    }
    cdsDay->open(QStringLiteral("SELECT DAY, CLOSE_YN,\n"
                                "       CASE WHEN CLOSE_YN = 'Y' THEN U_DATE END AS U_DATE\n"
                                "  FROM VI011DT\n"
                                " WHERE SESSION_ID = CAST(:P0 AS INTEGER)\n"
                                "   AND Y_MONTH = :P1\n"
                                " ORDER BY DAY"),
                 {period(), cdsMonth->fieldAsString(QStringLiteral("Y_MONTH"))});
    RecordCount = cdsDay->recordCount();
    RefreshButtons();
}

void TfrmVKI020::reloadLists()
{
    const QString month = cdsMonth->fieldAsString(QStringLiteral("Y_MONTH"));
    const QString day = cdsDay->isOpen() ? cdsDay->fieldAsString(QStringLiteral("DAY")) : QString();
    openMonths();
    if (!month.isEmpty())
        cdsMonth->locate(QStringLiteral("Y_MONTH"), month);
    if (!day.isEmpty() && cdsDay->isOpen())
        cdsDay->locate(QStringLiteral("DAY"), day);
}

// --- closing -----------------------------------------------------------------------------

void TfrmVKI020::RealDBGrid1DblClick()
{
    if (State != stBrowse || !cdsDay->isOpen() || cdsDay->isEmpty() || RealDBGrid1->currentField() != kClosedField)
        return;
    const QString answer = Closing::Call(
        QStringLiteral("pk_v_close.set_day"),
        {period(), cdsMonth->fieldAsString(QStringLiteral("Y_MONTH")), cdsDay->fieldAsString(QStringLiteral("DAY")),
         flipped(cdsDay->fieldAsString(kClosedField)), Session::workstationIp, Session::empNo});
    if (!Closing::Succeeded(answer)) {
        Closing::ShowNotSaved(answer);
        return;
    }
    reloadLists();
}

void TfrmVKI020::RealDBGrid2DblClick()
{
    if (State != stBrowse || !cdsMonth->isOpen() || cdsMonth->isEmpty()
        || RealDBGrid2->currentField() != kClosedField)
        return;
    const QString closeYn = flipped(cdsMonth->fieldAsString(kClosedField));
    if (closeYn == QLatin1String("N") && !AskYesNo(QStringLiteral("마감된 월을 해제하시겠습니까?")))
        return;
    const QString failed = QStringLiteral("월마감 작업중 오류가 발생하였습니다. 다시작업 하세요.!");
    QString answer;
    try {
        const HourglassCursor busy;
        answer = Closing::Call(QStringLiteral("pk_v_close.set_month"),
                               {period(), cdsMonth->fieldAsString(QStringLiteral("Y_MONTH")), closeYn,
                                Session::workstationIp, Session::empNo});
    } catch (const ServerError&) {
        // Rolled back with the flags; the month is as it was.
        ShowInfo(failed);
        return;
    } catch (const DatabaseError&) {
        ShowInfo(failed);
        return;
    }
    if (!Closing::Succeeded(answer)) {
        ShowInfo(failed + QStringLiteral("\r\r에러내용:\r") + answer);
        return;
    }
    reloadLists();
}
