#include "exercise/ui/printing.h"

#include "exercise/core/fileio.h"
#include "exercise/ui/messages.h"

#include <QAction>
#include <QBuffer>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace printing {

namespace {

bool paintPages(QPagedPaintDevice *device, const QFont &font, const QList<printlayout::Page> &pages,
                const QList<QImage> &pictures)
{
    QPainter painter;
    if (!painter.begin(device))
        return false;
    painter.setFont(font);
    const int ascent = painter.fontMetrics().ascent();
    // About a seventh of a millimetre: a fine frame that still shows on paper.
    QPen pen(Qt::black);
    pen.setWidth(std::max(1, device->width() / 1600));
    painter.setPen(pen);
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device->newPage())
            return false;
        for (const printlayout::PrintedLine &line : pages[i].lines)
            painter.drawLine(line.from, line.to);
        for (const printlayout::PrintedText &text : pages[i].texts)
            painter.drawText(text.position + QPoint(0, ascent), text.text);
        for (const printlayout::PrintedPicture &picture : pages[i].pictures) {
            if (picture.picture >= 0 && picture.picture < pictures.size())
                painter.drawImage(QRectF(picture.rect), pictures[picture.picture]);
        }
    }
    return painter.end();
}

} // namespace

printlayout::TextMetrics measure(const QFont &font, QPaintDevice *device)
{
    const QFontMetrics metrics(font, device);
    return {[metrics](QStringView text) { return metrics.horizontalAdvance(text.toString()); },
            metrics.height()};
}

QList<printlayout::Page> layOut(const PrintJob &job, QPaintDevice *device)
{
    if (!job.layout)
        return {printlayout::Page()};
    return job.layout(QSize(device->width(), device->height()), measure(job.font, device));
}

bool print(QPagedPaintDevice *device, const PrintJob &job)
{
    return paintPages(device, job.font, layOut(job, device), job.pictures);
}

QByteArray pdf(const PrintJob &job, const QPageLayout &pageLayout, int resolution)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(resolution);
        writer.setPageLayout(pageLayout);
        writer.setTitle(job.title);
        writer.setCreator(applicationTitle());
        if (!print(&writer, job))
            return {};
    }
    return buffer.data();
}

Druckvorschau::Druckvorschau(PrintJob job, QPrinter *printer, QWidget *parent)
    : QPrintPreviewDialog(printer, parent), m_job(std::move(job))
{
    setObjectName(u"Druckvorschau"_s);
    setWindowTitle(u"Druckvorschau: "_s + m_job.title);
    m_pdfDialog.configure([fileName = m_job.fileName](QFileDialog *dialog) {
        dialog->setWindowTitle(u"Als PDF speichern"_s);
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
        dialog->setNameFilter(u"PDF-Datei (*.pdf)"_s);
        dialog->setDefaultSuffix(u"pdf"_s);
        dialog->resize(760, 480);
        dialog->selectFile(fileName);
    });
    printer->setDocName(m_job.title);
    m_preview = findChild<QPrintPreviewWidget *>();
    connect(this, &QPrintPreviewDialog::paintRequested, this, &Druckvorschau::paint);

    // The dialog's own print command is taken over: it must say when there is no printer
    // and report a print that failed.
    auto *toolBar = findChild<QToolBar *>();
    const QString printText = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction *action : findChildren<QAction *>()) {
        if (action->text() == printText)
            m_printAction = action;
    }
    if (m_printAction) {
        disconnect(m_printAction, nullptr, this, nullptr);
    } else {
        m_printAction = new QAction(this);
    }
    m_printAction->setObjectName(u"Drucken"_s);
    m_printAction->setText(u"Drucken..."_s);
    m_printAction->setToolTip(u"Drucken"_s);
    connect(m_printAction, &QAction::triggered, this, &Druckvorschau::drucken);

    m_pdfAction = new QAction(style()->standardIcon(QStyle::SP_DialogSaveButton),
                              u"Als PDF speichern..."_s, this);
    m_pdfAction->setObjectName(u"AlsPdfSpeichern"_s);
    m_pdfAction->setToolTip(u"Als PDF-Datei speichern"_s);
    connect(m_pdfAction, &QAction::triggered, this, &Druckvorschau::alsPdfSpeichern);
    if (toolBar) {
        // The two commands the preview is for come first, named and not only drawn, so
        // that a narrow window does not hide them behind the tool bar's overflow.
        QAction *first = toolBar->actions().value(0);
        for (QAction *action : {m_printAction, m_pdfAction}) {
            toolBar->insertAction(first, action);
            if (auto *button = qobject_cast<QToolButton *>(toolBar->widgetForAction(action)))
                button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        }
        toolBar->insertSeparator(first);
    }

    QSize size(1000, 760);
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.95);
    resize(size);
}

void Druckvorschau::paint(QPrinter *printer)
{
    m_painted = print(printer, m_job);
}

void Druckvorschau::drucken()
{
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        showWarning(this, u"Es ist kein Drucker eingerichtet, der Text kann nicht gedruckt "
                          "werden.\n\nMit „Als PDF speichern...“ lässt er sich als PDF-Datei "
                          "speichern und später drucken."_s);
        return;
    }
    QPrintDialog dialog(printer(), this);
    dialog.setWindowTitle(u"Drucken"_s);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_painted = false;
    m_preview->print();
    if (!m_painted || printer()->printerState() == QPrinter::Error) {
        showError(this, u"Der Text konnte nicht gedruckt werden: der Drucker hat den Auftrag "
                        "nicht angenommen."_s);
        return;
    }
    accept();
}

void Druckvorschau::alsPdfSpeichern()
{
    if (m_pdfDialog->exec() != QDialog::Accepted || m_pdfDialog->selectedFiles().isEmpty())
        return;
    if (savePdf(m_pdfDialog->selectedFiles().constFirst()))
        accept();
}

bool Druckvorschau::savePdf(const QString &path)
{
    const QByteArray bytes = pdf(m_job, printer()->pageLayout(), printer()->resolution());
    if (bytes.isEmpty()) {
        showError(this, u"Die PDF-Datei konnte nicht erzeugt werden."_s);
        return false;
    }
    const WriteResult written = writeFileAtomically(path, bytes);
    if (!written.ok())
        showWriteError(this, written, WrittenFile::Picture);
    return written.ok();
}

} // namespace printing
