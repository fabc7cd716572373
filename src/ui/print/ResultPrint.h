#pragma once
// 打印 and 打印预览 of the result: a header of the scheme, the date, the count and the
// notes of the conditions, then the numbers in as many columns as the page holds at a
// readable size, the page number at the foot of every page. PDF through the same dialog.

class QPageLayout;
class QPrinter;
class QString;
class QWidget;

namespace shrink4 {

struct ResultReport;

// Paints every page of the report on printer (its page size, margins and output as set); a
// PDF file replaces the file named whole or not at all. False when the printer could not be
// opened or the PDF not written; *reason then says why in Chinese (empty for a printer).
bool renderResult(QPrinter& printer, const ResultReport& report, QString* reason = nullptr);

// The report as a PDF file at path, written whole or not at all; *reason says why not.
bool writeResultPdf(const QString& path, const QPageLayout& layout, int resolution, const ResultReport& report,
                    QString* reason);

// The system's print dialog, then the pages; where the system has no printer for that
// dialog, the offer of a PDF instead.
void printResult(QWidget* parent, const ResultReport& report);
// The pages saved as a PDF file the player names, said done or failed.
void savePdf(QWidget* parent, const ResultReport& report);
// The pages as they will print, with the way to print them.
void previewResult(QWidget* parent, const ResultReport& report);

} // namespace shrink4
