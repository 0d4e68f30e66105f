#pragma once
#include <QString>

class QWidget;

// A small non-modal "processing" window around long operations.
void ShowWait(const QString& message);
void HideWait();
// The wait window while it exists (tests).
QWidget* WaitWindow();

// Empties the input controls placed directly on the panel (not those of
// nested panels).
void ClearPanel(QWidget* panel);
