#pragma once
#include "framework/print/PageModel.h"
#include <QDialog>
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QToolButton;

// The on-screen preview of a prepared report: one page at a time, zoom,
// page navigation, a print button and "PDF 저장", which writes exactly the
// pages shown to a file chosen through the dialog service. Embeddable in a
// screen.
class PreviewPane : public QWidget {
    Q_OBJECT
public:
    enum ZoomMode { FitPage = -2, FitWidth = -1 };

    explicit PreviewPane(QWidget* parent = nullptr);

    void setPageModel(const PageModel& model, const QString& documentName);
    const PageModel& pageModel() const { return m_model; }

    int pageIndex() const { return m_page; }  // 0-based
    int pageCount() const { return m_model.pageCount(); }
    // A factor (1.0 = 100 %) or a ZoomMode.
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }
    // The factor in effect (the fit modes resolved).
    double effectiveZoom() const;

    QString pageText() const;
    QPushButton* printButton() const { return m_print; }
    QPushButton* pdfButton() const { return m_pdf; }
    QComboBox* zoomBox() const { return m_zoomBox; }
    // The page as shown.
    QImage currentImage() const { return m_image; }

public slots:
    void setPage(int index);
    void firstPage() { setPage(0); }
    void priorPage() { setPage(m_page - 1); }
    void nextPage() { setPage(m_page + 1); }
    void lastPage() { setPage(pageCount() - 1); }
    // Prints all pages on the default printer; failures are shown.
    void print();
    // Asks for a file name and writes all pages to it as PDF; false when
    // nothing was written (cancelled or the file could not be written).
    bool savePdf();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void render();
    void updateControls();

    PageModel m_model;
    QString m_documentName;
    int m_page = 0;
    double m_zoom = 1.0;
    QImage m_image;
    QToolButton* m_first;
    QToolButton* m_prior;
    QToolButton* m_next;
    QToolButton* m_last;
    QLabel* m_pageLabel;
    QComboBox* m_zoomBox;
    QPushButton* m_print;
    QPushButton* m_pdf;
    QScrollArea* m_scroll;
    QLabel* m_canvas;
};

class PreviewWindow : public QDialog {
    Q_OBJECT
public:
    PreviewWindow(const PageModel& model, const QString& caption, QWidget* parent = nullptr);
    PreviewPane* pane() const { return m_pane; }

private:
    PreviewPane* m_pane;
};
