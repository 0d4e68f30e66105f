#include "screens/notes/NoteCommon.h"
#include "common/DateUtil.h"
#include "common/TextUtil.h"
#include "grid/RecordSet.h"
#include "lookups/LookupBtn.h"
#include "screens/master/MasterCommon.h"
#include "lookups/PopupBtn.h"
#include <QLineEdit>

namespace NoteUi {

namespace {

TPopupBtn* newRegisterLookup(QWidget* parent, const QString& name, const QString& kind, const QStringList& titles,
                             QLineEdit* code, QLineEdit* nameField)
{
    const QString select = QStringLiteral("SELECT C_CODE, C_NAME\n  FROM VA050MS\n WHERE C_KIND = '%1'\n").arg(kind);
    TPopupBtn* button = MasterUi::NewLookup(
        parent, name, select + QStringLiteral(" ORDER BY C_CODE"),
        select + QStringLiteral("   AND (C_CODE LIKE :cd OR C_NAME LIKE '%' || :cd)\n ORDER BY C_CODE"), titles, code);
    button->setColumnWidths({QStringLiteral("10"), QStringLiteral("24")});
    QObject::connect(button, &TPopupBtn::clicked, parent, [button, code, nameField] {
        if (!MasterUi::TakeLookup(button, code, nameField) && button->inLinkSearch())
            nameField->clear();
    });
    return button;
}

}  // namespace

TPopupBtn* NewBankLookup(QWidget* parent, const QString& name, QLineEdit* code, QLineEdit* nameField)
{
    return newRegisterLookup(parent, name, QStringLiteral("03"), {QStringLiteral("은행코드"), QStringLiteral("은 행 명")},
                             code, nameField);
}

TPopupBtn* NewCustomerLookup(QWidget* parent, const QString& name, QLineEdit* code, QLineEdit* nameField)
{
    return newRegisterLookup(parent, name, QStringLiteral("01"), {QStringLiteral("거래처코드"), QStringLiteral("거래처명")},
                             code, nameField);
}

void lookUpTyped(TPopupBtn* button, QLineEdit* code, QLineEdit* nameField)
{
    if (code->text().trimmed().isEmpty()) {
        nameField->clear();
        return;
    }
    button->LinkSearch();
}

QLineEdit* NewNameField(QWidget* parent, const QString& name, int width)
{
    QLineEdit* field = MasterUi::NewNameField(parent, name);
    field->setFixedWidth(width);
    return field;
}

QString formStateSql(const QString& column)
{
    return QStringLiteral("CASE %1 WHEN '0' THEN '미처리' WHEN '1' THEN '지급' WHEN '2' THEN '견질' WHEN '3' THEN '폐기'"
                          " WHEN '4' THEN '횡선' WHEN '5' THEN '결제' WHEN '6' THEN '취소' ELSE '상태모름' END")
        .arg(column);
}

QString receivedStateSql(const QString& column)
{
    return QStringLiteral("CASE %1 WHEN '0' THEN '미처리' WHEN '1' THEN '결제' WHEN '2' THEN '할인' WHEN '3' THEN '배서'"
                          " WHEN '4' THEN '부도' ELSE '알수없음' END")
        .arg(column);
}

void formatTypedDate(QLineEdit* field)
{
    const QString text = field->text().trimmed();
    if (text.size() == 8 && DigitsOnly(text) == text && IsDateTextOfKind(text, 8))
        field->setText(FormatDateText(text));
}

bool isBadDate(const QString& text)
{
    return !text.isEmpty() && !QDate::fromString(text, QStringLiteral("yyyy-MM-dd")).isValid();
}

void toggleFlag(RecordSet* set, int row)
{
    if (!set->isOpen() || row < 0 || row >= set->recordCount())
        return;
    set->moveTo(row);
    set->edit();
    set->setValue(QStringLiteral("FLAG"),
                  set->fieldAsString(QStringLiteral("FLAG")) == QLatin1String("Y") ? QStringLiteral("N") : QStringLiteral("Y"));
    set->post();
}

void setAllFlags(RecordSet* set, bool on)
{
    if (!set->isOpen())
        return;
    const RecordSet::Walk walk(*set);
    for (int row = 0; row < set->recordCount(); ++row) {
        set->moveTo(row);
        set->edit();
        set->setValue(QStringLiteral("FLAG"), on ? QStringLiteral("Y") : QStringLiteral("N"));
        set->post();
    }
}

qint64 flaggedSum(RecordSet* set, const QString& field)
{
    qint64 sum = 0;
    if (!set->isOpen())
        return sum;
    for (int row = 0; row < set->recordCount(); ++row)
        if (set->fieldAsString(row, QStringLiteral("FLAG")) == QLatin1String("Y"))
            sum += qRound64(set->value(row, field).toDouble());
    return sum;
}

QStringList flaggedValues(RecordSet* set, const QString& field)
{
    QStringList values;
    if (!set->isOpen())
        return values;
    for (int row = 0; row < set->recordCount(); ++row)
        if (set->fieldAsString(row, QStringLiteral("FLAG")) == QLatin1String("Y"))
            values << set->fieldAsString(row, field);
    return values;
}

}  // namespace NoteUi
