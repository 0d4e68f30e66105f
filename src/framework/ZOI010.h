#pragma once
#include "framework/ZZI010.h"

class FieldEventHook;
class QLabel;
class QMenu;
class QToolButton;

// The document base: a simpler edit model on the search strip of TfrmZZI010
// (Search F3, Save F2, Cancel F8). A document header panel panMaster under
// the strip, a display panel panDisplay (with panRecordCount / panRecordCnt
// at its top for a count the screen shows) and a 364-pixel input panel
// panInput; New (F4), Edit (F5), Delete (F9), also items of the screen's
// pop-up menu popScreen; Print, Preview and Excel hidden
// unless a screen shows them; navigation buttons whose handlers belong to
// the screen.
//
// Three states in DocState: 0 idle, 1 edit, 2 insert. A hidden or disabled
// button simply does nothing, and progress is reported in the status bar
// ("[ 신규 ] 상태", ...). The operations the screen fills all start with
// "gl"; errors they raise go to the application's error dialog, and glSave
// handles its own transaction.
//
// glSave and glDelete set Done when the document was written or deleted; the
// status bar reports completion only then.
class TfrmZOI010 : public TfrmZZI010 {
    Q_OBJECT
public:
    enum { dsIdle = 0, dsEdit = 1, dsInsert = 2 };

    explicit TfrmZOI010(const QString& programId, QWidget* parent = nullptr);
    ~TfrmZOI010() override;

    int DocState = dsIdle;
    int RecordCount = 0;  // set by the screen (glSelect, glDelete)
    bool Done = false;    // set by glSave and glDelete on success

    // The enabling rules; screens call it after changing RecordCount.
    Q_INVOKABLE virtual void glEnabledCheck();
    // The database server's date as "yyyy-mm-dd".
    QString GetSystemDate();

public slots:
    void bbtSearchClick() override;
    void bbtSaveClick() override;
    void bbtCancelClick() override;
    virtual void bbtAddClick();
    virtual void bbtEditClick();
    virtual void bbtDeleteClick();

protected:
    // --- operations, in slot order (the base versions do nothing) ------------
    // Field handlers attached to every field; the key handlers return true
    // when they consumed the key.
    virtual void glOnEnterEvent(QWidget* control);
    virtual void glOnExitEvent(QWidget* control);
    virtual bool glOnKeyDown(QWidget* control, int key, Qt::KeyboardModifiers modifiers);
    virtual bool glOnKeyPress(QWidget* control, int key);
    // Prepare a new or the current document.
    virtual void glInsert() {}
    virtual void glEdit() {}
    // Validate and write; set Done on success.
    virtual void glSave() {}
    // Discard the input.
    virtual void glCancel() {}
    // Delete; set Done on success and bring RecordCount up to date.
    virtual void glDelete() {}
    // Search and set RecordCount.
    virtual void glSelect() {}

    void showEvent(QShowEvent* event) override;
    // Wires the fields below container (edits, masked and numeric edits,
    // check boxes, radio buttons, combo boxes, bound edits and combos; key
    // strokes of grids).
    void wireControls(QWidget* container);

    QWidget* panMaster;
    QWidget* panDisplay;
    QWidget* panRecordCount;
    QLabel* panRecordCnt;
    QWidget* panInput;
    QPushButton* bbtAdd;
    QPushButton* bbtEdit;
    QPushButton* bbtDelete;
    QPushButton* bbtPrint;
    QPushButton* bbtPreview;
    QPushButton* bbtExcel;
    QToolButton* sbtFirst;
    QToolButton* sbtPrior;
    QToolButton* sbtNext;
    QToolButton* sbtLast;
    QMenu* popScreen;

private:
    bool fieldEvent(QWidget* control, QEvent* event);
    static bool usable(const QWidget* button);
    FieldEventHook* m_fields;
};
