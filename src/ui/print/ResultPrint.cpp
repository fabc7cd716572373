#include "ResultPrint.h"

#include "ui/application/SchemeDialogs.h"

#include "scheme/WholeFileWrite.h"
#include "ui/print/ResultReport.h"
#include "ui/widgets/QtText.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>

#include <algorithm>

namespace shrink4 {

namespace {

constexpr int kNumberPoints = 12; // read at arm's length in a shop
constexpr int kTextPoints = 10;
constexpr int kTitlePoints = 13;
const QString kPrintCaption = QStringLiteral("打印");

QFont sized(int points, bool bold = false)
{
    QFont font = QApplication::font();
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

// How the numbers sit on a page: a row of cells the width of the page.
struct Grid {
    int columns = 1;
    int cellWidth = 0;
    int lineHeight = 0;
};

Grid gridFor(QPainter& painter, int width)
{
    painter.setFont(sized(kNumberPoints));
    const QFontMetrics metrics = painter.fontMetrics();
    Grid grid;
    grid.cellWidth = metrics.horizontalAdvance(QStringLiteral("00000")) + metrics.averageCharWidth() * 2;
    grid.columns = std::max(1, width / grid.cellWidth);
    grid.cellWidth = width / grid.columns; // the columns fill the page
    grid.lineHeight = metrics.lineSpacing() * 5 / 4;
    return grid;
}

// Paints the header at the top of area (or only measures it) and returns its height.
int header(QPainter& painter, const QRect& area, const ResultReport& report, bool firstPage, bool paint)
{
    painter.setFont(sized(kTitlePoints, true));
    QRect title = painter.boundingRect(area, Qt::TextWordWrap, reportTitle(report));
    if (paint)
        painter.drawText(title, Qt::TextWordWrap, reportTitle(report));
    int height = title.height();
    if (firstPage) {
        painter.setFont(sized(kTextPoints));
        const QRect notesArea = area.adjusted(0, height, 0, 0);
        const QRect notes = painter.boundingRect(notesArea, Qt::TextWordWrap, notesLine(report));
        if (paint)
            painter.drawText(notes, Qt::TextWordWrap, notesLine(report));
        height += notes.height();
    }
    height += painter.fontMetrics().height() / 2;
    if (paint)
        painter.drawLine(area.left(), area.top() + height - 2, area.right(), area.top() + height - 2);
    return height + painter.fontMetrics().height() / 2;
}

struct Layout {
    Grid grid;
    int footer = 0;
    int firstRows = 0; // rows of numbers on the first page
    int otherRows = 0;
    int pages = 1;
};

Layout layoutFor(QPainter& painter, const QRect& page, const ResultReport& report)
{
    Layout layout;
    painter.setFont(sized(kTextPoints));
    layout.footer = painter.fontMetrics().lineSpacing() * 2;
    layout.grid = gridFor(painter, page.width());
    const int body = page.height() - layout.footer;
    layout.firstRows = std::max(1, (body - header(painter, page, report, true, false)) / layout.grid.lineHeight);
    layout.otherRows = std::max(1, (body - header(painter, page, report, false, false)) / layout.grid.lineHeight);
    const int perPage = layout.grid.columns;
    const int rows = int((report.numbers.size() + std::size_t(perPage) - 1) / std::size_t(perPage));
    if (rows > layout.firstRows)
        layout.pages += (rows - layout.firstRows + layout.otherRows - 1) / layout.otherRows;
    return layout;
}

void footer(QPainter& painter, const QRect& page, int number, int pages)
{
    painter.setFont(sized(kTextPoints));
    painter.drawText(page, Qt::AlignHCenter | Qt::AlignBottom,
                     QStringLiteral("第 %1 页，共 %2 页").arg(number).arg(pages));
}

// Paints the rows of numbers from `first` on; returns the index after the last painted.
std::size_t numbers(QPainter& painter, const QRect& area, const Grid& grid, const ResultReport& report,
                    std::size_t first, int rows)
{
    painter.setFont(sized(kNumberPoints));
    std::size_t i = first;
    for (int row = 0; row < rows && i < report.numbers.size(); ++row)
        for (int column = 0; column < grid.columns && i < report.numbers.size(); ++column, ++i) {
            const QRect cell(area.left() + column * grid.cellWidth, area.top() + row * grid.lineHeight, grid.cellWidth,
                             grid.lineHeight);
            painter.drawText(cell, Qt::AlignCenter, fourDigits(report.numbers[i]));
        }
    return i;
}

void paintPages(QPagedPaintDevice& device, int resolution, QPainter& painter, const ResultReport& report)
{
    const QRect page(QPoint(0, 0), device.pageLayout().paintRectPixels(resolution).size());
    const Layout layout = layoutFor(painter, page, report);
    std::size_t next = 0;
    for (int number = 1; number <= layout.pages; ++number) {
        if (number > 1)
            device.newPage();
        const bool first = number == 1;
        const int top = header(painter, page, report, first, true);
        const QRect body = page.adjusted(0, top, 0, -layout.footer);
        next = numbers(painter, body, layout.grid, report, next, first ? layout.firstRows : layout.otherRows);
        footer(painter, page, number, layout.pages);
    }
}

void preparePrinter(QPrinter& printer, const ResultReport& report)
{
    printer.setDocName(QStringLiteral("缩水结果 - %1").arg(report.scheme));
}

// A PDF's reason names the file and says the old one is kept; a printer has no reason to give.
void reportFailure(QWidget* parent, const QString& reason = {})
{
    QMessageBox::warning(
        parent, kPrintCaption,
        reason.isEmpty() ? QStringLiteral("打印失败：无法打开打印机或写入文件，请检查打印机或文件位置。") : reason,
        QMessageBox::Ok);
}

void reportSaved(QWidget* parent, const QString& path)
{
    QMessageBox::information(parent, kPrintCaption,
                             QStringLiteral("已存为 PDF：\r\n%1").arg(QDir::toNativeSeparators(path)), QMessageBox::Ok);
}

bool printsToFile(const QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

// Where Windows has no printer at all, QPrinter falls back to PDF, which Qt's Windows print
// dialog refuses without a word; Qt's own dialog elsewhere writes the PDF itself.
bool dialogRefuses([[maybe_unused]] const QPrinter& printer)
{
#ifdef Q_OS_WIN
    return printer.outputFormat() != QPrinter::NativeFormat;
#else
    return false;
#endif
}

// As 导出结果 does: before a run, or after one that left nothing, there is no page to print.
bool nothingToPrint(QWidget* parent, const ResultReport& report)
{
    if (!report.numbers.empty())
        return false;
    QMessageBox::information(parent, kPrintCaption, QStringLiteral("没有可打印的号码，请先缩水。"), QMessageBox::Ok);
    return true;
}

bool pdfWanted(QWidget* parent)
{
    return QMessageBox::question(parent, kPrintCaption, QStringLiteral("没有找到打印机。要把结果存为 PDF 文件吗？"),
                                 QMessageBox::Save | QMessageBox::Cancel, QMessageBox::Save)
           == QMessageBox::Save;
}

} // namespace

bool renderPages(QPagedPaintDevice& device, int resolution, const ResultReport& report)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    paintPages(device, resolution, painter, report);
    return painter.end();
}

bool writeResultPdf(const QString& path, const QPageLayout& layout, int resolution, const ResultReport& report,
                    QString* reason)
{
    // Qt's PDF engine writes straight into the file it is given and reports no failed write:
    // painted into memory first, the pages replace the file whole or not at all.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(QStringLiteral("缩水结果 - ") + report.scheme);
        pdf.setCreator(QApplication::applicationName());
        pdf.setResolution(resolution);
        pdf.setPageLayout(layout);
        if (!renderPages(pdf, resolution, report)) {
            *reason = QStringLiteral("PDF 页面无法生成。");
            return false;
        }
    }
    QString why;
    if (writeWholeFile(path, buffer.data(), &why))
        return true;
    *reason = QStringLiteral("PDF 未能保存到 %1：%2\n原来的文件保持不变。").arg(QDir::toNativeSeparators(path), why);
    return false;
}

bool renderResult(QPrinter& printer, const ResultReport& report, QString* reason)
{
    QString why;
    const bool done = printsToFile(printer) ? writeResultPdf(printer.outputFileName(), printer.pageLayout(),
                                                             printer.resolution(), report, &why)
                                            : renderPages(printer, printer.resolution(), report);
    if (reason)
        *reason = why;
    return done;
}

void printResult(QWidget* parent, const ResultReport& report)
{
    if (nothingToPrint(parent, report))
        return;
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, report);
    if (dialogRefuses(printer)) {
        if (pdfWanted(parent))
            savePdf(parent, report);
        return;
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("打印缩水结果"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString reason;
    if (!renderResult(printer, report, &reason))
        reportFailure(parent, reason);
    else if (printsToFile(printer))
        reportSaved(parent, printer.outputFileName());
}

void savePdf(QWidget* parent, const ResultReport& report)
{
    const QString path =
        askSavePath(parent, QStringLiteral("把缩水结果存为 PDF"), QStringLiteral("缩水结果.pdf"),
                    QStringLiteral("PDF 文件 (*.pdf)"), QStringLiteral("pdf"), QStringLiteral("print_pdf_dialog"));
    if (path.isEmpty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, report);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QString reason;
    if (renderResult(printer, report, &reason))
        reportSaved(parent, path);
    else
        reportFailure(parent, reason);
}

void previewResult(QWidget* parent, const ResultReport& report)
{
    if (nothingToPrint(parent, report))
        return;
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, report);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QStringLiteral("打印预览"));
    // Qt's size shows a page at a third of print size, too small to read the numbers.
    if (const QScreen* screen = preview.screen())
        preview.resize(screen->availableGeometry().size() * 0.85);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&report, parent](QPrinter* p) {
        if (!renderResult(*p, report))
            reportFailure(parent);
    });
    preview.exec();
}

} // namespace shrink4
