#pragma once
#include "common/ScreenErrors.h"
#include "framework/ZZI010.h"

class QLineEdit;

// The maintenance base: the four states, the full button set with its
// enabling rules, the operation hooks screens fill, the automatic wiring of
// input fields, roll-back on failure and the screen's own error handling.
class TfrmZQI020 : public TfrmZZI010, public ScreenErrorHandler {
    Q_OBJECT
public:
    enum { stNone = 0, stBrowse = 1, stEdit = 2, stInsert = 3 };
    enum WalkAction { waWire, waClear };

    explicit TfrmZQI020(const QString& programId, QWidget* parent = nullptr);

    int State = stNone;
    int RecordCount = 0;
    bool Done = false;
    bool PreviewFlag = false;

    void HandleAppError(std::exception_ptr error) override;
    void WalkControls(QWidget* container, WalkAction action);
    void ClearInputPanel();

    static bool lfDateChk(QString& text);
    static QString gpTrimSpace(const QString& text);
    static bool IsDateText8(const QString& text);
    static QString StripNumberText(const QString& text);
    QString MaskDateText(const QLineEdit* maskEdit) const;

public slots:
    void bbtSearchClick() override;
    void bbtSaveClick() override;
    void bbtCancelClick() override;
    virtual void bbtAddClick();
    virtual void bbtEditClick();
    virtual void bbtDeleteClick();
    virtual void bbtPrintClick();
    virtual void bbtPreviewClick();
    virtual void bbtExcelClick();

protected:
    // Operation hooks, in slot order.
    virtual void RefreshButtons();
    virtual void AfterNew() {}
    virtual void AfterEdit() {}
    virtual void DoSave() {}
    virtual void AfterCancel() {}
    virtual void DoDelete() {}
    virtual void DoSearch() {}
    virtual void DoPrint() {}
    virtual void DoPreview() {}
    virtual void DoExcel() {}
    virtual void FieldExit(QWidget* control);
    virtual void FieldEnter(QWidget* control);
    virtual void FieldExitColour(QWidget* control);
    // Returns true when the key was consumed.
    virtual bool FieldKeyDown(QWidget* control, int key, Qt::KeyboardModifiers modifiers);
    virtual bool FieldKeyPress(QWidget* control, int key);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Starts an operation: clears the status, refuses a hidden or disabled
    // button, and moves the focus to it.
    void beginOperation(QPushButton* button);
    void rollbackOpenTransaction();
    static void focusNeighbour(QWidget* from, bool forward);

    QWidget* panDisp;
    QWidget* panInput;
    QPushButton* bbtExcel;
    QPushButton* bbtPrint;
    QPushButton* bbtPreview;
    QPushButton* bbtAdd;
    QPushButton* bbtEdit;
    QPushButton* bbtDelete;
};
