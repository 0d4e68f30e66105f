// Time of the spreadsheet export of a large result: 65,000 rows of 10
// columns (codes, Hangul names, amounts, rates, dates) from an item model, the
// way a screen's grid hands its result over.
#include "common/DialogService.h"
#include "common/XlsExport.h"
#include <QAbstractTableModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMessageBox>
#include <QTemporaryDir>
#include <cstdio>

namespace {

class ResultModel : public QAbstractTableModel {
public:
    ResultModel(int rows)
    {
        m_rows.reserve(rows);
        for (int r = 0; r < rows; ++r) {
            m_rows.append(QVariantList{
                QStringLiteral("%1").arg(1110100 + r % 900, 7, 10, QLatin1Char('0')),
                QStringLiteral("보통예금 %1").arg(r % 37),
                QStringLiteral("2026-%1-%2").arg(r % 12 + 1, 2, 10, QLatin1Char('0')).arg(r % 28 + 1, 2, 10, QLatin1Char('0')),
                QStringLiteral("거래처 매출 대금 입금 %1건").arg(r),
                qint64(r) * 1000,
                qint64(r % 500) * 12345,
                r % 7 == 0 ? QVariant(QMetaType(QMetaType::Double)) : QVariant(double(r) * 1.5),
                double(r % 1000) / 8.0,
                QStringLiteral("N"),
                r,
            });
        }
    }
    int rowCount(const QModelIndex& = {}) const override { return int(m_rows.size()); }
    int columnCount(const QModelIndex& = {}) const override { return 10; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole && role != Qt::EditRole)
            return QVariant();
        return m_rows.at(index.row()).at(index.column());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        static const char* const names[] = {"계정코드", "계정과목", "일자", "적요", "차변금액",
                                            "대변금액", "잔액", "비율", "확정", "순번"};
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return QString::fromUtf8(names[section]);
        return QVariant();
    }

private:
    QList<QVariantList> m_rows;
};

// Answers the save dialog with a file and "no" to opening it.
class BenchDialogs : public DialogService {
public:
    QString path;
    int message(QWidget*, const QString&, const QString&, int) override { return QMessageBox::No; }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override { return path; }
    bool openWithDesktop(const QString&) override { return true; }
};

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    constexpr int kRows = 65000;
    ResultModel model(kRows);
    QTemporaryDir dir;
    BenchDialogs dialogs;
    dialogs.path = dir.filePath(QStringLiteral("bench.xls"));
    DialogService::install(&dialogs);

    ModelExportSource source(&model);
    for (int c : {4, 5, 6, 7, 9})
        source.setFieldKind(c, ExportFieldKind::Numeric);
    QElapsedTimer timer;
    timer.start();
    const XlsExportResult result = ExportToXls(source, QStringLiteral("총계정원장"));
    const qint64 ms = timer.elapsed();
    DialogService::install(nullptr);
    if (result != XlsExportResult::Written) {
        std::printf("xls export failed (%d)\n", int(result));
        return 1;
    }
    std::printf("xls export: %d rows x 10 columns, %lld bytes, %lld ms (target < 1000 ms)\n", kRows,
                static_cast<long long>(QFileInfo(dialogs.path).size()), static_cast<long long>(ms));
    return 0;
}
