#include "PageFrame.h"

#include "Calendar.h"
#include "Session.h"
#include "Settings.h"
#include "Version.h"

#include <QCoreApplication>
#include <QFont>

#include <algorithm>

namespace crescendar {

namespace {

const QString kSerif = QStringLiteral("Times New Roman");
constexpr const char* kDegreeSign = "\xC2\xB0";
// The most characters a place name has in the header.
constexpr int kLocationNameLength = 40;

} // namespace

void InstallPrintFonts() {
    static const bool installed = [] {
        QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                                  QStringLiteral("Liberation Serif"));
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        return true;
    }();
    (void)installed;
}

PageFrame::PageFrame(PrintTarget& target, const TSettings& settings)
    : target_(target), location_(LocationLine(settings)) {
    InstallPrintFonts();
}

int PageFrame::P(double k) const {
    // The small addend keeps exact products such as 24.000 from truncating to 23.
    return static_cast<int>(PageWidth() * k / 1000.0 + 1e-9);
}

QString PageFrame::StampText() {
    // The home page is shipped with the program: a printed page names it rather than an
    // address on the web.
    return QCoreApplication::translate(
               "PageFrame", "Printed by Crescendar V%1 (home page: %2, installed with the program)")
        .arg(QStringLiteral(CRESCENDAR_VERSION), QStringLiteral("crescendar-home.htm"))
        .left(100);
}

QString PageFrame::TitleText(int month, int year) {
    return QString::fromStdString(CutText(LongMonthName(month) + " " + std::to_string(year), 20));
}

QString PageFrame::LocationLine(const TSettings& s) {
    // The place name is cut (to the 40 characters a place name may have), never the
    // coordinates, which are what the page is computed for.
    const QString place =
        QString::fromStdString(s.Location).trimmed().left(kLocationNameLength).trimmed();
    const auto arc = [](const std::string& deg, const std::string& min, const std::string& sec,
                        const char* side) {
        return QString::fromStdString(deg + kDegreeSign + " " + min + "' " + sec + "\" ") +
               QCoreApplication::translate("PageFrame", side);
    };
    const char* north = QT_TRANSLATE_NOOP("PageFrame", "North");
    const char* south = QT_TRANSLATE_NOOP("PageFrame", "South");
    const char* east = QT_TRANSLATE_NOOP("PageFrame", "East");
    const char* west = QT_TRANSLATE_NOOP("PageFrame", "West");
    const QString line =
        QCoreApplication::translate("PageFrame", "Latitude: %1,   Longitude: %2")
            .arg(arc(s.LatDeg, s.LatMin, s.LatSec, s.LatDir == TNorthSouth::South ? south : north),
                 arc(s.LongDeg, s.LongMin, s.LongSec, s.LongDir == TEastWest::West ? west : east))
            .trimmed();
    return place.isEmpty() ? line : place + QStringLiteral("     ") + line;
}

void PageFrame::Write(int x, int y, const QString& text) {
    GetCanvas().TextOut(x, y, text);
    texts_.push_back({x, y, text});
}

void PageFrame::PrintPageHeader(int month, int year) {
    Canvas& c = GetCanvas();
    const int w = PageWidth(), h = PageHeight();

    c.SetFontName(kSerif);
    c.SetFontStyle(fsRegular);
    c.SetFontSize(7);
    stampLine_ = StampText();
    footerMargin_ = 2 * c.TextHeight(stampLine_);

    c.SetPenColor(Qt::black);
    c.SetPenWidth(1);
    c.SetBrushStyle(BrushStyle::Solid);
    c.SetBrushColor(Qt::white);
    c.Rectangle(0, 0, (w / 7) * 7, h - footerMargin_);

    const QString title = TitleText(month, year);
    c.SetFontSize(24);
    c.SetFontStyle(fsBold);
    c.SetFontColor(Qt::black);
    Write((w - c.TextWidth(title)) / 2, 40, title);
    const int titleHeight = c.TextHeight(title);
    headerMargin_ = 3 * titleHeight;

    // 14 point, smaller when the line would not fit across the page.
    int size = 14;
    c.SetFontSize(size);
    while (size > 8 && c.TextWidth(location_) > w - 2 * P(10)) c.SetFontSize(--size);
    // Below the title: the title's top is 40 pixels at any resolution, so on a coarse page
    // four sevenths of the margin would reach into it.
    Write((w - c.TextWidth(location_)) / 2, std::max(4 * headerMargin_ / 7, 40 + titleHeight),
          location_);
    c.SetFontSize(14);
}

void PageFrame::PrintPageFooter() {
    Canvas& c = GetCanvas();
    c.SetFontName(kSerif);
    c.SetFontSize(7);
    c.SetFontStyle(fsItalic);
    c.SetFontColor(Qt::black);
    Write((PageWidth() - c.TextWidth(stampLine_)) / 2,
          PageHeight() - static_cast<int>(footerMargin_ * 0.75), stampLine_);
    c.SetFontStyle(fsRegular);
}

// ----- the landscape job ----------------------------------------------------------------

LandscapeJob::LandscapeJob(PrintTarget& target, const QString& title)
    : target_(target), saved_(target.Orientation()) {
    target_.SetOrientation(PageOrientation::Landscape);
    started_ = target_.BeginDoc(title);
    if (!started_) target_.SetOrientation(saved_);
}

LandscapeJob::~LandscapeJob() {
    Finish();
}

bool LandscapeJob::Finish() {
    if (!started_ || finished_) return false;
    finished_ = true;
    const bool ok = target_.EndDoc();
    target_.SetOrientation(saved_);
    return ok;
}

} // namespace crescendar
