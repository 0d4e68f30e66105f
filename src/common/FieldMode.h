#pragma once

class QWidget;

enum FieldMode { fmEditable = 0, fmLocked = 1, fmGreyed = 2 };

// Switches an input control between editable and locked, with the colours
// users rely on to tell them apart; clears it unless keepValue is set.
void SetFieldMode(QWidget* control, int mode, bool keepValue);
