#pragma once
#include <QDate>
#include <QString>

// Date texts are "YYYYMMDD" unless a function says otherwise.

QString TodayText();
QString TodayDateText();
QString FormatDateText(const QString& text);
QString FormatDateParts(const QString& text, const QString& sep1, const QString& sep2, bool trailing);
bool IsDateTextOfKind(const QString& text, int kind);
QString LastDayText(const QString& yyyymm);
int MonthsBetween(const QString& from, const QString& to);
int DaysInMonth(int year, int month);
QDate FirstDayOfMonth(const QDate& date);
QDate LastDayOfMonth(const QDate& date);
QDate FirstDayOfQuarter(const QDate& date);
QDate LastDayOfQuarter(const QDate& date);
QDate IncDateEx(int days, int months, int years, bool overflow, const QDate& date);
QDate IncMonths(int months, const QDate& date);
QDate IncYears(int years, const QDate& date);
