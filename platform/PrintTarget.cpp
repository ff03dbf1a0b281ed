#include "PrintTarget.h"

#include "AtomicFile.h"
#include "Dialogs.h"
#include "Palette.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
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
    page.fill(palette::Paper);
    const int dotsPerMeter = static_cast<int>(std::lround(dpi_ / 0.0254));
    page.setDotsPerMeterX(dotsPerMeter);
    page.setDotsPerMeterY(dotsPerMeter);
    pages_.push_back(std::move(page));
    painter_->begin(&pages_.back());
    PreparePainter(*painter_);
    canvas_.SetPainter(painter_.get());
}

bool ImagePrintTarget::BeginDoc(const QString& title) {
    if (printing_) return false;
    error_.clear();
    if (PageWidth() <= 0 || PageHeight() <= 0) {
        error_ = QCoreApplication::translate("PrintTarget", "the page has no size");
        return false;
    }
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

SystemPrintTarget::SystemPrintTarget(QWidget* dialogParent, Destination destination)
    : parent_(dialogParent) {
    if (destination == Destination::DefaultPrinter) printerInfo_ = FindPrinter();
    hasPrinter_ = !printerInfo_.isNull();
    // The layout is that of the printer, or the locale's paper for a PDF file.
    if (hasPrinter_) {
        const QPrinter printer(printerInfo_, QPrinter::HighResolution);
        layout_ = printer.pageLayout();
    } else {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        layout_ = printer.pageLayout();
    }
}

SystemPrintTarget::~SystemPrintTarget() {
    DropJob();
}

QString SystemPrintTarget::PrinterName() const {
    return hasPrinter_ ? printerInfo_.printerName() : QString();
}

int SystemPrintTarget::PageWidth() const {
    return jobDevice_ ? jobDevice_->width() : layout_.paintRectPixels(kResolution).width();
}

int SystemPrintTarget::PageHeight() const {
    return jobDevice_ ? jobDevice_->height() : layout_.paintRectPixels(kResolution).height();
}

PageOrientation SystemPrintTarget::Orientation() const {
    return layout_.orientation() == QPageLayout::Landscape ? PageOrientation::Landscape
                                                           : PageOrientation::Portrait;
}

void SystemPrintTarget::SetOrientation(PageOrientation orientation) {
    if (printing_) return;
    layout_.setOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                     : QPageLayout::Portrait);
}

void SystemPrintTarget::DropJob() {
    if (painter_ && painter_->isActive()) painter_->end();
    painter_.reset();
    canvas_.SetPainter(nullptr);
    printing_ = false;
    jobDevice_ = nullptr;
    jobPdf_.reset();  // before the file it writes to
    jobFile_.reset(); // an uncommitted file is discarded
    jobPrinter_.reset();
    pageFailed_ = false;
}

bool SystemPrintTarget::BeginDoc(const QString& title) {
    if (printing_) return false;
    error_.clear();
    fileName_.clear();
    if (hasPrinter_) {
        jobPrinter_ = std::make_unique<QPrinter>(printerInfo_, QPrinter::HighResolution);
        jobPrinter_->setResolution(kResolution);
        if (!jobPrinter_->setPageLayout(layout_))
            jobPrinter_->setPageOrientation(layout_.orientation());
        jobPrinter_->setDocName(title);
        jobDevice_ = jobPrinter_.get();
    } else {
        // No printer: the page goes to a PDF file of the user's choice.
        QString name =
            SaveFileName(parent_, DocumentsFolder(), ProposedFileName(title),
                         QCoreApplication::translate("PrintTarget", "PDF documents (*.pdf)"));
        if (name.isEmpty()) return false; // cancelled: nothing to tell
        if (QFileInfo(name).suffix().isEmpty()) name += QStringLiteral(".pdf");
        jobFile_ = std::make_unique<AtomicFile>(name);
        if (!jobFile_->Open()) {
            error_ = jobFile_->Error();
            DropJob();
            return false;
        }
        jobPdf_ = std::make_unique<QPdfWriter>(jobFile_.get());
        jobPdf_->setResolution(kResolution);
        jobPdf_->setPageLayout(layout_);
        jobPdf_->setTitle(title);
        jobPdf_->setCreator(QStringLiteral("Crescendar"));
        jobDevice_ = jobPdf_.get();
    }
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(jobDevice_)) {
        error_ =
            hasPrinter_
                ? QCoreApplication::translate("PrintTarget", "the printer %1 could not be opened")
                      .arg(printerInfo_.printerName())
                : QCoreApplication::translate("PrintTarget", "the PDF file %1 could not be created")
                      .arg(QDir::toNativeSeparators(jobFile_->Path()));
        DropJob();
        return false;
    }
    PreparePainter(*painter_);
    canvas_.SetPainter(painter_.get());
    printing_ = true;
    return true;
}

void SystemPrintTarget::NewPage() {
    if (printing_ && !jobDevice_->newPage()) pageFailed_ = true;
}

bool SystemPrintTarget::EndDoc() {
    if (!printing_) return false;
    bool ok = painter_->end() && !pageFailed_;
    painter_.reset();
    canvas_.SetPainter(nullptr);
    printing_ = false;
    if (jobPrinter_) {
        ok = ok && jobPrinter_->printerState() != QPrinter::Error &&
             jobPrinter_->printerState() != QPrinter::Aborted;
        if (!ok)
            error_ = QCoreApplication::translate("PrintTarget",
                                                 "the page could not be sent to the printer %1")
                         .arg(printerInfo_.printerName());
    } else {
        jobPdf_.reset(); // the document is complete once the painter has ended
        if (!ok)
            jobFile_->Fail(
                QCoreApplication::translate("PrintTarget", "the page could not be drawn"));
        if (jobFile_->Commit()) {
            fileName_ = jobFile_->Path();
        } else {
            ok = false;
            error_ = jobFile_->Error();
        }
    }
    DropJob();
    return ok;
}

void ReportPrintFailure(const PrintTarget& target, const QString& what, QWidget* parent) {
    if (target.ErrorText().isEmpty()) return;
    ShowWarning(QCoreApplication::translate("PrintTarget", "%1 was not printed: %2.")
                    .arg(what, target.ErrorText()),
                parent);
}

} // namespace crescendar
