#include "fReportMenu.h"

#include "Access.h"
#include "Command.h"
#include "WindowKeys.h"

#include "Session.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QShowEvent>
#include <QTimer>

namespace crescendar {

// ----- popup behaviour ------------------------------------------------------------------

// A popup is no child of the main window (it would not lose the focus to it), but it goes
// with it.
TPopupMenu::TPopupMenu(QWidget& owner) : TransientWindow(owner, Ownership::Separate) {}

ImageControl* TPopupMenu::AddStrip(const QImage& column, int row, const QString& name,
                                   const QString& title) {
    return AddEntry(CopyPart(column, QRect(0, row * kStripHeight, kStripWidth, kStripHeight)), row,
                    name, title);
}

Caption TPopupMenu::MenuCaption(const QString& text, const QRect& room, int pixelSize) {
    return ShadowedCaption(text, room, SkinSansFont(pixelSize, true), QColor(232, 238, 250),
                           QColor(0, 0, 0, 200));
}

ImageControl* TPopupMenu::AddEntry(const QImage& strip, int row, const QString& name,
                                   const QString& title) {
    QImage picture = strip;
    if (!title.isEmpty()) {
        Caption caption = MenuCaption(title, QRect(46, 0, kStripWidth - 50, kStripHeight), 12);
        picture = WithCaptions(strip, {caption});
        caption.Room.translate(0, row * kStripHeight);
        ListCaption(caption);
    }
    auto* entry = new ImageControl(this, 0, row * kStripHeight, picture, kStripWidth, kStripHeight);
    entry->setObjectName(name);
    return entry;
}

void TPopupMenu::PointAt(ImageControl* arrow, const QWidget* entry) {
    arrow->move(arrow->x(), entry->y());
    arrow->show();
}

void TPopupMenu::PlaceBelowRegion(const QWidget& region) {
    PlaceBelow(owner_, region);
}

bool TPopupMenu::FormKeyPress(QKeyEvent* e) {
    QWidget* entry = nullptr;
    if (!MoveEntryFocus(this, e, &entry)) return false;
    if (keyArrow_ && entry) PointAt(keyArrow_, entry);
    return true;
}

void TPopupMenu::showEvent(QShowEvent* e) {
    TransientWindow::showEvent(e);
    // A popup opens with no entry marked, whatever the keys marked when it was last open.
    QFocusEvent unmark(QEvent::FocusOut, Qt::OtherFocusReason);
    for (QWidget* entry : findChildren<QWidget*>()) NoteFocus(entry, &unmark);
    // Take the focus once the window is on the screen, so that losing it closes the popup.
    QTimer::singleShot(0, this, [this] {
        if (isVisible()) activateWindow();
    });
}

// ----- report menu ----------------------------------------------------------------------

namespace {

// The strip of the calendar export, made from another entry's strip: its ground (which
// shades from top to bottom only) with a calendar leaf. The model may have two device pixels
// to the pixel.
QImage CalendarExportStrip(const QImage& model) {
    QImage strip = model.convertToFormat(QImage::Format_ARGB32);
    if (strip.isNull()) return strip;
    const int scale = strip.devicePixelRatio() > 1.0 ? 2 : 1;
    const int ground = strip.width() - 4 * scale;
    for (int y = 0; y < strip.height(); ++y) {
        const QRgb c = strip.pixel(ground, y);
        for (int x = 20 * scale; x < ground; ++x) strip.setPixel(x, y, c);
    }
    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing);
    // A calendar leaf of 14 x 15 where the other entries have their icons.
    const QRectF leaf(24.5, 3.5, 14, 14);
    p.setPen(QPen(QColor(12, 18, 40), 1));
    p.setBrush(QColor(246, 248, 252));
    p.drawRoundedRect(leaf, 1.5, 1.5);
    p.setBrush(QColor(200, 60, 60));
    p.drawRect(QRectF(leaf.left(), leaf.top(), leaf.width(), 4));
    p.setPen(QPen(QColor(120, 136, 170), 0.8));
    for (int i = 1; i < 3; ++i)
        p.drawLine(QPointF(leaf.left() + i * 14.0 / 3, leaf.top() + 5),
                   QPointF(leaf.left() + i * 14.0 / 3, leaf.bottom()));
    p.drawLine(QPointF(leaf.left(), leaf.top() + 9.5), QPointF(leaf.right(), leaf.top() + 9.5));
    return strip;
}

} // namespace

TReportMenu::TReportMenu(TSession& session, QWidget& owner, const QWidget& anchor,
                         TReportMenuHooks hooks)
    : TPopupMenu(owner), Hooks(std::move(hooks)), session_(session), anchor_(anchor) {
    setObjectName(QStringLiteral("ReportMenu"));
    setWindowTitle(tr("Reports"));
    SetClientSize(kStripWidth, 6 * kStripHeight);

    const QImage column = LoadPicture(QStringLiteral(":/menus/report_menu.png"), this);
    imgLunarVisibility = AddStrip(column, 0, QStringLiteral("imgLunarVisibility"),
                                  tr("Observing Aid: Lunar Visibility"));
    imgFindEclipses =
        AddStrip(column, 1, QStringLiteral("imgFindEclipses"), tr("Find Lunar Eclipses"));
    imgDisplayPhases =
        AddStrip(column, 2, QStringLiteral("imgDisplayPhases"), tr("Monthly Phases of the Moon"));
    imgEquinoxInfo =
        AddStrip(column, 3, QStringLiteral("imgEquinoxInfo"), tr("Equinoxes and Solstices"));
    imgEaster = AddStrip(column, 4, QStringLiteral("imgEaster"), tr("Easter Dates"));
    imgCalendarExport =
        AddEntry(CalendarExportStrip(
                     CopyPart(column, QRect(0, 4 * kStripHeight, kStripWidth, kStripHeight))),
                 5, QStringLiteral("imgCalendarExport"), tr("Export to Calendar\u2026"));

    // The arrow lets the pointer through to the entry beneath it.
    imgArrow =
        new ImageControl(this, kArrowLeft, 0,
                         LoadPicture(QStringLiteral(":/menus/arrow.png"), this), 12, kStripHeight);
    imgArrow->setObjectName(QStringLiteral("imgArrow"));
    imgArrow->setAttribute(Qt::WA_TransparentForMouseEvents);
    imgArrow->hide();

    for (ImageControl* entry : {imgLunarVisibility, imgFindEclipses, imgDisplayPhases,
                                imgEquinoxInfo, imgEaster, imgCalendarExport})
        connect(entry, &ClickRegion::MouseMove, this,
                [this, entry](Qt::MouseButtons, QPoint) { EntryMouseMove(entry); });
    keyArrow_ = imgArrow;
    // Each entry offers the command that opens its report, also by its letter.
    const auto letter = [](Qt::Key key) { return QList<QKeySequence>{QKeySequence(key)}; };
    OfferCommand(imgLunarVisibility,
                 MakeCommand(this, "actObservingAid", tr("Lunar visibility"), letter(Qt::Key_V),
                             tr("Chart when the Moon is up through the month"),
                             [this] { imgLunarVisibilityClick(); }));
    OfferCommand(imgFindEclipses,
                 MakeCommand(this, "actEclipseReport", tr("Find eclipses"), letter(Qt::Key_F),
                             tr("Find the lunar eclipses between two years"),
                             [this] { imgFindEclipsesClick(); }));
    OfferCommand(imgDisplayPhases,
                 MakeCommand(this, "actMonthlyPhases", tr("Display phases"), letter(Qt::Key_P),
                             tr("Show the Moon's phase on every day of the month"),
                             [this] { imgDisplayPhasesClick(); }));
    OfferCommand(imgEquinoxInfo,
                 MakeCommand(this, "actEquinoxes", tr("Equinoxes and solstices"), letter(Qt::Key_Q),
                             tr("Show the year's equinoxes and solstices"),
                             [this] { imgEquinoxInfoClick(); }));
    OfferCommand(imgEaster,
                 MakeCommand(this, "actEaster", tr("Easter"), letter(Qt::Key_E),
                             tr("Show the date of Easter"), [this] { imgEasterClick(); }));
    OfferCommand(imgCalendarExport,
                 MakeCommand(this, "actCalendarExport", tr("Calendar export"), letter(Qt::Key_C),
                             tr("Save the Moon's events of some years as a calendar file"),
                             [this] { imgCalendarExportClick(); }));
}

void TReportMenu::FormShow() {
    PlaceBelowRegion(anchor_);
    imgArrow->move(kArrowLeft, imgArrow->y());
}

void TReportMenu::EntryMouseMove(ImageControl* entry) {
    PointAt(imgArrow, entry);
}

void TReportMenu::Choose(const std::function<void()>& action) {
    close();
    if (action) action();
}

void TReportMenu::imgLunarVisibilityClick() {
    Choose(Hooks.ShowObservingAid);
}

void TReportMenu::imgFindEclipsesClick() {
    Choose(Hooks.ShowEclipseReport);
}

void TReportMenu::imgDisplayPhasesClick() {
    Choose(Hooks.ShowMonthlyPhases);
}

void TReportMenu::imgEquinoxInfoClick() {
    const std::uint16_t year = session_.SelectedDateTime().Year;
    Choose([this, year] {
        if (Hooks.ShowEquinoxes) Hooks.ShowEquinoxes(year);
    });
}

void TReportMenu::imgEasterClick() {
    Choose(Hooks.ShowEaster);
}

void TReportMenu::imgCalendarExportClick() {
    Choose(Hooks.ShowCalendarExport);
}

} // namespace crescendar
