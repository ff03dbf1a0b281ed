#include "fPrintOptions.h"

#include "Access.h"
#include "Command.h"
#include "Palette.h"
#include "Picture.h"

#include "Dialogs.h"
#include "WindowKeys.h"
#include "fPrint.h"

#include "Session.h"
#include "Settings.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>

namespace crescendar {

namespace {

const QImage& ArtPicture(const char* name) {
    // The window's pictures, loaded once; a missing one is an empty image.
    static std::map<std::string, QImage> cache;
    auto it = cache.find(name);
    if (it == cache.end())
        it = cache.emplace(name, LoadPicture(QStringLiteral(":/print/") + QLatin1String(name)))
                 .first;
    return it->second;
}

// The skin with a close mark in the top right corner, drawn as the other windows' skins
// draw theirs: a salmon cross on a dark outline.
QImage WithCloseMark(QImage skin, const QRect& mark) {
    if (skin.isNull()) return skin;
    QPainter p(&skin);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF cross = QRectF(mark).adjusted(3, 4, -3, -4);
    auto draw = [&](const QColor& colour, double width) {
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(cross.topLeft(), cross.bottomRight());
        p.drawLine(cross.topRight(), cross.bottomLeft());
    };
    draw(QColor(36, 22, 48), 4.0);
    draw(QColor(255, 156, 148), 2.2);
    return skin;
}

// Where the close mark stands.
const QRect kCloseMark(194, 14, 13, 15);

} // namespace

// ----- the check box ----------------------------------------------------------------------

TSkinCheckBox::TSkinCheckBox(QWidget* parent) : QAbstractButton(parent) {
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void TSkinCheckBox::paintEvent(QPaintEvent* /*e*/) {
    QPainter p(this);
    p.drawImage(0, 0, ArtPicture(isChecked() ? "check_on.png" : "check_off.png"));
    if (KeyboardFocused(this)) {
        // The ring shows where the keyboard is.
        PaintFocusRing(p, rect());
    }
}

void TSkinCheckBox::focusInEvent(QFocusEvent* e) {
    NoteFocus(this, e);
    QAbstractButton::focusInEvent(e);
}

void TSkinCheckBox::focusOutEvent(QFocusEvent* e) {
    NoteFocus(this, e);
    QAbstractButton::focusOutEvent(e);
}

// ----- the spin button --------------------------------------------------------------------

namespace {
constexpr int kSpinSplit = 10; // rows above belong to the upper arrow
}

TSpinButton::TSpinButton(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

void TSpinButton::paintEvent(QPaintEvent* /*e*/) {
    QPainter p(this);
    const char* picture = pressed_ > 0   ? "spin_up.png"
                          : pressed_ < 0 ? "spin_down.png"
                                         : "spin.png";
    p.drawImage(0, 0, ArtPicture(picture));
    if (KeyboardFocused(this)) PaintFocusRing(p, rect());
}

void TSpinButton::focusInEvent(QFocusEvent* e) {
    NoteFocus(this, e);
    QWidget::focusInEvent(e);
    update();
}

void TSpinButton::focusOutEvent(QFocusEvent* e) {
    NoteFocus(this, e);
    QWidget::focusOutEvent(e);
    update();
}

void TSpinButton::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    pressed_ = e->position().y() < kSpinSplit ? 1 : -1;
    update();
}

void TSpinButton::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || pressed_ == 0) return;
    const int half = pressed_;
    pressed_ = 0;
    update();
    // The click counts when released over the arrow it started on.
    const QPoint at = e->position().toPoint();
    if (!rect().contains(at) || (at.y() < kSpinSplit ? 1 : -1) != half) return;
    if (half > 0)
        emit UpClick();
    else
        emit DownClick();
}

void TSpinButton::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Up)
        emit UpClick();
    else if (e->key() == Qt::Key_Down)
        emit DownClick();
    else
        QWidget::keyPressEvent(e);
}

// ----- the density field ------------------------------------------------------------------

void TExitEdit::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    emit Exited();
}

// ----- the window -------------------------------------------------------------------------

TPrintOptions::TPrintOptions(TSession& session, QWidget* owner, PrintTarget* target)
    : SkinWindow(owner), session_(session), owner_(owner), target_(target) {}

TPrintOptions::~TPrintOptions() = default;

void TPrintOptions::FormCreate() {
    setObjectName(QStringLiteral("PrintOptions"));
    setWindowTitle(tr("Print Calendar"));
    SetClientSize(220, 260);
    SetBackground(WithCloseMark(ArtPicture("options_bgnd.jpg"), kCloseMark));

    lblTitle = new ClickRegion(this, 0, 0, 220, 40);
    SetTitleRegion(lblTitle);
    // The title between the printer and the close mark, in a larger gilded serif without
    // spacing.
    Caption title = GildedTitle(tr("Print Calendar"), QRect(59, 6, 132, 32), 19, {1.2, 1.4});
    title.Space = QRect(42, 6, 150, 32); // up to the close mark
    title.Font = SkinSerifFont(19, true, true);
    title.FillTop = 12;
    title.FillBottom = 33;
    title.Nudge = {1.0, 2.0};
    AddCaption(title);

    auto check = [this](int top) {
        auto* box = new TSkinCheckBox(this);
        box->setGeometry(30, top, 13, 13);
        return box;
    };
    chkDailyPhases = check(70);
    chkMajorPhases = check(90);
    chkMoonTimes = check(110);
    chkSunTimes = check(130);
    chkDailyPhases->setToolTip(tr("A drawing of the Moon in every day's box"));
    chkMajorPhases->setToolTip(tr("Marks and times of new, full and quarter Moons"));
    chkMoonTimes->setToolTip(tr("Moonrise, transit and moonset of every day"));
    chkSunTimes->setToolTip(tr("Sunrise, transit and sunset of every day"));
    // Named as the skin's captions beside them.
    chkDailyPhases->setAccessibleName(tr("Daily Moon phases"));
    chkMajorPhases->setAccessibleName(tr("Principal phases"));
    chkMoonTimes->setAccessibleName(tr("Moon times"));
    chkSunTimes->setAccessibleName(tr("Sun times"));
    // A click on a box's caption (right of the box) toggles the box.
    const QFont captionFont = SkinSansFont(12, true);
    const QColor ink(40, 48, 72), inkShadow(236, 240, 248);
    for (QAbstractButton* box : {chkDailyPhases, chkMajorPhases, chkMoonTimes, chkSunTimes}) {
        AddCaption(ShadowedCaption(box->accessibleName(), QRect(51, box->y() - 2, 150, 17),
                                   captionFont, ink, inkShadow));
        auto* caption = new ClickRegion(this, 46, box->y() - 3, 120, 19, box->toolTip());
        caption->setCursor(Qt::PointingHandCursor);
        connect(caption, &ClickRegion::Clicked, box, [box](Qt::MouseButton b) {
            if (b != Qt::LeftButton) return;
            box->setFocus(Qt::MouseFocusReason);
            box->click();
        });
        captions_.push_back(caption);
    }

    auto* density = new TExitEdit(this);
    txtDensity = density;
    txtDensity->setGeometry(142, 170, 27, 21);
    txtDensity->setMaxLength(3);
    txtDensity->setAlignment(Qt::AlignCenter);
    txtDensity->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,3}")), txtDensity));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    font.setBold(true);
    txtDensity->setFont(font);
    txtDensity->setToolTip(tr("How dark the Moons are printed, 0 to 100"));
    txtDensity->setAccessibleName(tr("Phase density %"));
    txtDensity->setAccessibleDescription(txtDensity->toolTip());
    // The field's background is pale yellow.
    txtDensity->setStyleSheet(QStringLiteral(
        "QLineEdit { background: rgb(255, 255, 176); color: black; border: 1px solid "
        "rgb(40, 48, 68); padding: 0px; selection-background-color: rgb(60, 110, 190); }"));
    connect(density, &TExitEdit::Exited, this, [this] { txtDensityExit(); });
    AddCaption(ShadowedCaption(txtDensity->accessibleName(), QRect(26, 170, 112, 21), captionFont,
                               ink, inkShadow));

    DensitySpinButton = new TSpinButton(this);
    DensitySpinButton->setGeometry(171, 170, 15, 19);
    // Read as a spin box showing the field's density; a reader's increase and decrease step it.
    SetAccessibleRole(DensitySpinButton, QAccessible::SpinBox);
    SetAccessibleValueFrom(DensitySpinButton, txtDensity);
    DensitySpinButton->setAccessibleName(tr("Phase density"));
    DensitySpinButton->setAccessibleDescription(tr("Up and Down change the density"));
    connect(DensitySpinButton, &TSpinButton::UpClick, this, [this] { DensitySpinButtonUpClick(); });
    connect(DensitySpinButton, &TSpinButton::DownClick, this,
            [this] { DensitySpinButtonDownClick(); });

    lblOK = new ClickRegion(this, 62, 210, 99, 29);
    // Right of the button's printer.
    Caption ok = ShadowedCaption(tr("OK"), QRect(96, 210, 53, 29), SkinSansFont(15, true),
                                 Qt::white, QColor(0, 0, 0, 160), Qt::AlignCenter);
    ok.Space = QRect(96, 210, 61, 29); // up to the button's rim
    AddCaption(ok);
    lblOK->setObjectName(QStringLiteral("lblOK"));
    lblOK->setCursor(Qt::PointingHandCursor);
    // The default button: Return anywhere but on another button.
    OfferCommand(lblOK, MakeCommand(this, "actOK", tr("OK"),
                                    {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)},
                                    tr("Store the choices and print"), [this] { lblOKClick(); }));
    // Closing without printing: the mark, or Escape (the window belongs to the main one).
    lblExit = AddCloseMark(this, kCloseMark.x(), kCloseMark.y(), kCloseMark.width(),
                           kCloseMark.height(), true, tr("Close without printing"));
    lblExit->setCursor(Qt::PointingHandCursor);

    setTabOrder(chkDailyPhases, chkMajorPhases);
    setTabOrder(chkMajorPhases, chkMoonTimes);
    setTabOrder(chkMoonTimes, chkSunTimes);
    setTabOrder(chkSunTimes, txtDensity);
    setTabOrder(txtDensity, DensitySpinButton);
    setTabOrder(DensitySpinButton, lblOK);
    setTabOrder(lblOK, lblExit);
}

bool TPrintOptions::CommandKeyAllowed(const QAction* action) const {
    return !action->shortcuts().contains(QKeySequence(Qt::Key_Return)) || DefaultKeyAllowed(this);
}

void TPrintOptions::ShowOptions() {
    show();
    raise();
    activateWindow();
}

void TPrintOptions::FormShow() {
    toldNotSaved_ = false;
    if (owner_) CentreOver(*owner_);
}

void TPrintOptions::FormActivate() {
    const TSettings& s = session_.Settings();
    chkDailyPhases->setChecked(s.PrintDailyPhases);
    chkMajorPhases->setChecked(s.PrintMajorPhases);
    chkMoonTimes->setChecked(s.PrintLunarTimes);
    chkSunTimes->setChecked(s.PrintSunTimes);
    txtDensity->setText(QString::number(s.PhaseDensity));
}

bool TPrintOptions::FormKeyPress(QKeyEvent* event) {
    return txtDensity && focusWidget() == txtDensity && txtDensityKeyPress(event);
}

bool TPrintOptions::txtDensityKeyPress(QKeyEvent* event) {
    // Digits are typed as usual (at most 3); other characters are refused. Editing keys
    // (Backspace, Delete, arrows, Tab, shortcuts) reach the field.
    const QString typed = event->text();
    if (typed.size() != 1 || typed[0].unicode() < 0x20 || typed[0].unicode() == 0x7F ||
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    const QChar ch = typed[0];
    return !(ch >= QLatin1Char('0') && ch <= QLatin1Char('9'));
}

int TPrintOptions::DensityValue() const {
    bool isNumber = false;
    const int value = txtDensity->text().toInt(&isNumber);
    return isNumber && value >= 0 ? value : session_.Settings().PhaseDensity;
}

void TPrintOptions::DensitySpinButtonDownClick() {
    const int value = DensityValue();
    txtDensity->setText(QString::number(value > 0 ? value - 1 : value));
}

void TPrintOptions::DensitySpinButtonUpClick() {
    const int value = DensityValue();
    txtDensity->setText(QString::number(value < 100 ? value + 1 : value));
}

void TPrintOptions::txtDensityExit() {
    txtDensity->setText(QString::number(std::min(DensityValue(), 100)));
}

PrintTarget& TPrintOptions::Target() {
    if (target_) return *target_;
    if (!ownTarget_) ownTarget_ = std::make_unique<SystemPrintTarget>(this);
    return *ownTarget_;
}

void TPrintOptions::lblOKClick() {
    txtDensityExit();

    TSettings s = session_.Settings();
    s.PrintDailyPhases = chkDailyPhases->isChecked();
    s.PrintMajorPhases = chkMajorPhases->isChecked();
    s.PrintLunarTimes = chkMoonTimes->isChecked();
    s.PrintSunTimes = chkSunTimes->isChecked();
    s.PhaseDensity = static_cast<std::uint8_t>(DensityValue());

    // Choices that cannot be stored hold for this session only. The user is told so first,
    // with the window left open; a second OK prints without storing them.
    std::string whyNotSaved;
    const bool saved = session_.SaveSettings(s, &whyNotSaved);
    if (!saved && !WarnedNotSavedBefore(toldNotSaved_, tr("Your print choices"),
                                        QString::fromStdString(whyNotSaved),
                                        tr("Click OK again to print without saving them."), this))
        return;

    const TDateTimeRecord& selected = session_.SelectedDateTime();
    TPrint print(Target(), CalendarSheetOf(session_));
    lastPrinted_ = print.PrintCalendar(selected.Month, selected.Year);
    close();
    // After closing, so that the message stands over the main window.
    if (!lastPrinted_) ReportPrintFailure(Target(), tr("The calendar"), owner_);
}

} // namespace crescendar
