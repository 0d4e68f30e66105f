#include "screens/slips/VBI070.h"
#include "common/Messages.h"
#include "common/Session.h"
#include "common/TextUtil.h"
#include "framework/FormKit.h"
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TfrmVBI070::TfrmVBI070(QWidget* parent) : TfrmZZS010(QStringLiteral("VBI070"), parent)
{
    setWindowTitle(QStringLiteral("일일매출 자동전표 생성(VBI070)"));
    for (QPushButton* b : {bbtSearch, bbtPrint, bbtPreview}) {
        b->hide();
        b->setEnabled(false);
    }
    m_dept = SlipGenerator::ownDepartment();

    medSearchSALE_YMD = Form::NewMaskEdit(panSearch, QStringLiteral("medSearchSALE_YMD"), QStringLiteral("9999/99/99;1;_"));
    medSearchSALE_YMD->setFixedWidth(medSearchSALE_YMD->fontMetrics().horizontalAdvance(QStringLiteral("0000/00/000")) + 12);
    const QString yesterday = QDate::currentDate().addDays(-1).toString(QStringLiteral("yyyyMMdd"));
    medSearchSALE_YMD->setText(yesterday.left(4) + QLatin1Char('/') + yesterday.mid(4, 2) + QLatin1Char('/') + yesterday.mid(6));
    Form::Row{Form::Field(QStringLiteral("매출 발생일자 :"), medSearchSALE_YMD), Form::Stretch()}.attachTo(panSearch);

    Button1 = new QPushButton(QStringLiteral("전 표  생 성"), panMain);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setFixedSize(140, 48);
    Panel1 = SlipGenerator::newInfoPanel(panMain, QStringLiteral("일일 매출 자동전표 생성 프로그램 입니다."));
    Form::Column{Form::Row{Panel1, Button1}, Form::Stretch()}.attachTo(panMain);
    connect(Button1, &QPushButton::clicked, this, &TfrmVBI070::Button1Click);
}

QString TfrmVBI070::infoText() const
{
    return Panel1->text();
}

void TfrmVBI070::Button1Click()
{
    if (!AskYesNo(QStringLiteral("매출자동전표를 생성하시겠습니까?"))) {
        ShowInfo(QStringLiteral("자동전표 생성이 취소되었습니다."));
        return;
    }
    // The mask keeps its separators; the procedure takes the day as YYYY-MM-DD.
    const QDate day = QDate::fromString(DigitsOnly(medSearchSALE_YMD->text()), QStringLiteral("yyyyMMdd"));
    if (!day.isValid()) {
        ShowInfo(QStringLiteral("매출 발생일자를 바르게 입력하세요.!"));
        medSearchSALE_YMD->setFocus();
        return;
    }
    const QVariantList answer = SlipGenerator::run(
        QStringLiteral("pr_v_vbi070sp"),
        {day.toString(Qt::ISODate), Session::workstationIp, m_dept.code, Session::empNo.trimmed()},
        QStringLiteral("자동전표 처리중입니다!"));
    if (answer.isEmpty())
        return;
    const QString slipNo = answer.value(0).toString().mid(1, 8).trimmed();
    const QString date = answer.value(1).toString();
    Panel1->setText(SlipGenerator::createdText(date, {slipNo}));
    if (!SlipGenerator::offerToOpen(slipNo, date, m_dept))
        return;
    ShowInfo(QStringLiteral("자동전표 생성이 완료되었습니다."));
}
