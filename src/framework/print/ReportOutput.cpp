#include "framework/print/ReportOutput.h"
#include "common/AppErrors.h"
#include "common/DialogService.h"
#include "framework/print/PreviewWindow.h"
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <cmath>
#include <functional>

QImage RenderPageImage(const PageModel& model, int pageIndex, double zoom)
{
    const double dpi = 96.0 * zoom;
    const double dpm = dpi / 25.4;
    const QSizeF paper = model.paperSize();
    QImage image(qMax(1, int(std::lround(paper.width() * dpm))), qMax(1, int(std::lround(paper.height() * dpm))),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
    image.setDotsPerMeterY(int(std::lround(dpi / 0.0254)));
    image.fill(Qt::white);
    if (pageIndex >= 0 && pageIndex < model.pageCount()) {
        QPainter painter(&image);
        RenderPrintPage(painter, model.pages.at(pageIndex), dpm, dpm);
    }
    return image;
}

namespace {

void renderAll(QPainter& painter, const PageModel& model, double dpmX, double dpmY,
               const std::function<bool()>& newPage)
{
    for (int i = 0; i < model.pageCount(); ++i) {
        if (i > 0 && !newPage())
            throw AppError(QStringLiteral("출력 중 다음 페이지로 넘어갈 수 없습니다."));
        RenderPrintPage(painter, model.pages.at(i), dpmX, dpmY);
    }
}

}  // namespace

void PrintPageModel(const PageModel& model, const QString& documentName)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!DialogService::instance().preparePrinter(printer))
        throw AppError(QStringLiteral("출력할 프린터가 없습니다.\n기본 프린터를 설정한 후 다시 출력하십시오."));
    printer.setDocName(documentName);
    // Paper and orientation one by one: a printer that cannot print to the
    // paper's edge refuses a whole layout with zero margins. The pages are
    // drawn from the paper's corner either way.
    printer.setPageSize(model.pageSize);
    printer.setPageOrientation(model.orientation);
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer))
        throw AppError(QStringLiteral("프린터로 출력할 수 없습니다."));
    const double dpmX = printer.logicalDpiX() / 25.4;
    const double dpmY = printer.logicalDpiY() / 25.4;
    try {
        renderAll(painter, model, dpmX, dpmY, [&] { return printer.newPage(); });
    } catch (...) {
        painter.end();
        throw;
    }
    if (!painter.end())
        throw AppError(QStringLiteral("프린터로 출력할 수 없습니다."));
}

bool WritePagesToPdf(const PageModel& model, const QString& path, const QString& documentName)
{
    QPdfWriter writer(path);
    writer.setTitle(documentName);
    writer.setCreator(QStringLiteral("일반 관리 회계"));
    writer.setResolution(600);
    writer.setPageLayout(model.pageLayout());
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    const double dpm = writer.resolution() / 25.4;
    try {
        renderAll(painter, model, dpm, dpm, [&] { return writer.newPage(); });
    } catch (...) {
        painter.end();
        return false;
    }
    return painter.end();
}

void ShowPagePreview(const PageModel& model, const QString& caption, QWidget* parent)
{
    PreviewWindow window(model, caption, parent);
    DialogService::instance().execDialog(&window);
}
