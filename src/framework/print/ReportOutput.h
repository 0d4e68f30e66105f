#pragma once
#include "framework/print/PageModel.h"
#include <QImage>
#include <QString>

class QWidget;

// Output of a prepared page model.

// The page as an image at zoom (1.0 = 96 dots per inch), white background.
QImage RenderPageImage(const PageModel& model, int pageIndex, double zoom);

// Prints every page on the default printer (chosen through DialogService).
// Raises AppError when there is no printer or printing fails.
void PrintPageModel(const PageModel& model, const QString& documentName);

// Writes the pages to a PDF file; false when the file cannot be written.
bool WritePagesToPdf(const PageModel& model, const QString& path, const QString& documentName);

// Shows the pages in the modal preview window (through DialogService).
void ShowPagePreview(const PageModel& model, const QString& caption, QWidget* parent = nullptr);
