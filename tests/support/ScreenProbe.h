#pragma once
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>

// A screen under test: its controls by name (a missing one ends the run)
// and the user's moves on them.
template <typename Base>
class ScreenProbe : public Base {
public:
    template <typename T = QLineEdit>
    T* get(const QString& name) const
    {
        T* w = this->template findChild<T*>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    QLineEdit* edit(const QString& name) const { return get<QLineEdit>(name); }
    // Clicked as the user does, so that a failure reaches the error dialog
    // through the event loop.
    void click(const QString& name) { QTest::mouseClick(get<QPushButton>(name), Qt::LeftButton); }
    void type(const QString& name, const QString& text) { edit(name)->setText(text); }
    // Leaves a field the way the user does: the focus moves on.
    void leave(const QString& name, const QString& next)
    {
        edit(name)->setFocus();
        get<QWidget>(next)->setFocus();
    }
    void showActive()
    {
        this->show();
        QVERIFY(QTest::qWaitForWindowExposed(this));
        this->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(this));
    }
};
