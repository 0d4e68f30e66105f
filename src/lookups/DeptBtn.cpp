#include "lookups/DeptBtn.h"
#include "common/DialogService.h"
#include "lookups/DeptQry.h"
#include <QPainter>
#include <QTreeWidget>
#include <memory>

TDeptBtn::TDeptBtn(QWidget* parent) : TLookupBtn(parent)
{
    setObjectName(QStringLiteral("DeptBtn"));
    setButtonGlyph(glyph());
}

QIcon TDeptBtn::glyph()
{
    // A small organisation chart.
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QColor(0x30, 0x30, 0x30));
    p.drawLine(7, 5, 7, 8);
    p.drawLine(3, 8, 12, 8);
    p.drawLine(3, 8, 3, 10);
    p.drawLine(12, 8, 12, 10);
    p.setBrush(QColor(0x90, 0xb8, 0xe8));
    p.drawRect(4, 1, 7, 4);
    p.setBrush(QColor(0x80, 0xd0, 0x80));
    p.drawRect(0, 10, 6, 4);
    p.drawRect(9, 10, 6, 4);
    p.end();
    return QIcon(pixmap);
}

void TDeptBtn::runLookup()
{
    auto window = std::make_unique<TfrmDeptQry>(this->window());
    window->setReferenceDate(m_refeDate.isValid() ? m_refeDate.toString(QStringLiteral("yyyy-MM-dd")) : QString());
    window->setDeptAcc(m_deptAcc);
    window->setSqlConnection(m_connectionName);
    Lookup::placeWindow(window.get(), m_align, this);
    window->DeptReload();
    window->trvDept->expandAll();

    const int result = DialogService::instance().execDialog(window.get());
    if (result == QDialog::Accepted)
        setOutcome(Lookup::mrOk, window->currentValues());
    else
        setOutcome(Lookup::mrCancel, {QString()});
}
