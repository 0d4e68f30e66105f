#pragma once
#include "framework/print/PreviewWindow.h"
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class TfrmZZP010;

// The screens that show a server-side report call OpenReport(location,
// arguments) with the report file's address on the report server and an
// argument text "/rp [value] [value] ...". Behind that one call, the report
// file name selects a layout of ours built on the page frame; the layout
// reads its rows from the database itself with the values.

struct ReportRequest {
    QString location;   // as the screen gave it
    QString fileName;   // the report file name, e.g. "PL.mrd"
    QString arguments;  // as the screen gave it
    QStringList values; // the bracketed values, in order
};

enum ReportStatus {
    rsOk = 0,
    rsUnknownReport = 1,  // no layout registered under the file name
    rsBadArguments = 2,   // the argument text does not begin with "/rp"
};

// The report file name of a location: what follows the last '/'.
QString ReportFileName(const QString& location);
// The values of an argument text; false when it does not begin with "/rp".
bool ParseReportArguments(const QString& arguments, QStringList* values);

namespace ReportServer {
// The report server's base address (an installation value), ending in '/'.
QString baseAddress();
void setBaseAddress(const QString& address);
inline const QString kFolder = QStringLiteral("REPORT/일반회계관리/");
// base address + folder + file name: the location the screens pass.
QString location(const QString& fileName);
}  // namespace ReportServer

// Report file name -> layout. Screens register their layouts when the program
// starts (a registration object in a static library is not linked unless
// referenced, so register from code that runs, e.g. the screen table).
class ReportRegistry {
public:
    using Factory = std::function<std::unique_ptr<TfrmZZP010>(const ReportRequest&)>;

    static ReportRegistry& instance();

    // File names compare without regard to letter case.
    void add(const QString& fileName, Factory factory);
    void remove(const QString& fileName);
    bool contains(const QString& fileName) const;
    QStringList fileNames() const;
    // The prepared layout for a request; nullptr when none is registered.
    std::unique_ptr<TfrmZZP010> create(const ReportRequest& request) const;

private:
    struct Entry {
        QString fileName;
        Factory factory;
    };
    QList<Entry> m_entries;
};

// The message shown for a report that has no layout.
QString UnknownReportText(const QString& fileName);

// The viewer a screen places where the report is shown: OpenReport lays the
// registered layout out and shows its pages here, with paging, zoom and print.
class ReportViewer : public PreviewPane {
    Q_OBJECT
public:
    explicit ReportViewer(QWidget* parent = nullptr);
    int OpenReport(const QString& location, const QString& arguments);
};

// The same without a placed viewer: the pages open in the preview window.
int OpenReport(const QString& location, const QString& arguments);
