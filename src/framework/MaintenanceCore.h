#pragma once
#include "common/ScreenErrors.h"
#include "framework/ControlKinds.h"
#include <QKeySequence>
#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QBoxLayout;
class QColor;
class QEvent;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QWidget;
class TfrmZZI000;

// Calls visit for every control below container, descending through panels,
// group boxes, page controls and tab sheets (which are walked, not visited).
// Separate windows (dialogs owned by the screen) are skipped.
void VisitControls(QWidget* container, const std::function<void(QWidget*, ControlKind)>& visit);

// Moves the focus from a control to the next (or previous) enabled, visible
// tab stop of its window.
void FocusNeighbour(QWidget* from, bool forward);
// Focuses the first enabled tab stop inside container; false when none.
bool FocusFirstControl(QWidget* container);

// A push button for a screen's button strip, inserted into row in front of
// `before` (at the end when before is null or not in the row).
QPushButton* NewStripButton(QHBoxLayout* row, QWidget* strip, const QString& name, const QString& caption,
                            QWidget* before);

// Gives a display panel a vertical layout whose first item is the strip
// panRecordCount with the label that shows the number of records (named
// labelName, showing text). Screens add their grid below it.
struct RecordCountStrip {
    QWidget* panel;
    QLabel* label;
};
RecordCountStrip NewRecordCountStrip(QWidget* display, const QString& labelName, const QString& text);

// The screen's pop-up menu (named popScreen), opened by a right click on the
// screen, listing the items given: the operations whose keys it shows.
QMenu* NewScreenMenu(QWidget* screen, const QList<QAction*>& items);

// Sets the background (QPalette::Base) of an input field.
void PaintFieldBase(QWidget* field, const QColor& colour);

// Shows a screen's handler the events of the fields wired to it before the
// fields see them; a handler that returns true swallows the event. Wiring a
// field again changes nothing, so a screen may wire its whole window each
// time it is shown.
class FieldEventHook : public QObject {
public:
    using Handler = std::function<bool(QWidget* field, QEvent* event)>;
    FieldEventHook(QObject* parent, Handler handler);
    void wire(QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isWired(const QObject* field) const;
    Handler m_handler;
};

// The hourglass cursor while the object lives; restored also when an error
// unwinds the operation.
class HourglassCursor {
public:
    HourglassCursor();
    ~HourglassCursor();
    HourglassCursor(const HourglassCursor&) = delete;
    HourglassCursor& operator=(const HourglassCursor&) = delete;
};

// The machinery the maintenance base and the inquiry base share: the four
// states, the operation buttons with their keys and enabling rules, the
// order of every operation, the hooks screens fill, the automatic wiring of
// input fields (colours, Enter to the next field, date checks), clearing by
// control kind, roll-back of a failed save or delete and the screen's own
// error handling.
//
// A screen base derives from its window base and from this class, builds
// its strip and panels, then calls attach(), buildDataArea(),
// buildOperationButtons() and finishCreation() from its constructor, and
// calls screenShown() from its showEvent. What the two bases do differently
// is given in Rules or in the overridable hooks.
//
// A hook that raises leaves the state as it found it: Search, New, Edit and
// Cancel put State back (and refresh the buttons) before the error reaches
// HandleAppError; a failed Save stays in edit or insert with Save enabled
// again.
class MaintenanceCore : public ScreenErrorHandler {
public:
    enum { stNone = 0, stBrowse = 1, stEdit = 2, stInsert = 3 };
    enum WalkAction { waWire, waClear };

    struct Rules {
        // Up and Down keep their own meaning in combo boxes and date pickers.
        bool arrowsKeepOwnMeaning = true;
        // Numeric edits (NumEdit) are wired and cleared like edits.
        bool numericEditsAreFields = false;
        // Search stays disabled while its hook runs and afterwards is enabled
        // exactly when Cancel is not; a search that leaves it disabled puts
        // the focus into the data area.
        bool searchTogglesWithCancel = false;
        // After Save the focus goes to New when New is usable.
        bool saveFocusesNew = true;
        // Cancel from browse also clears the input panel.
        bool cancelClearsInput = false;
        // The hourglass shows while the Excel hook runs.
        bool excelShowsHourglass = false;
    };

    // The parts of the window base that the machinery works with.
    struct Strip {
        QWidget* searchPanel = nullptr;  // the search conditions
        QPushButton* search = nullptr;
        QPushButton* save = nullptr;
        QPushButton* cancel = nullptr;
        QWidget* dataArea = nullptr;     // panMain
    };

    // 0 none (nothing searched), 1 browse, 2 edit, 3 insert.
    int State = stNone;
    // Rows of the last search; the search hook sets it.
    int RecordCount = 0;
    // Cleared before the save and delete hooks; they set it on success.
    bool Done = false;
    // false before the print hook, true before the preview hook.
    bool PreviewFlag = false;

    // Re-enables Save while editing, then shows the error dialog, which rolls
    // back an open transaction.
    void HandleAppError(std::exception_ptr error) override;
    void WalkControls(QWidget* container, WalkAction action);
    // Every edit placed directly in panInput gets empty text, every combo box
    // its first item.
    void ClearInputPanel();

    // Removes the blanks from text; only the separators "--" left means an
    // empty date (the text is emptied, true); otherwise true when the text
    // is a date.
    static bool lfDateChk(QString& text);
    // The text with every blank removed, inner ones too.
    static QString gpTrimSpace(const QString& text);
    // The text without "," and " ".
    static QString StripNumberText(const QString& text);
    // The masked edit's text when lfDateChk accepts it, otherwise empty text.
    QString MaskDateText(const QLineEdit* maskEdit) const;

    // The button operations; the buttons and their keys run these. A hidden
    // or disabled button makes its operation raise SilentAbort.
    virtual void bbtSearchClick();
    virtual void bbtAddClick();
    virtual void bbtEditClick();
    virtual void bbtSaveClick();
    virtual void bbtCancelClick();
    virtual void bbtDeleteClick();
    virtual void bbtPrintClick();
    virtual void bbtPreviewClick();
    virtual void bbtExcelClick();

protected:
    MaintenanceCore(TfrmZZI000* screen, const Rules& rules);
    ~MaintenanceCore() override;

    void attach(const Strip& strip);
    // panDisp (stretching) and panInput (inputWidth pixels) side by side,
    // added to layout.
    void buildDataArea(QBoxLayout* layout, int inputWidth);
    // Excel, Print, Preview, New, Edit and Delete in front of `before`, with
    // F4, F5, F9, F11, Shift+F11 and Ctrl+F11.
    void buildOperationButtons(QHBoxLayout* row, QWidget* strip, QWidget* before);
    // The end of creation: data area enabled, State 0, RecordCount 0,
    // RefreshButtons.
    void finishCreation();
    // Screens add their fields after the base constructor ran, so the wiring
    // and the screen's own button rules are applied when it is shown (fields
    // wired once stay wired).
    void screenShown(bool spontaneous);

    // --- hooks, in slot order -----------------------------------------------
    virtual void RefreshButtons();
    virtual void AfterNew() {}
    virtual void AfterEdit() {}
    virtual void DoSave() {}
    virtual void AfterCancel() {}
    virtual void DoDelete() {}
    // Runs the query, sets RecordCount and calls RefreshButtons.
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

    // Whether a masked edit named "...DATE" holds an acceptable date when it
    // is left. By default an empty field passes and any other text must
    // pass lfDateChk.
    virtual bool dateFieldAccepts(QLineEdit* edit);

    // --- what the window base provides ---------------------------------------
    virtual QAction* addOperationKey(const QKeySequence& key, const std::function<void()>& handler) = 0;
    // Raises SilentAbort for a hidden or disabled button.
    virtual void requireButton(const QWidget* button) = 0;

    // Starts an operation: clears the status, refuses a hidden or disabled
    // button, and moves the focus to it.
    void beginOperation(QPushButton* button);
    void rollbackOpenTransaction();
    ControlKind fieldKind(const QWidget* control) const;

    QWidget* panDisp = nullptr;
    QWidget* panInput = nullptr;
    QPushButton* bbtExcel = nullptr;
    QPushButton* bbtPrint = nullptr;
    QPushButton* bbtPreview = nullptr;
    QPushButton* bbtAdd = nullptr;
    QPushButton* bbtEdit = nullptr;
    QPushButton* bbtDelete = nullptr;

private:
    bool fieldEvent(QWidget* control, QEvent* event);
    // Runs a hook that changes the state; when it raises, the state it found
    // is restored before the error travels on.
    void runKeepingStateOnError(int previousState, const std::function<void()>& hook);

    TfrmZZI000* m_screen;
    Rules m_rules;
    Strip m_strip;
    FieldEventHook* m_fields;
};
