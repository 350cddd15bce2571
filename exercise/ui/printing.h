#pragma once
// Printing on paper and into PDF files: a print job laid out for the device it goes to
// and drawn there, and the print preview every print opens first, from which the
// teacher prints or saves a PDF.

#include "exercise/core/printlayout.h"
#include "exercise/ui/lazyfiledialog.h"

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPrintPreviewDialog>
#include <QSize>
#include <QString>
#include <functional>

class QAction;
class QPageLayout;
class QPagedPaintDevice;
class QPaintDevice;
class QPrintPreviewWidget;
class QPrinter;

namespace printing {

// The pages of a print for a device: its printable area in device pixels and the print
// font measured on it.
using Layout = std::function<QList<printlayout::Page>(QSize pageSize,
                                                      const printlayout::TextMetrics &metrics)>;

struct PrintJob {
    // The document's name in the print queue, the PDF and the preview's caption.
    QString title;
    // The name a PDF of it is offered under.
    QString fileName;
    // Set in points, so that it prints at the same size on every device.
    QFont font;
    Layout layout;
    // What the pages' pictures show, by number.
    QList<QImage> pictures = {};
};

// `font` as printed on `device`.
printlayout::TextMetrics measure(const QFont &font, QPaintDevice *device);

// The job's pages as laid out for `device`.
QList<printlayout::Page> layOut(const PrintJob &job, QPaintDevice *device);

// Lays the job out for `device` and draws it there in black, one device page per page.
// False when the device could not be printed on.
bool print(QPagedPaintDevice *device, const PrintJob &job);

// The job as PDF file contents, on pages as `pageLayout` gives them.
QByteArray pdf(const PrintJob &job, const QPageLayout &pageLayout, int resolution);

// The print preview: the job as it will come out of `printer`. "Drucken..." prints it
// after the print dialog (or says that no printer is set up), "Als PDF speichern..."
// writes it into a PDF file; either closes the preview when it succeeds.
class Druckvorschau : public QPrintPreviewDialog {
    Q_OBJECT
public:
    Druckvorschau(PrintJob job, QPrinter *printer, QWidget *parent = nullptr);

    const PrintJob &job() const { return m_job; }
    QAction *printAction() const { return m_printAction; }
    QAction *pdfAction() const { return m_pdfAction; }
    QPrintPreviewWidget *preview() const { return m_preview; }

    // Writes the job as a PDF into `path`; a file error is reported, false.
    bool savePdf(const QString &path);

private:
    void paint(QPrinter *printer);
    void drucken();
    void alsPdfSpeichern();

    PrintJob m_job;
    QPrintPreviewWidget *m_preview = nullptr;
    QAction *m_printAction = nullptr;
    QAction *m_pdfAction = nullptr;
    LazyFileDialog m_pdfDialog{this, QStringLiteral("PdfDialog")};
    bool m_painted = false;
};

} // namespace printing
