#include "shell/V0Main.h"
#include "common/Db.h"
#include "common/Session.h"

TfrmV0Main::TfrmV0Main(QWidget* parent) : QMainWindow(parent)
{
    Session::dbDisplayName = readDbDisplayName(Session::dbUser);
    setWindowTitle(QStringLiteral("일반관리 회계(%1)").arg(Session::dbDisplayName));
    setMinimumSize(1024, 746);
}

QString TfrmV0Main::readDbDisplayName(const QString& dbUser)
{
    return Db::scalar(QStringLiteral("SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = 'Z9999' AND DETAIL = :P0"),
                      {dbUser.toUpper()}).toString();
}
