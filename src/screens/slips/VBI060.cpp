#include "screens/slips/VBI060.h"
#include "common/Messages.h"
#include "common/Session.h"
#include "common/TextUtil.h"
#include "framework/FormKit.h"
#include "lookups/LookupBtn.h"
#include "lookups/PopupBtn.h"
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TfrmVBI060::TfrmVBI060(QWidget* parent) : TfrmZZS010(QStringLiteral("VBI060"), parent)
{
    setWindowTitle(QStringLiteral("급여 자동전표 생성(VBI060)"));
    for (QPushButton* b : {bbtSearch, bbtPrint, bbtPreview}) {
        b->hide();
        b->setEnabled(false);
    }
    m_dept = SlipGenerator::ownDepartment();

    medSearchPAY_YM = Form::NewMaskEdit(panSearch, QStringLiteral("medSearchPAY_YM"), QStringLiteral("9999-99;0;_"));
    medSearchPAY_YM->setFixedWidth(medSearchPAY_YM->fontMetrics().horizontalAdvance(QStringLiteral("0000-000")) + 12);
    edtSearchPAY_CODE = Form::NewEdit(panSearch, QStringLiteral("edtSearchPAY_CODE"), 2);
    edtSearchPAY_CODE->setFixedWidth(edtSearchPAY_CODE->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    // The pay kind is what the lookup chose: its code and name go together.
    edtSearchPAY_CODE->setReadOnly(true);
    wlbSearchPAY_NAME = Form::NewEdit(panSearch, QStringLiteral("wlbSearchPAY_NAME"));
    wlbSearchPAY_NAME->setReadOnly(true);
    wlbSearchPAY_NAME->setFocusPolicy(Qt::NoFocus);
    wlbSearchPAY_NAME->setFixedWidth(120);
    ppwSearchPAY_YM = new TPopupBtn(panSearch);
    ppwSearchPAY_YM->setObjectName(QStringLiteral("ppwSearchPAY_YM"));
    ppwSearchPAY_YM->setSql(QStringList{
        QStringLiteral("SELECT A.PAY_CODE, B.PAY_NAME, A.PAY_YM, A.PAY_DATE"),
        QStringLiteral("  FROM QD100MS A,"),
        QStringLiteral("       (SELECT DETAIL, DETAIL_NAME PAY_NAME FROM ZX010MS WHERE HEAD = 'Q047' AND DETAIL <> ' ') B"),
        QStringLiteral(" WHERE A.PAY_CODE = B.DETAIL"),
        QStringLiteral(" ORDER BY A.PAY_YM DESC, A.PAY_CODE")});
    ppwSearchPAY_YM->setColumnTitles({QStringLiteral("급상여코드"), QStringLiteral("급상여구분"),
                                      QStringLiteral("급상여년월"), QStringLiteral("급상여지급일")});
    ppwSearchPAY_YM->setColumnWidths({QStringLiteral("8"), QStringLiteral("16"), QStringLiteral("10"),
                                      QStringLiteral("12")});
    connect(ppwSearchPAY_YM, &TPopupBtn::clicked, this, [this] {
        if (ppwSearchPAY_YM->modalResult() != Lookup::mrOk)
            return;
        const QStringList row = ppwSearchPAY_YM->returnValue();
        const QString ym = DigitsOnly(row.value(2));
        medSearchPAY_YM->setText(ym.left(4) + QLatin1Char('-') + ym.mid(4, 2));
        edtSearchPAY_CODE->setText(row.value(0).trimmed());
        wlbSearchPAY_NAME->setText(row.value(1).trimmed());
    });
    // Another month typed by hand no longer names the pay run chosen.
    connect(medSearchPAY_YM, &QLineEdit::textEdited, this, [this] {
        edtSearchPAY_CODE->clear();
        wlbSearchPAY_NAME->clear();
    });
    Form::Row{Form::Field(QStringLiteral("급상여년월"), medSearchPAY_YM), ppwSearchPAY_YM,
              Form::Field(QStringLiteral("급상여구분"), Form::Row{edtSearchPAY_CODE, wlbSearchPAY_NAME}),
              Form::Stretch()}
        .attachTo(panSearch);

    Button1 = new QPushButton(QStringLiteral("전표생성"), panMain);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setFixedSize(140, 48);
    Panel1 = SlipGenerator::newInfoPanel(panMain, QStringLiteral("급상여를 선택 후 [전표생성]버튼을 누르세요."));
    Form::Column{Form::Row{Panel1, Button1}, Form::Stretch()}.attachTo(panMain);
    connect(Button1, &QPushButton::clicked, this, &TfrmVBI060::Button1Click);
}

QString TfrmVBI060::infoText() const
{
    return Panel1->text();
}

void TfrmVBI060::Button1Click()
{
    const QString payYm = DigitsOnly(medSearchPAY_YM->text());
    const QString payCode = edtSearchPAY_CODE->text().trimmed();
    if (payYm.isEmpty() || payCode.isEmpty() || wlbSearchPAY_NAME->text().trimmed().isEmpty()) {
        ShowInfo(QStringLiteral("자동전표 처리 할 급상여를 선택하세요.!"));
        return;
    }
    const QVariantList answer = SlipGenerator::run(
        QStringLiteral("pr_v_vbi060sp"),
        {payCode, payYm, Session::workstationIp, m_dept.code, Session::empNo.trimmed()},
        QStringLiteral("자동전표 처리중입니다!"));
    if (answer.isEmpty())
        return;
    const QString first = answer.value(0).toString().mid(1, 8).trimmed();
    const QString date = answer.value(3).toString();
    Panel1->setText(SlipGenerator::createdText(
        date, {first, answer.value(1).toString().trimmed(), answer.value(2).toString().trimmed()}));
    SlipGenerator::offerToOpen(first, date, m_dept);
}
