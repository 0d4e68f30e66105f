#pragma once
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// A screen as the user has it in front of him: shown and active, its
// controls found by name (a missing one ends the test run), its buttons
// clicked. Tests derive their own helpers from it.
template <typename Base>
class ScreenUnderTest : public Base {
public:
    ScreenUnderTest()
    {
        this->show();
        this->activateWindow();
        if (!QTest::qWaitForWindowActive(this))
            qFatal("the screen did not become active");
    }
    template <typename T = QLineEdit>
    T* get(const char* name) const
    {
        T* w = this->template findChild<T*>(QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    void click(const char* name) { get<QPushButton>(name)->click(); }
    int state() const { return this->State; }
};
