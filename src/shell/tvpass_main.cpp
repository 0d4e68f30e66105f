// Produces the encoded "PASS" value of TVUpdate.ini, as the launcher writes it.
#include "shell/PasswordCodec.h"
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream out(stdout), err(stderr);
    if (args.size() == 3 && args.at(1) == QLatin1String("encode")) {
        out << PasswordCodec::encode(args.at(2)) << '\n';
        return 0;
    }
    if (args.size() == 3 && args.at(1) == QLatin1String("decode")) {
        out << PasswordCodec::decode(args.at(2)) << '\n';
        return 0;
    }
    err << "usage: tvpass encode PASSWORD | tvpass decode ENCODED\n";
    return 2;
}
