#include "PrintTarget.h"

#include "Dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include <cmath>

namespace crescendar {

PrintTarget::~PrintTarget() = default;

namespace {

void PreparePainter(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
}

} // namespace

// ----- pages as images ------------------------------------------------------------------

ImagePrintTarget::ImagePrintTarget(int paperWidth, int paperHeight, int dotsPerInch)
    : paperWidth_(paperWidth), paperHeight_(paperHeight), dpi_(dotsPerInch > 0 ? dotsPerInch : 96) {
}

ImagePrintTarget::~ImagePrintTarget() {
    if (painter_) painter_->end();
}

int ImagePrintTarget::PageWidth() const {
    return orientation_ == PageOrientation::Portrait ? paperWidth_ : paperHeight_;
}

int ImagePrintTarget::PageHeight() const {
    return orientation_ == PageOrientation::Portrait ? paperHeight_ : paperWidth_;
}

void ImagePrintTarget::SetOrientation(PageOrientation orientation) {
    if (!printing_) orientation_ = orientation;
}

void ImagePrintTarget::StartPage() {
    QImage page(PageWidth(), PageHeight(), QImage::Format_RGB32);
    page.fill(Qt::white);
    const int dotsPerMeter = static_cast<int>(std::lround(dpi_ / 0.0254));
    page.setDotsPerMeterX(dotsPerMeter);
    page.setDotsPerMeterY(dotsPerMeter);
    pages_.push_back(std::move(page));
    painter_->begin(&pages_.back());
    PreparePainter(*painter_);
    canvas_.SetPainter(painter_.get());
}

bool ImagePrintTarget::BeginDoc(const QString& title) {
    if (printing_ || PageWidth() <= 0 || PageHeight() <= 0) return false;
    title_ = title;
    pages_.clear();
    painter_ = std::make_unique<QPainter>();
    StartPage();
    printing_ = true;
    return true;
}

void ImagePrintTarget::NewPage() {
    if (!printing_) return;
    // The painter must let go of the page before the list of pages may grow.
    painter_->end();
    StartPage();
}

bool ImagePrintTarget::EndDoc() {
    if (!printing_) return false;
    painter_->end();
    painter_.reset();
    canvas_.SetPainter(nullptr);
    printing_ = false;
    ++ended_;
    return true;
}

// ----- the system printer, or a PDF file ------------------------------------------------

namespace {

// The default printer, else any printer; a null one when the system has none.
QPrinterInfo FindPrinter() {
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
        if (!all.isEmpty()) info = all.first();
    }
    return info;
}

// A file name proposed from a document title: no folder separators.
QString ProposedFileName(const QString& title) {
    QString name = title.trimmed();
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    name.replace(QLatin1Char('\\'), QLatin1Char('-'));
    if (name.isEmpty()) name = QStringLiteral("Crescendar");
    return name + QStringLiteral(".pdf");
}

QString DocumentsFolder() {
    const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !docs.isEmpty() && QDir(docs).exists() ? docs : QDir::homePath();
}

} // namespace

SystemPrintTarget::SystemPrintTarget(QWidget* dialogParent) : parent_(dialogParent) {
    const QPrinterInfo info = FindPrinter();
    hasPrinter_ = !info.isNull();
    if (hasPrinter_) {
        printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    } else {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    }
    printer_->setResolution(kResolution);
}

SystemPrintTarget::~SystemPrintTarget() {
    if (painter_) painter_->end();
}

QString SystemPrintTarget::PrinterName() const {
    return hasPrinter_ ? printer_->printerName() : QString();
}

int SystemPrintTarget::PageWidth() const {
    return printer_->width();
}

int SystemPrintTarget::PageHeight() const {
    return printer_->height();
}

PageOrientation SystemPrintTarget::Orientation() const {
    return printer_->pageLayout().orientation() == QPageLayout::Landscape
               ? PageOrientation::Landscape
               : PageOrientation::Portrait;
}

void SystemPrintTarget::SetOrientation(PageOrientation orientation) {
    if (printing_) return;
    printer_->setPageOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                           : QPageLayout::Portrait);
}

bool SystemPrintTarget::BeginDoc(const QString& title) {
    if (printing_) return false;
    fileName_.clear();
    printer_->setDocName(title);
    if (!hasPrinter_) {
        // No printer: the page goes to a PDF file of the user's choice.
        QString name = SaveFileName(parent_, DocumentsFolder(), ProposedFileName(title),
                                    QStringLiteral("PDF documents (*.pdf)"));
        if (name.isEmpty()) return false;
        if (QFileInfo(name).suffix().isEmpty()) name += QStringLiteral(".pdf");
        printer_->setOutputFileName(name);
        fileName_ = name;
    }
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get())) {
        painter_.reset();
        ShowMessage(
            hasPrinter_
                ? QStringLiteral("The printer %1 could not be opened.").arg(printer_->printerName())
                : QStringLiteral("The file %1 could not be written.")
                      .arg(QDir::toNativeSeparators(fileName_)),
            parent_);
        fileName_.clear();
        return false;
    }
    PreparePainter(*painter_);
    canvas_.SetPainter(painter_.get());
    printing_ = true;
    return true;
}

void SystemPrintTarget::NewPage() {
    if (printing_) printer_->newPage();
}

bool SystemPrintTarget::EndDoc() {
    if (!printing_) return false;
    const bool ended = painter_->end();
    painter_.reset();
    canvas_.SetPainter(nullptr);
    printing_ = false;
    const bool ok = ended && printer_->printerState() != QPrinter::Error &&
                    printer_->printerState() != QPrinter::Aborted;
    if (!ok) {
        ShowMessage(hasPrinter_ ? QStringLiteral("The page could not be sent to the printer %1.")
                                      .arg(printer_->printerName())
                                : QStringLiteral("The file %1 could not be written.")
                                      .arg(QDir::toNativeSeparators(fileName_)),
                    parent_);
        fileName_.clear();
    }
    return ok;
}

} // namespace crescendar
