#include "framework/print/PreviewWindow.h"
#include "common/AppErrors.h"
#include "common/DialogService.h"
#include "common/Messages.h"
#include "framework/print/ReportOutput.h"
#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* navButton(QWidget* parent, QStyle::StandardPixmap icon, const QString& tip)
{
    auto* button = new QToolButton(parent);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolTip(tip);
    button->setAutoRaise(true);
    return button;
}

}  // namespace

PreviewPane::PreviewPane(QWidget* parent) : QWidget(parent)
{
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(4, 4, 4, 4);
    m_first = navButton(this, QStyle::SP_MediaSkipBackward, QStringLiteral("처음 페이지"));
    m_prior = navButton(this, QStyle::SP_MediaSeekBackward, QStringLiteral("앞 페이지"));
    m_next = navButton(this, QStyle::SP_MediaSeekForward, QStringLiteral("다음 페이지"));
    m_last = navButton(this, QStyle::SP_MediaSkipForward, QStringLiteral("마지막 페이지"));
    m_pageLabel = new QLabel(this);
    m_pageLabel->setMinimumWidth(80);
    m_pageLabel->setAlignment(Qt::AlignCenter);
    m_zoomBox = new QComboBox(this);
    m_zoomBox->addItem(QStringLiteral("전체 페이지"), double(FitPage));
    m_zoomBox->addItem(QStringLiteral("페이지 폭"), double(FitWidth));
    for (int percent : {50, 75, 100, 125, 150, 200})
        m_zoomBox->addItem(QStringLiteral("%1%").arg(percent), percent / 100.0);
    m_zoomBox->setCurrentIndex(m_zoomBox->findData(1.0));
    m_print = new QPushButton(QStringLiteral("출력"), this);
    m_print->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    m_pdf = new QPushButton(QStringLiteral("PDF 저장"), this);
    m_pdf->setObjectName(QStringLiteral("bbtPdf"));

    bar->addWidget(m_first);
    bar->addWidget(m_prior);
    bar->addWidget(m_pageLabel);
    bar->addWidget(m_next);
    bar->addWidget(m_last);
    bar->addSpacing(12);
    bar->addWidget(m_zoomBox);
    bar->addStretch(1);
    bar->addWidget(m_pdf);
    bar->addWidget(m_print);

    m_canvas = new QLabel;
    m_canvas->setAlignment(Qt::AlignCenter);
    m_canvas->setFrameShape(QFrame::Box);
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(m_canvas);
    m_scroll->setWidgetResizable(false);
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_scroll->setBackgroundRole(QPalette::Dark);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(bar);
    layout->addWidget(m_scroll, 1);

    connect(m_first, &QToolButton::clicked, this, &PreviewPane::firstPage);
    connect(m_prior, &QToolButton::clicked, this, &PreviewPane::priorPage);
    connect(m_next, &QToolButton::clicked, this, &PreviewPane::nextPage);
    connect(m_last, &QToolButton::clicked, this, &PreviewPane::lastPage);
    connect(m_print, &QPushButton::clicked, this, &PreviewPane::print);
    connect(m_pdf, &QPushButton::clicked, this, &PreviewPane::savePdf);
    connect(m_zoomBox, &QComboBox::activated, this, [this](int index) {
        setZoom(m_zoomBox->itemData(index).toDouble());
    });
    updateControls();
}

void PreviewPane::setPageModel(const PageModel& model, const QString& documentName)
{
    m_model = model;
    m_documentName = documentName;
    m_page = 0;
    render();
}

double PreviewPane::effectiveZoom() const
{
    if (m_zoom > 0)
        return m_zoom;
    const QSizeF paper = m_model.paperSize();
    const QSize view = m_scroll->viewport()->size() - QSize(16, 16);
    const double perMm = 96.0 / 25.4;
    const double byWidth = view.width() / (paper.width() * perMm);
    const double byHeight = view.height() / (paper.height() * perMm);
    const double z = m_zoom == double(FitWidth) ? byWidth : qMin(byWidth, byHeight);
    return qBound(0.1, z, 8.0);
}

void PreviewPane::setZoom(double zoom)
{
    m_zoom = zoom;
    const int index = m_zoomBox->findData(zoom);
    if (index >= 0)
        m_zoomBox->setCurrentIndex(index);
    render();
}

void PreviewPane::setPage(int index)
{
    if (pageCount() == 0)
        return;
    index = qBound(0, index, pageCount() - 1);
    if (index == m_page && !m_image.isNull())
        return;
    m_page = index;
    render();
    m_scroll->verticalScrollBar()->setValue(0);
}

QString PreviewPane::pageText() const
{
    if (pageCount() == 0)
        return QStringLiteral("0 / 0");
    return QStringLiteral("%1 / %2").arg(m_page + 1).arg(pageCount());
}

void PreviewPane::print()
{
    try {
        PrintPageModel(m_model, m_documentName);
    } catch (const AppError& error) {
        ShowError(error.message());
    }
}

bool PreviewPane::savePdf()
{
    QString proposed = m_documentName.trimmed();
    proposed.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")), QStringLiteral("_"));
    if (proposed.isEmpty())
        proposed = QStringLiteral("report");
    QString path = DialogService::instance().saveFileName(this, QStringLiteral("PDF 저장"), proposed + QStringLiteral(".pdf"),
                                                          QStringLiteral("PDF 파일 (*.pdf)"));
    if (path.isEmpty())
        return false;
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    if (!WritePagesToPdf(m_model, path, m_documentName)) {
        ShowError(QStringLiteral("PDF 파일을 저장할 수 없습니다.\r") + path);
        return false;
    }
    ShowInfo(QStringLiteral("PDF 파일로 저장하였습니다.\r") + path);
    return true;
}

void PreviewPane::render()
{
    m_image = RenderPageImage(m_model, m_page, effectiveZoom());
    m_canvas->setPixmap(QPixmap::fromImage(m_image));
    m_canvas->resize(m_image.size());
    updateControls();
}

void PreviewPane::updateControls()
{
    m_pageLabel->setText(pageText());
    m_first->setEnabled(m_page > 0);
    m_prior->setEnabled(m_page > 0);
    m_next->setEnabled(m_page + 1 < pageCount());
    m_last->setEnabled(m_page + 1 < pageCount());
    m_print->setEnabled(pageCount() > 0);
    m_pdf->setEnabled(pageCount() > 0);
}

void PreviewPane::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_zoom <= 0 && pageCount() > 0)
        render();
}

void PreviewPane::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_PageDown: nextPage(); break;
    case Qt::Key_PageUp: priorPage(); break;
    case Qt::Key_Home: if (event->modifiers() & Qt::ControlModifier) firstPage(); else QWidget::keyPressEvent(event); break;
    case Qt::Key_End: if (event->modifiers() & Qt::ControlModifier) lastPage(); else QWidget::keyPressEvent(event); break;
    default: QWidget::keyPressEvent(event); break;
    }
}

// ---------------------------------------------------------------------------

PreviewWindow::PreviewWindow(const PageModel& model, const QString& caption, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(caption.isEmpty() ? QStringLiteral("미리보기") : caption);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    m_pane = new PreviewPane(this);
    auto* close = new QPushButton(QStringLiteral("닫기"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pane, 1);
    layout->addLayout(bottom);
    if (QScreen* screen = QApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        resize(qMin(area.width(), 1000), qMin(area.height(), 900));
    } else {
        resize(1000, 900);
    }
    m_pane->setPageModel(model, caption);
}
