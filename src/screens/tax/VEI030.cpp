#include "screens/tax/VEI030.h"
#include "common/AppErrors.h"
#include "common/DialogService.h"
#include "common/Messages.h"
#include "common/TextUtil.h"
#include "framework/FormKit.h"
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kDone = QStringLiteral("매출/매입 합계표(전산매체)의 파일출력이 종료되었습니다");
const QString kFailed = QStringLiteral("출력도중 오류가 발생하여 파일출력을 중단합니다");

QString maskText(const QDate& d)
{
    return d.toString(QStringLiteral("yyyyMMdd"));
}

}  // namespace

TfrmVEI030::TfrmVEI030(QWidget* parent) : TfrmZQI030(QStringLiteral("VEI030"), parent)
{
    setWindowTitle(QStringLiteral("세금계산서 합계표 전산매체(VEI030)"));
    for (QPushButton* b : {bbtAdd, bbtEdit, bbtSave, bbtCancel, bbtDelete, bbtPrint, bbtPreview, bbtExcel})
        b->hide();
    panInput->hide();
    panRecordCount->hide();

    QWidget* rgPlace = Tax::NewPlaceGroup(panDisp, QStringLiteral("rgPlace"), QStringLiteral("사업장"),
                                            {QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("4"),
                                             QStringLiteral("3")},
                                            &m_places);
    const QString mask = QStringLiteral("!9999/99/00;0;_");
    medFromDate = Form::NewMaskEdit(panDisp, QStringLiteral("medFromDate"), mask);
    medToDate = Form::NewMaskEdit(panDisp, QStringLiteral("medToDate"), mask);
    medWriteDate = Form::NewMaskEdit(panDisp, QStringLiteral("medWriteDate"), mask);
    const QDate today = QDate::currentDate();
    medFromDate->setText(maskText(Tax::FilingQuarterStart(today)));
    medToDate->setText(maskText(Tax::FilingQuarterEnd(today)));
    medWriteDate->setText(maskText(QDate(today.year(), today.month(), 25)));
    for (QLineEdit* e : {medFromDate, medToDate, medWriteDate})
        e->setMaximumWidth(100);

    bbtAll = new QPushButton(QStringLiteral("전산매체 작성"));
    bbtAll->setObjectName(QStringLiteral("bbtAll"));
    bbtSales = new QPushButton(QStringLiteral("매출전산매체작성"));
    bbtSales->setObjectName(QStringLiteral("bbtSales"));
    bbtPurchases = new QPushButton(QStringLiteral("매입전산매체작성"));
    bbtPurchases->setObjectName(QStringLiteral("bbtPurchases"));
    lblSummary = new QLabel;
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    connect(bbtAll, &QPushButton::clicked, this, &TfrmVEI030::bbtAllClick);
    connect(bbtSales, &QPushButton::clicked, this, &TfrmVEI030::bbtSalesClick);
    connect(bbtPurchases, &QPushButton::clicked, this, &TfrmVEI030::bbtPurchasesClick);

    Form::Row{Form::Column{rgPlace,
                           Form::Row{Form::Field(QStringLiteral("확정일자"), medFromDate), Form::Label(QStringLiteral("~")),
                                     medToDate, Form::Space(16), Form::Field(QStringLiteral("작성일자"), medWriteDate),
                                     Form::Stretch()},
                           Form::Row{bbtAll, bbtSales, bbtPurchases, Form::Stretch()}, lblSummary, Form::Stretch()}
                  .spacing(10),
              Form::Stretch()}
        .margins(12)
        .attachTo(panDisp);
}

// Search counts what a file of both sections would hold, before anything is
// written; the conditions stay open for the next search or file.
void TfrmVEI030::DoSearch()
{
    const Tax::Place place = Tax::PlaceOf(Tax::CheckedCompany(m_places));
    const Filing::Content c =
        Filing::Read(place, dateOf(medFromDate), dateOf(medToDate), dateOf(medWriteDate), Filing::Both);
    lblSummary->setText(QStringLiteral("%1: 매출처 %2곳 (공급가액 %3원), 매입처 %4곳 (공급가액 %5원)")
                            .arg(place.placeName)
                            .arg(c.sales.details.size())
                            .arg(QLocale(QLocale::English).toString(c.sales.first.supply))
                            .arg(c.purchases.details.size())
                            .arg(QLocale(QLocale::English).toString(c.purchases.first.supply)));
    State = stNone;
    RefreshButtons();
}

QDate TfrmVEI030::dateOf(const QLineEdit* field) const
{
    return QDate::fromString(DigitsOnly(field->text()), QStringLiteral("yyyyMMdd"));
}

Filing::Encoded TfrmVEI030::encode(int sections) const
{
    const Tax::Place place = Tax::PlaceOf(Tax::CheckedCompany(m_places));
    return Filing::Encode(Filing::Read(place, dateOf(medFromDate), dateOf(medToDate), dateOf(medWriteDate), sections));
}

void TfrmVEI030::writeMedia(int sections)
{
    ShowStatus(QString());
    Filing::Encoded file;
    try {
        file = encode(sections);
    } catch (const AppError& e) {
        ShowError(kFailed + QStringLiteral("\r") + e.message());
        return;
    }
    if (!file.ok()) {
        ShowError(QStringLiteral("전산매체 파일을 만들 수 없습니다.\r") + file.error);
        return;
    }
    const Tax::Place place = Tax::PlaceOf(Tax::CheckedCompany(m_places));
    const QString proposed = sections == Filing::Both ? Filing::FullFileName(place)
                                                      : Filing::SectionFileName(place, dateOf(medWriteDate));
    const QString path = DialogService::instance().saveFileName(this, QStringLiteral("전산매체 저장"), proposed,
                                                                 QStringLiteral("전산매체 (*.*)"));
    if (path.isEmpty())
        return;
    try {
        Filing::WriteFile(path, file.bytes);
    } catch (const AppError& e) {
        ShowError(kFailed + QStringLiteral("\r") + e.message());
        return;
    }
    ShowStatus(path);
    ShowInfo(kDone);
}
