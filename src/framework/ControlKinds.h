#pragma once

class QWidget;

// The kinds of control the screen bases wire and clear, each mapped to the
// widget class that plays it.
enum class ControlKind {
    Container,   // plain panel, frame, group box, tab or stacked page: walked
    Edit,        // QLineEdit without input mask
    MaskEdit,    // QLineEdit with an input mask
    Memo,        // QPlainTextEdit / QTextEdit, DbMemo
    Check,       // QCheckBox
    DbCheck,     // DbCheck
    Radio,       // QRadioButton
    DatePicker,  // QDateEdit / QDateTimeEdit
    DbEdit,      // DbEdit, DbDateEdit
    Combo,       // QComboBox
    DbCombo,     // DbCombo
    Grid,        // an unbound table (QTableWidget)
    DbGrid,      // DataGrid bound to a record set
    Tree,        // QTreeView
    Other,       // lookup buttons, labels, numeric edits: left alone
};

ControlKind kindOf(const QWidget* control);
bool isReadOnlyControl(const QWidget* control);
