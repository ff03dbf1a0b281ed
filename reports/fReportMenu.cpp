#include "fReportMenu.h"

#include "Session.h"

#include <QShowEvent>
#include <QTimer>

namespace crescendar {

// ----- popup behaviour ------------------------------------------------------------------

// A popup is no child of the main window (it would not lose the focus to it), but it goes
// with it.
TPopupMenu::TPopupMenu(QWidget& owner) : TransientWindow(owner, Ownership::Separate) {}

ImageControl* TPopupMenu::AddStrip(const QImage& column, int row, const QString& name) {
    const QImage strip = CopyPart(column, QRect(0, row * kStripHeight, kStripWidth, kStripHeight));
    auto* entry = new ImageControl(this, 0, row * kStripHeight, strip, kStripWidth, kStripHeight);
    entry->setObjectName(name);
    return entry;
}

void TPopupMenu::PointAt(ImageControl* arrow, const QWidget* entry) {
    arrow->move(arrow->x(), entry->y());
    arrow->show();
}

void TPopupMenu::PlaceBelowRegion(const QWidget& region) {
    move(owner_.x() + region.x(), owner_.y() + 40);
    KeepOnScreen();
}

void TPopupMenu::showEvent(QShowEvent* e) {
    TransientWindow::showEvent(e);
    // Take the focus once the window is on the screen, so that losing it closes the popup.
    QTimer::singleShot(0, this, [this] {
        if (isVisible()) activateWindow();
    });
}

// ----- report menu ----------------------------------------------------------------------

namespace {

// Connects an entry's left click and its pointer moves.
template <class F> void OnClick(ClickRegion* region, F handler) {
    QObject::connect(region, &ClickRegion::Clicked, region, [handler](Qt::MouseButton b) {
        if (b == Qt::LeftButton) handler();
    });
}

} // namespace

TReportMenu::TReportMenu(TSession& session, QWidget& owner, const QWidget& anchor,
                         TReportMenuHooks hooks)
    : TPopupMenu(owner), Hooks(std::move(hooks)), session_(session), anchor_(anchor) {
    setObjectName(QStringLiteral("ReportMenu"));
    setWindowTitle(QStringLiteral("Reports"));
    SetClientSize(kStripWidth, 5 * kStripHeight);

    const QImage column = LoadPicture(QStringLiteral(":/menus/report_menu.png"), this);
    imgLunarVisibility = AddStrip(column, 0, QStringLiteral("imgLunarVisibility"));
    imgFindEclipses = AddStrip(column, 1, QStringLiteral("imgFindEclipses"));
    imgDisplayPhases = AddStrip(column, 2, QStringLiteral("imgDisplayPhases"));
    imgEquinoxInfo = AddStrip(column, 3, QStringLiteral("imgEquinoxInfo"));
    imgEaster = AddStrip(column, 4, QStringLiteral("imgEaster"));

    // The arrow lets the pointer through to the entry beneath it.
    imgArrow =
        new ImageControl(this, kArrowLeft, 0,
                         LoadPicture(QStringLiteral(":/menus/arrow.png"), this), 12, kStripHeight);
    imgArrow->setObjectName(QStringLiteral("imgArrow"));
    imgArrow->setAttribute(Qt::WA_TransparentForMouseEvents);
    imgArrow->hide();

    for (ImageControl* entry :
         {imgLunarVisibility, imgFindEclipses, imgDisplayPhases, imgEquinoxInfo, imgEaster})
        connect(entry, &ClickRegion::MouseMove, this,
                [this, entry](Qt::MouseButtons, QPoint) { EntryMouseMove(entry); });
    OnClick(imgLunarVisibility, [this] { imgLunarVisibilityClick(); });
    OnClick(imgFindEclipses, [this] { imgFindEclipsesClick(); });
    OnClick(imgDisplayPhases, [this] { imgDisplayPhasesClick(); });
    OnClick(imgEquinoxInfo, [this] { imgEquinoxInfoClick(); });
    OnClick(imgEaster, [this] { imgEasterClick(); });
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

} // namespace crescendar
