#pragma once
#include <QString>

class QWidget;

// The application title: the caption of every message box.
inline const QString kAppTitle = QStringLiteral("일반 관리 회계");

void ShowInfo(const QString& text);
void ShowError(const QString& text);
bool AskYesNo(const QString& text);
// kind 0 information, 1 error, 2 question (Yes/No), other values plain OK.
int MsgBox(const QString& text, const QString& caption, int kind);
