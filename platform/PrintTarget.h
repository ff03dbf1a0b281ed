// Where printed pages go: the page size in printer pixels, the orientation, a document of
// pages and a canvas that draws on the current page.
//
// Sizes are those of the printable area of the current orientation. Drawing happens between
// BeginDoc and EndDoc; the orientation is chosen before BeginDoc.
#pragma once

#include "Canvas.h"

#include <QImage>
#include <QPageLayout>
#include <QPrinterInfo>
#include <QString>

#include <memory>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QPdfWriter;
class QPrinter;
class QWidget;

namespace crescendar {

class AtomicFile;

enum class PageOrientation { Portrait, Landscape };

class PrintTarget {
  public:
    PrintTarget() = default;
    virtual ~PrintTarget();
    PrintTarget(const PrintTarget&) = delete;
    PrintTarget& operator=(const PrintTarget&) = delete;

    virtual int PageWidth() const = 0;
    virtual int PageHeight() const = 0;
    virtual PageOrientation Orientation() const = 0;
    // Ignored while a document is open.
    virtual void SetOrientation(PageOrientation orientation) = 0;

    // Starts a document; title names the job (and proposes the file name where the pages go
    // to a file). False when no document was started (cancelled, or the printer or the file
    // could not be opened): nothing is to be drawn then.
    [[nodiscard]] virtual bool BeginDoc(const QString& title) = 0;
    // Ends the current page and starts another.
    virtual void NewPage() = 0;
    // Finishes the document; false when it could not be completed (nothing was printed and
    // no partial file is left behind).
    [[nodiscard]] virtual bool EndDoc() = 0;
    bool Printing() const { return printing_; }
    // Why the last document was not printed, in plain words; "" when it was printed or the
    // user cancelled it.
    QString ErrorText() const { return error_; }

    // Draws on the current page (only while a document is open).
    Canvas& GetCanvas() { return canvas_; }

  protected:
    Canvas canvas_;
    bool printing_ = false;
    QString error_;
};

// Tells the user, over parent, that what ("The calendar") was not printed and why, when the
// last document of target failed; says nothing after a success or a cancelled job.
void ReportPrintFailure(const PrintTarget& target, const QString& what, QWidget* parent);

// Pages rendered to images, white, at a given resolution (tests and previews). The paper
// size is given upright in pixels; landscape pages are the same paper turned.
class ImagePrintTarget : public PrintTarget {
  public:
    ImagePrintTarget(int paperWidth, int paperHeight, int dotsPerInch);
    ~ImagePrintTarget() override;

    int PageWidth() const override;
    int PageHeight() const override;
    PageOrientation Orientation() const override { return orientation_; }
    void SetOrientation(PageOrientation orientation) override;
    bool BeginDoc(const QString& title) override;
    void NewPage() override;
    bool EndDoc() override;

    // The pages of the last document (of the one being drawn while it is open).
    const std::vector<QImage>& Pages() const { return pages_; }
    QString Title() const { return title_; }
    int DocumentsEnded() const { return ended_; }

  private:
    void StartPage();

    int paperWidth_, paperHeight_, dpi_;
    PageOrientation orientation_ = PageOrientation::Portrait;
    std::vector<QImage> pages_;
    std::unique_ptr<QPainter> painter_;
    QString title_;
    int ended_ = 0;
};

// The system's default printer; on a system without any printer, a PDF file whose name the
// user chooses in a save dialog. The page layout (the orientation) lasts as long as the
// object, so one is kept for the program's lifetime; each document gets a printer object of
// its own, so that a failed job cannot spoil the next one. A PDF file is written all or
// nothing (AtomicFile): a failed job leaves no broken file and keeps an older one intact.
class SystemPrintTarget : public PrintTarget {
  public:
    // Pages are laid out at this many printer pixels per inch: text and lines stay sharp
    // (they are sent as outlines), pictures are rendered at this resolution.
    static constexpr int kResolution = 300;

    enum class Destination {
        DefaultPrinter, // the system's printer when there is one, else a PDF file
        PdfFile,        // always a PDF file
    };

    // dialogParent: the window over which the save dialog appears.
    explicit SystemPrintTarget(QWidget* dialogParent = nullptr,
                               Destination destination = Destination::DefaultPrinter);
    ~SystemPrintTarget() override;

    // True when a printer was found; otherwise documents are written as PDF files.
    bool HasPrinter() const { return hasPrinter_; }
    QString PrinterName() const;
    // The PDF file of the last document ("" when it went to a printer or was cancelled).
    QString OutputFileName() const { return fileName_; }

    int PageWidth() const override;
    int PageHeight() const override;
    PageOrientation Orientation() const override;
    void SetOrientation(PageOrientation orientation) override;
    bool BeginDoc(const QString& title) override;
    void NewPage() override;
    bool EndDoc() override;

  private:
    // Ends the current job's devices without keeping anything.
    void DropJob();

    QWidget* parent_;
    QPrinterInfo printerInfo_;
    QPageLayout layout_;
    bool hasPrinter_ = false;
    QString fileName_;

    // The current document's devices, made afresh for each one.
    std::unique_ptr<QPrinter> jobPrinter_;
    std::unique_ptr<AtomicFile> jobFile_;
    std::unique_ptr<QPdfWriter> jobPdf_;
    QPagedPaintDevice* jobDevice_ = nullptr;
    std::unique_ptr<QPainter> painter_;
    bool pageFailed_ = false;
};

} // namespace crescendar
