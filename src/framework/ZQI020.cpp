#include "framework/ZQI020.h"
#include <QDate>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

MaintenanceCore::Rules maintenanceRules()
{
    MaintenanceCore::Rules rules;
    rules.arrowsKeepOwnMeaning = true;
    rules.numericEditsAreFields = false;
    rules.searchTogglesWithCancel = false;
    rules.saveFocusesNew = true;
    rules.cancelClearsInput = false;
    rules.excelShowsHourglass = false;
    return rules;
}

}  // namespace

// These screens show no program ID, user or role text and read no role file.
TfrmZQI020::TfrmZQI020(const QString& programId, QWidget* parent)
    : TfrmZZI010(programId, parent, false), MaintenanceCore(this, maintenanceRules())
{
    panSearch->setFixedHeight(105);
    attach({panSearch, bbtSearch, bbtSave, bbtCancel, panMain});
    buildDataArea(static_cast<QVBoxLayout*>(panMain->layout()), 313);
    buildOperationButtons(buttonRow(), panButtons, bbtSave);
    finishCreation();
}

void TfrmZQI020::showEvent(QShowEvent* event)
{
    screenShown(event->spontaneous());
    TfrmZZI010::showEvent(event);
}

QAction* TfrmZQI020::addOperationKey(const QKeySequence& key, const std::function<void()>& handler)
{
    return addHotkey(key, handler);
}

bool TfrmZQI020::dateFieldAccepts(QLineEdit* edit)
{
    QString digits = edit->displayText();
    for (const QChar separator : {u'-', u'/', u'.', u' ', u'_'})
        digits.remove(separator);
    return IsDateText8(digits);
}

bool TfrmZQI020::IsDateText8(const QString& text)
{
    return text.size() == 8 && QDate::fromString(text, QStringLiteral("yyyyMMdd")).isValid();
}
