#include "fCalendarExport.h"

#include "Clock.h"
#include "Command.h"
#include "Dialogs.h"
#include "TableCommands.h"
#include "WindowKeys.h"
#include "fPrintOptions.h"

#include "CalendarFile.h"
#include "Session.h"
#include "YearEvents.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpressionValidator>

namespace crescendar {

namespace {

constexpr int kWidth = 220;
constexpr int kHeight = 260;
const QRect kCloseMark(194, 14, 13, 15);
const QRect kButton(62, 210, 99, 29);
const QColor kInk(40, 48, 72);
const QColor kInkShadow(236, 240, 248);

// Paints over a rectangle with one column of the picture stretched across it: the plates,
// panels and buttons of the skins shade from top to bottom only.
void Smooth(QImage& image, const QRect& area, int column) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QRgb c = image.pixel(column, y);
        for (int x = area.left(); x <= area.right(); ++x) image.setPixel(x, y, c);
    }
}

void ShadowText(QPainter& p, const QRect& r, int flags, const QString& text, const QColor& ink,
                const QColor& shadow) {
    p.setPen(shadow);
    p.drawText(r.translated(1, 1), flags, text);
    p.setPen(ink);
    p.drawText(r, flags, text);
}

QFont SansFont(int pixels, bool bold) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// A small calendar leaf, 20 x 20, its top-left corner at `at`.
void CalendarGlyph(QPainter& p, QPoint at) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(at);
    p.setPen(QPen(QColor(12, 18, 40), 1));
    p.setBrush(QColor(246, 248, 252));
    p.drawRoundedRect(QRectF(0.5, 2.5, 19, 17), 2, 2);
    p.setBrush(QColor(200, 60, 60));
    p.drawRect(QRectF(0.5, 2.5, 19, 5));
    p.setPen(QPen(QColor(120, 136, 170), 0.8));
    for (int i = 1; i < 4; ++i) p.drawLine(QPointF(0.5 + i * 4.75, 8), QPointF(0.5 + i * 4.75, 19));
    p.drawLine(QPointF(1, 13.5), QPointF(19, 13.5));
    p.setPen(QPen(QColor(12, 18, 40), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 0.8), QPointF(5, 4.5));
    p.drawLine(QPointF(15, 0.8), QPointF(15, 4.5));
    p.restore();
}

// The window's skin, made from the print options window's: its frame, title plate, panels
// and button, with this window's title, captions and button text.
QImage ExportSkin() {
    QImage skin =
        QImage(QStringLiteral(":/print/options_bgnd.jpg")).convertToFormat(QImage::Format_RGB32);
    if (skin.isNull()) {
        skin = QImage(kWidth, kHeight, QImage::Format_RGB32);
        skin.fill(QColor(10, 16, 40));
    }
    // Clear the title plate, the first panel's captions, the second panel and the button.
    Smooth(skin, QRect(12, 9, 178, 27), 45);
    Smooth(skin, QRect(48, 64, 150, 86), 199);
    Smooth(skin, QRect(21, 165, 178, 28), 199);
    Smooth(skin, QRect(69, 213, 85, 23), 68);

    QPainter p(&skin);
    p.setRenderHint(QPainter::TextAntialiasing);
    CalendarGlyph(p, QPoint(15, 11));
    // The title: a raised serif title as the skins write theirs.
    QFont title(QStringLiteral("Times New Roman"));
    title.setPixelSize(19);
    title.setBold(true);
    title.setItalic(true);
    // Between the calendar glyph and the cross; a longer title in another language is set
    // smaller until it fits.
    const QRect room(40, 6, 150, 32);
    const QString text = TCalendarExport::tr("Calendar Export");
    while (title.pixelSize() > 12 && QFontMetrics(title).horizontalAdvance(text) > room.width())
        title.setPixelSize(title.pixelSize() - 1);
    p.setFont(title);
    ShadowText(p, room, Qt::AlignCenter, text, QColor(255, 236, 160), QColor(20, 12, 30));

    // The close mark: a salmon cross on a dark outline.
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF cross = QRectF(kCloseMark).adjusted(3, 4, -3, -4);
    for (const auto& [colour, width] :
         {std::pair{QColor(36, 22, 48), 4.0}, std::pair{QColor(255, 156, 148), 2.2}}) {
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(cross.topLeft(), cross.bottomRight());
        p.drawLine(cross.topRight(), cross.bottomLeft());
    }

    p.setFont(SansFont(12, true));
    const QString rows[] = {TCalendarExport::tr("Moon phases"), TCalendarExport::tr("Eclipses"),
                            TCalendarExport::tr("Perigee and apogee"),
                            TCalendarExport::tr("Equinoxes, solstices")};
    for (int i = 0; i < 4; ++i)
        ShadowText(p, QRect(51, 68 + 20 * i, 150, 17), Qt::AlignLeft | Qt::AlignVCenter, rows[i],
                   kInk, kInkShadow);
    ShadowText(p, QRect(26, 170, 40, 21), Qt::AlignLeft | Qt::AlignVCenter,
               TCalendarExport::tr("From"), kInk, kInkShadow);
    ShadowText(p, QRect(116, 170, 24, 21), Qt::AlignLeft | Qt::AlignVCenter,
               TCalendarExport::tr("to"), kInk, kInkShadow);

    p.setFont(SansFont(15, true));
    ShadowText(p, kButton, Qt::AlignCenter, TCalendarExport::tr("Export\u2026"),
               QColor(255, 255, 255), QColor(0, 0, 0, 160));
    return skin;
}

std::uint16_t SelectedYear(const TSession& s) {
    return s.SelectedDateTime().Year;
}

} // namespace

TCalendarExport::TCalendarExport(TSession& session, QWidget& owner)
    : SkinWindow(&owner), session_(session), owner_(owner) {
    setObjectName(QStringLiteral("CalendarExport"));
    setWindowTitle(tr("Calendar Export"));
}

void TCalendarExport::FormCreate() {
    SetClientSize(kWidth, kHeight);
    SetBackground(ExportSkin());
    lblTitle = AddTitleRegion("lblTitle", 0, 0, kWidth, 40);
    lblExit = AddCloseMark(this, kCloseMark.x(), kCloseMark.y(), kCloseMark.width(),
                           kCloseMark.height(), true, tr("Close without exporting"));
    lblExit->setCursor(Qt::PointingHandCursor);

    auto check = [this](const char* name, int top, const QString& title, const char* hint) {
        auto* box = new TSkinCheckBox(this);
        box->setObjectName(QLatin1String(name));
        box->setAccessibleName(title);
        box->setGeometry(30, top, 13, 13);
        box->setChecked(true);
        box->setToolTip(tr(hint));
        // A click on the caption toggles the box.
        auto* caption = new ClickRegion(this, 46, top - 3, 150, 19, box->toolTip());
        caption->setCursor(Qt::PointingHandCursor);
        connect(caption, &ClickRegion::Clicked, box, [box](Qt::MouseButton b) {
            if (b != Qt::LeftButton) return;
            box->setFocus(Qt::MouseFocusReason);
            box->click();
        });
        return box;
    };
    chkPhases = check("chkPhases", 70, tr("Moon phases"),
                      QT_TR_NOOP("New moons, first quarters, full moons and last quarters"));
    chkEclipses = check("chkEclipses", 90, tr("Eclipses"),
                        QT_TR_NOOP("Lunar eclipses, from the first to the last contact with "
                                   "the penumbra, and solar eclipses, from the first to the last "
                                   "contact at the place where it sees them"));
    chkApsides = check("chkApsides", 110, tr("Perigee and apogee"),
                       QT_TR_NOOP("The Moon nearest to and farthest from the Earth"));
    chkSeasons = check("chkSeasons", 130, tr("Equinoxes, solstices"),
                       QT_TR_NOOP("The equinoxes and solstices"));

    auto yearBox = [this](const char* name, int left) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QLatin1String(name));
        box->setGeometry(left, 170, 40, 21);
        box->setMaxLength(4);
        box->setAlignment(Qt::AlignCenter);
        box->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), box));
        box->setFont(SansFont(12, true));
        box->setStyleSheet(QStringLiteral(
            "QLineEdit { background: rgb(255, 255, 176); color: black; border: 1px solid "
            "rgb(40, 48, 68); padding: 0px; selection-background-color: rgb(60, 110, 190); }"));
        return box;
    };
    txtFromYear = yearBox("txtFromYear", 66);
    txtToYear = yearBox("txtToYear", 140);
    txtFromYear->setToolTip(tr("The first year of the calendar"));
    txtToYear->setToolTip(tr("The last year of the calendar"));
    txtFromYear->setAccessibleName(tr("From year"));
    txtToYear->setAccessibleName(tr("To year"));

    lblExport = new ClickRegion(this, kButton.x(), kButton.y(), kButton.width(), kButton.height());
    lblExport->setObjectName(QStringLiteral("lblExport"));
    lblExport->setCursor(Qt::PointingHandCursor);
    // Enter first: the key the hint names.
    OfferCommand(lblExport, MakeCommand(this, "actExport", tr("Export"),
                                        {QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Return)},
                                        tr("Choose a file and save the events in it"),
                                        [this] { lblExportClick(); }));
    saveFolder_ = QDir::homePath();
    setTabOrder(chkPhases, chkEclipses);
    setTabOrder(chkEclipses, chkApsides);
    setTabOrder(chkApsides, chkSeasons);
    setTabOrder(chkSeasons, txtFromYear);
    setTabOrder(txtFromYear, txtToYear);
    setTabOrder(txtToYear, lblExport);
    setTabOrder(lblExport, lblExit);
}

bool TCalendarExport::CommandKeyAllowed(const QAction* action) const {
    return !action->shortcuts().contains(QKeySequence(Qt::Key_Return)) || DefaultKeyAllowed(this);
}

void TCalendarExport::FormShow() {
    CentreOver(owner_);
    KeepOnScreen();
}

void TCalendarExport::ShowExport() {
    if (!isVisible()) {
        const QString year = QString::number(SelectedYear(session_));
        txtFromYear->setText(year);
        txtToYear->setText(year);
    }
    show();
    raise();
    activateWindow();
    txtFromYear->setFocus();
    txtFromYear->selectAll();
}

bool TCalendarExport::lblExportClick() {
    const QString fromText = txtFromYear->text().trimmed();
    const QString toText = txtToYear->text().trimmed();
    if (fromText.isEmpty() || toText.isEmpty()) {
        ShowMessage(tr(kExportYearsMessage), this);
        return false;
    }
    const int from = fromText.toInt();
    const int to = toText.toInt();
    if (from < kFirstCalendarYear || to < kFirstCalendarYear || from > kLastCalendarYear ||
        to > kLastCalendarYear) {
        ShowMessage(
            tr("A year must lie between %1 and %2.").arg(kFirstCalendarYear).arg(kLastCalendarYear),
            this);
        return false;
    }
    if (to < from) {
        ShowMessage(tr(kExportOrderMessage), this);
        return false;
    }
    if (to - from >= kMaxYears) {
        ShowMessage(tr("One calendar takes at most %1 years.").arg(kMaxYears), this);
        return false;
    }
    TYearEventKinds kinds{chkPhases->isChecked(), chkEclipses->isChecked(), chkApsides->isChecked(),
                          chkSeasons->isChecked()};
    if (!kinds.Phases && !kinds.Eclipses && !kinds.Apsides && !kinds.Seasons) {
        ShowMessage(tr(kExportKindsMessage), this);
        return false;
    }

    const QString name = from == to ? tr("Crescendar %1.ics").arg(from)
                                    : tr("Crescendar %1-%2.ics").arg(from).arg(to);
    const QString path = SaveFileName(this, saveFolder_, name, tr("iCalendar files (*.ics *.ICS)"));
    if (path.isEmpty()) return false;
    saveFolder_ = QFileInfo(path).absolutePath();

    const Observer observer = session_.GetObserver();
    // The time of the export, universal time.
    const UniversalTime stamp = FromUnixMilliseconds(CurrentClock().Now().toMSecsSinceEpoch());
    const std::string text =
        CalendarText(YearEvents(from, to, observer, kinds), from, to, observer, stamp);
    QString error;
    if (!WriteTextFile(path, text, &error)) {
        ShowWarning(tr("The calendar was not saved: %1.").arg(error), this);
        return false;
    }
    close();
    return true;
}

} // namespace crescendar
