#pragma once
#include "framework/MaintenanceCore.h"
#include "framework/ZZI010.h"

class QLineEdit;

// The maintenance base: the four states, the full button set with its
// enabling rules, the operation hooks screens fill, the automatic wiring of
// input fields, roll-back on failure and the screen's own error handling.
// The machinery is MaintenanceCore's; this base puts it on the search strip
// of TfrmZZI010 (105 pixels high) with a 313-pixel input panel, checks a
// masked "...DATE" field as an eight-digit date when it is left, and keeps
// Up and Down for combo boxes and date pickers.
class TfrmZQI020 : public TfrmZZI010, public MaintenanceCore {
    Q_OBJECT
public:
    explicit TfrmZQI020(const QString& programId, QWidget* parent = nullptr);

    // True for exactly 8 characters reading as year, month and day of a real
    // calendar date.
    static bool IsDateText8(const QString& text);

public slots:
    // The search strip's operations are those of the maintenance machinery.
    void bbtSearchClick() override { MaintenanceCore::bbtSearchClick(); }
    void bbtSaveClick() override { MaintenanceCore::bbtSaveClick(); }
    void bbtCancelClick() override { MaintenanceCore::bbtCancelClick(); }

protected:
    bool dateFieldAccepts(QLineEdit* edit) override;
    QAction* addOperationKey(const QKeySequence& key, const std::function<void()>& handler) override;
    void requireButton(const QWidget* button) override { requireActive(button); }
    void showEvent(QShowEvent* event) override;
};
