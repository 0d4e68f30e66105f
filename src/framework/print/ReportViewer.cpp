#include "framework/print/ReportViewer.h"
#include "common/Messages.h"
#include "framework/ZZP010.h"
#include "framework/print/ReportOutput.h"
#include <QRegularExpression>

QString ReportFileName(const QString& location)
{
    QString path = location.trimmed();
    const qsizetype query = path.indexOf(QLatin1Char('?'));
    if (query >= 0)
        path.truncate(query);
    const qsizetype slash = qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(slash + 1);
}

bool ParseReportArguments(const QString& arguments, QStringList* values)
{
    if (values)
        values->clear();
    if (!arguments.startsWith(QLatin1String("/rp"), Qt::CaseInsensitive))
        return false;
    static const QRegularExpression bracket(QStringLiteral("\\[([^\\]]*)\\]"));
    auto it = bracket.globalMatch(arguments, 3);
    while (it.hasNext()) {
        const QString value = it.next().captured(1);
        if (values)
            values->append(value);
    }
    return true;
}

namespace ReportServer {

namespace {
QString& base()
{
    static QString address = QStringLiteral("http://localhost:8080/");
    return address;
}
}  // namespace

QString baseAddress()
{
    return base();
}

void setBaseAddress(const QString& address)
{
    base() = address.endsWith(QLatin1Char('/')) ? address : address + QLatin1Char('/');
}

QString location(const QString& fileName)
{
    return baseAddress() + kFolder + fileName;
}

}  // namespace ReportServer

ReportRegistry& ReportRegistry::instance()
{
    static ReportRegistry registry;
    return registry;
}

void ReportRegistry::add(const QString& fileName, Factory factory)
{
    remove(fileName);
    m_entries.append({fileName, std::move(factory)});
}

void ReportRegistry::remove(const QString& fileName)
{
    m_entries.removeIf([&](const Entry& e) { return e.fileName.compare(fileName, Qt::CaseInsensitive) == 0; });
}

bool ReportRegistry::contains(const QString& fileName) const
{
    for (const Entry& e : m_entries) {
        if (e.fileName.compare(fileName, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QStringList ReportRegistry::fileNames() const
{
    QStringList names;
    for (const Entry& e : m_entries)
        names << e.fileName;
    return names;
}

std::unique_ptr<TfrmZZP010> ReportRegistry::create(const ReportRequest& request) const
{
    for (const Entry& e : m_entries) {
        if (e.fileName.compare(request.fileName, Qt::CaseInsensitive) == 0)
            return e.factory ? e.factory(request) : nullptr;
    }
    return nullptr;
}

QString UnknownReportText(const QString& fileName)
{
    return QStringLiteral("보고서(%1)를 열 수 없습니다.\r이 보고서의 출력 양식이 등록되어 있지 않습니다.").arg(fileName);
}

namespace {

// Builds and prepares the layout of a request, or tells the user why not.
// Errors of the layout's own query propagate to the standard handling.
std::unique_ptr<TfrmZZP010> layoutFor(const QString& location, const QString& arguments, int* status)
{
    ReportRequest request;
    request.location = location;
    request.fileName = ReportFileName(location);
    request.arguments = arguments;
    if (!ParseReportArguments(arguments, &request.values)) {
        ShowError(QStringLiteral("보고서(%1)의 인자가 올바르지 않습니다.\r%2").arg(request.fileName, arguments));
        *status = rsBadArguments;
        return nullptr;
    }
    std::unique_ptr<TfrmZZP010> layout = ReportRegistry::instance().create(request);
    if (!layout) {
        ShowError(UnknownReportText(request.fileName));
        *status = rsUnknownReport;
        return nullptr;
    }
    layout->Prepare();
    *status = rsOk;
    return layout;
}

}  // namespace

ReportViewer::ReportViewer(QWidget* parent) : PreviewPane(parent)
{
}

int ReportViewer::OpenReport(const QString& location, const QString& arguments)
{
    int status = rsOk;
    std::unique_ptr<TfrmZZP010> layout = layoutFor(location, arguments, &status);
    if (layout)
        setPageModel(layout->pageModel(), layout->name());
    return status;
}

int OpenReport(const QString& location, const QString& arguments)
{
    int status = rsOk;
    std::unique_ptr<TfrmZZP010> layout = layoutFor(location, arguments, &status);
    if (layout) {
        const QString title = layout->qrlTitle->text.simplified();
        ShowPagePreview(layout->pageModel(), title.isEmpty() ? layout->name() : title);
    }
    return status;
}
