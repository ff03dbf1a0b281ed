#include "fConfiguration.h"

#include "Access.h"
#include "Command.h"
#include "Dialogs.h"
#include "Palette.h"
#include "PlaceSearch.h"

#include "Calendar.h"
#include "Session.h"
#include "Settings.h"
#include "TimeZoneRule.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QEventLoop>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QStandardItemModel>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <utility>
#include <vector>

namespace crescendar {

namespace {

constexpr int kWidth = 284;
constexpr int kHeight = 400;
// "Arial 8 point" at the 96 pixels per inch the layout is drawn for.
constexpr int kFontPixels = 11;
const QColor kCaptionBlack{0, 0, 0};
const QColor kCaptionWhite{255, 255, 255};

const char* const kFieldStyle = "background: #FFFFB0; color: black; border: 1px solid;"
                                " border-color: #3A4460 #F4F6FC #F4F6FC #3A4460; padding: 0px;"
                                " selection-background-color: #2C4078; selection-color: white;";

const char* const kListStyle =
    "QComboBox { background: #FFFFB0; color: black; border: 1px solid;"
    " border-color: #3A4460 #F4F6FC #F4F6FC #3A4460; padding: 0px 0px 0px 2px; }"
    "QComboBox QLineEdit { background: #FFFFB0; color: black; border: none; padding: 0px;"
    " selection-background-color: #2C4078; selection-color: white; }"
    "QComboBox::drop-down { subcontrol-origin: padding; subcontrol-position: top right;"
    " width: 15px; border: none; border-image: url(:/config/drop.png); }"
    "QComboBox::down-arrow { image: none; width: 0px; height: 0px; }"
    "QComboBox QAbstractItemView { background: #FFFFB0; color: black; border: 1px solid #283048;"
    " selection-background-color: #2C4078; selection-color: white; outline: 0px; }";

const char* const kPlaceListStyle =
    "QListView { background: #FFFFB0; color: black; border: 1px solid #283048;"
    " selection-background-color: #2C4078; selection-color: white; outline: 0px; }";

// The places offered under the location field: at most this many, in a list that stands
// from the captions' left edge to the fields' right edge.
constexpr std::size_t kMostPlaces = 12;
constexpr int kPlaceListLeft = 30;
constexpr int kPlaceListRight = 255;
// The row of the place an offered entry stands for.
constexpr int kPlaceRole = Qt::UserRole + 1;

// The time-zone field: the list of fixed offsets, or a zone name across the row.
constexpr int kZoneListWidth = 85;
constexpr int kZoneNameWidth = 171;
// A list field around its text: the border (1 pixel each side), the left padding (2), the
// drop-down button (15) and the line edit's own margins (2 each side), as kListStyle draws it.
constexpr int kListChrome = 1 + 2 + 15 + 1 + 2 * 2;
// The offset list ends before the daylight-saving caption.
constexpr int kZoneListMost = 214 - 84 - 4;

QFont FieldFont() {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(kFontPixels);
    return f;
}

// The width a list field needs to show its longest entry whole in the field's face.
int FieldWidthFor(const QStringList& entries) {
    const QFontMetrics fm(FieldFont());
    int widest = 0;
    for (const QString& e : entries) widest = std::max(widest, fm.horizontalAdvance(e));
    return widest + kListChrome + 1;
}

// Sizes the open list of a field to its longest entry, in the field's face: the list is a
// window of its own and would otherwise take the desktop's face and the field's width, and
// cut the entries short.
void FitOpenList(QComboBox* list) {
    QAbstractItemView* view = list->view();
    view->setFont(FieldFont());
    const int scrollBar =
        list->count() > list->maxVisibleItems() ? view->verticalScrollBar()->sizeHint().width() : 0;
    view->setMinimumWidth(view->sizeHintForColumn(0) + 2 * view->frameWidth() + scrollBar);
}

QImage Art(const char* name) {
    return LoadPicture(QStringLiteral(":/config/") + QLatin1String(name));
}

// The text with leading zeros up to the given length.
QString ZeroFilled(const QString& text, int length) {
    return text.size() >= length ? text : QString(length - text.size(), QLatin1Char('0')) + text;
}

void FillTo(QLineEdit* edit, int length) {
    const QString filled = ZeroFilled(edit->text(), length);
    if (filled != edit->text()) edit->setText(filled);
}

std::string Cut(const QString& text, std::size_t length) {
    return CutText(text.toStdString(), length);
}

// A place as the location field holds it (at most 40 characters): "Name, Region, Country",
// or "Name, Country" when that is too long, or the name alone.
QString LocationText(const TPlace& place) {
    constexpr int kMost = 40;
    const QString title = QString::fromStdString(PlaceTitle(place));
    if (title.size() <= kMost) return title;
    const QString shorter = QString::fromStdString(place.Name + ", " + place.Country);
    if (shorter.size() <= kMost) return shorter;
    return QString::fromStdString(place.Name).left(kMost);
}

// Degrees as whole degrees, minutes and seconds of arc, rounded to the second.
struct TArc {
    long Deg, Min, Sec;
};
TArc ToArc(double degrees) {
    const long seconds = std::lround(std::fabs(degrees) * 3600.0);
    return {seconds / 3600, seconds / 60 % 60, seconds % 60};
}

QString Digits(long n, int width) {
    return QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0'));
}

int NumberOf(const QLineEdit* edit) {
    bool ok = false;
    const int n = edit->text().toInt(&ok);
    return ok ? n : 0;
}

// Text typed by the user as a message quotes it: at most 24 characters.
QString Shortened(const QString& typed) {
    return typed.size() > 24 ? typed.left(23) + QChar(0x2026) : typed;
}

// The entry of a list that its text names (without regard to case), -1 when the text names
// none: typing into a list may leave it without a selected entry.
int SelectedPosition(const QComboBox* list) {
    return list->findText(list->currentText().trimmed(), Qt::MatchFixedString);
}

// A key press that types a character (navigation, Tab and Delete type none).
bool TypesCharacter(const QKeyEvent* k) {
    switch (k->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return false;
    default:
        return !k->text().isEmpty();
    }
}

// The key filter and the exit handler of one coordinate edit.
class CoordinateEditFilter : public QObject {
  public:
    CoordinateEditFilter(QLineEdit* edit, std::function<void()> onExit,
                         std::function<bool(const QString&)> onPaste)
        : QObject(edit), edit_(edit), onExit_(std::move(onExit)), onPaste_(std::move(onPaste)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::KeyPress) {
            auto* k = static_cast<QKeyEvent*>(e);
            // A whole coordinate pasted fills its fields; plain digits paste as usual.
            if (k->matches(QKeySequence::Paste)) {
                const QClipboard* clipboard = QGuiApplication::clipboard();
                if (clipboard && onPaste_(clipboard->text())) {
                    k->accept();
                    return true;
                }
                return QObject::eventFilter(watched, e);
            }
            // Shortcuts (select all, copy, cut, undo) are the edit's own.
            if (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
                return QObject::eventFilter(watched, e);
            if (TypesCharacter(k)) {
                for (const QChar c : k->text()) {
                    if (TConfiguration::ProcessKey(c.unicode()) == 0) {
                        k->accept();
                        return true; // discarded
                    }
                }
            }
        } else if (e->type() == QEvent::FocusIn) {
            // Clicked into, the field comes up selected (as it does by Tab), so that what is
            // typed replaces it: "00" clicked, "33" typed gives "33".
            selectOnRelease_ = static_cast<QFocusEvent*>(e)->reason() == Qt::MouseFocusReason;
        } else if (e->type() == QEvent::MouseButtonRelease) {
            if (selectOnRelease_ && !edit_->hasSelectedText()) edit_->selectAll();
            selectOnRelease_ = false;
        } else if (e->type() == QEvent::FocusOut) {
            // Leaving for another control, not a popup menu or another application.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(e)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) onExit_();
        }
        return QObject::eventFilter(watched, e);
    }

  private:
    QLineEdit* edit_;
    std::function<void()> onExit_;
    std::function<bool(const QString&)> onPaste_;
    bool selectOnRelease_ = false; // the field has just taken the focus from a click
};

} // namespace

QStringList TimeZoneNames() {
    QStringList names;
    for (int i = 0; i <= 48; ++i) {
        const int minutes = (i - 24) * 30;
        if (minutes == 0) {
            names << QStringLiteral("GMT");
            continue;
        }
        const int m = minutes < 0 ? -minutes : minutes;
        names << TConfiguration::tr("GMT %1 %2:%3")
                     .arg(minutes < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                     .arg(m / 60, 2, 10, QLatin1Char('0'))
                     .arg(m % 60, 2, 10, QLatin1Char('0'));
    }
    return names;
}

// ----- the small controls -----------------------------------------------------------------

TConfigSpinButton::TConfigSpinButton(QWidget* parent, int left, int top, int width, int height)
    : QWidget(parent) {
    setGeometry(left, top, width, height);
    setFocusPolicy(Qt::StrongFocus);
}

void TConfigSpinButton::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const bool upper = e->position().y() < height() / 2.0;
    pressedHalf_ = upper ? 0 : 1;
    update();
    if (upper)
        emit UpClick();
    else
        emit DownClick();
}

void TConfigSpinButton::mouseReleaseEvent(QMouseEvent* /*e*/) {
    pressedHalf_ = -1;
    update();
}

void TConfigSpinButton::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Up)
        emit UpClick();
    else if (e->key() == Qt::Key_Down)
        emit DownClick();
    else
        QWidget::keyPressEvent(e);
}

void TConfigSpinButton::paintEvent(QPaintEvent* /*e*/) {
    QPainter p(this);
    const int half = height() / 2;
    if (pressedHalf_ == 0) p.fillRect(QRect(0, 0, width(), half), QColor(0, 0, 40, 70));
    if (pressedHalf_ == 1)
        p.fillRect(QRect(0, half, width(), height() - half), QColor(0, 0, 40, 70));
    if (hasFocus()) {
        p.setPen(QPen(QColor(20, 60, 160), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

TConfigCheckBox::TConfigCheckBox(QWidget* parent, int left, int top, const QImage& on,
                                 const QImage& off)
    : QAbstractButton(parent), on_(on), off_(off) {
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setGeometry(left, top, 13, 13);
}

void TConfigCheckBox::paintEvent(QPaintEvent* /*e*/) {
    QPainter p(this);
    p.drawImage(0, 0, isChecked() ? on_ : off_);
    if (hasFocus()) {
        p.setPen(QPen(palette::FocusRing, 1));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

// ----- the window -------------------------------------------------------------------------

TConfiguration::TConfiguration(TSession& session, QWidget* owner)
    : SkinWindow(owner), session_(session), owner_(owner) {}

ClickRegion* TConfiguration::Caption(int left, int top, const QString& text, const QColor& colour) {
    auto* label = new ClickRegion(this);
    label->move(left, top);
    label->SetFontName(QStringLiteral("Arial"));
    label->SetFontHeight(kFontPixels);
    label->SetFontColor(colour);
    label->SetAutoSize(true);
    label->SetText(text);
    return label;
}

QLineEdit* TConfiguration::CoordinateEdit(int left, int top, int width, int maxLength, int fillTo) {
    auto* edit = new QLineEdit(this);
    edit->setGeometry(left, top, width, 19);
    edit->setFont(FieldFont());
    edit->setMaxLength(maxLength);
    edit->setAlignment(Qt::AlignCenter);
    edit->setTextMargins(-1, 0, -1, 0);
    // Text pasted or composed bypasses the key filter; the validator keeps it to digits.
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
    connect(edit, &QLineEdit::textEdited, this, &TConfiguration::CoordinatesEdited);
    edit->installEventFilter(new CoordinateEditFilter(
        edit, [edit, fillTo] { FillTo(edit, fillTo); },
        [this, edit](const QString& text) { return PasteCoordinate(edit, text); }));
    return edit;
}

QComboBox* TConfiguration::List(int left, int top, int width, const QStringList& items) {
    auto* list = new QComboBox(this);
    list->setEditable(true); // the lists also accept typing
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setFont(FieldFont());
    list->addItems(items);
    list->setMaxVisibleItems(12);
    list->setGeometry(left, top, width, 21);
    return list;
}

// The title between the tools and the cross; the boxes' headings beside their glyphs, and the
// printer rows' heading.
void TConfiguration::AddCaptions() {
    crescendar::Caption title = GildedTitle(tr("Configuration"), QRect(83, 10, 120, 23), 19);
    title.Space = QRect(44, 10, 205, 23);
    AddCaption(title);
    const QFont heading = SkinSansFont(12, true);
    const QColor ink(240, 244, 255), shadow(0, 0, 0, 200);
    AddCaption(ShadowedCaption(tr("Observer"), QRect(125, 41, 139, 17), heading, ink, shadow),
               "lblObserverHeading");
    AddCaption(
        ShadowedCaption(tr("Time and Printer"), QRect(105, 279, 159, 17), heading, ink, shadow),
        "lblTimeHeading");
    AddCaption(PlainCaption(tr("PRINTER"), QRect(30, 337, 120, 11), SkinSansFont(9, true),
                            QColor(150, 170, 214)),
               "lblPrinterHeading");
}

void TConfiguration::FormCreate() {
    SetClientSize(kWidth, kHeight);
    SetBackground(Art("bgnd.jpg"));
    setWindowTitle(tr("Configuration"));
    AddCaptions();
    imgRBSet = Art("rb_set.png");
    imgRBUnset = Art("rb_unset.png");

    lblTitle = new ClickRegion(this, 83, 10, 120, 23);
    SetTitleRegion(lblTitle);
    // Escape closes the window, first asking whether to save unsaved changes.
    const QAction* closeCommand =
        MakeCommand(this, "actClose", tr("Close"), {QKeySequence(Qt::Key_Escape)},
                    tr("Close the window, asking whether to save changes"), [this] {
                        if (SavedOrDiscarded()) close();
                    });
    lblExit = new ClickRegion(this, 255, 14, 14, 15);
    lblExit->setObjectName(QStringLiteral("lblExit"));
    OfferCommand(lblExit, MakeCommand(this, "actSave", tr("Save and close"),
                                      {QKeySequence(Qt::CTRL | Qt::Key_S)},
                                      tr("Save the settings and close"), [this] { lblExitClick(); }));
    lblExit->setAccessibleDescription(
        tr("Saves the settings and closes the window. %1 asks whether to save changes.")
            .arg(KeyText(closeCommand->shortcut())));

    // Created in tab order.
    Label4 = Caption(30, 66, tr("Latitude:"), kCaptionBlack);
    txtLatDeg = CoordinateEdit(98, 64, 19, 2, 2);
    txtLatMin = CoordinateEdit(129, 64, 19, 2, 2);
    txtLatSec = CoordinateEdit(159, 64, 19, 2, 2);
    pNSDirection = new QLabel(this);
    pNSDirection->setGeometry(202, 64, 36, 19);
    NSSpinButton = new TConfigSpinButton(this, 240, 64, 15, 19);

    Label5 = Caption(30, 94, tr("Longitude:"), kCaptionBlack);
    txtLongDeg = CoordinateEdit(94, 92, 24, 3, 3);
    txtLongMin = CoordinateEdit(129, 92, 19, 2, 2);
    txtLongSec = CoordinateEdit(159, 92, 19, 2, 2);
    pEWDirection = new QLabel(this);
    pEWDirection->setGeometry(202, 92, 36, 19);
    EWSpinButton = new TConfigSpinButton(this, 240, 92, 15, 19);

    for (QLabel* panel : {pNSDirection, pEWDirection}) {
        panel->setFont(FieldFont());
        panel->setAlignment(Qt::AlignCenter);
    }

    Label6 = Caption(30, 120, tr("Location:"), kCaptionBlack);
    txtLocation = new QLineEdit(this);
    txtLocation->setGeometry(94, 118, 161, 19);
    txtLocation->setFont(FieldFont());
    txtLocation->setMaxLength(40);
    txtLocation->setTextMargins(1, 0, 1, 0);
    // The completer is the field's popup only: the field's text and the searches are ours.
    placeModel_ = new QStandardItemModel(this);
    PlaceCompleter = new QCompleter(placeModel_, this);
    PlaceCompleter->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    PlaceCompleter->setMaxVisibleItems(8);
    PlaceCompleter->setWidget(txtLocation);
    PlaceCompleter->popup()->setFont(FieldFont());
    PlaceCompleter->popup()->setStyleSheet(QString::fromLatin1(kPlaceListStyle));
    connect(PlaceCompleter, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& index) {
                bool ok = false;
                const int row = index.data(kPlaceRole).toInt(&ok);
                if (ok && row >= 0 && static_cast<std::size_t>(row) < placeMatches_.size())
                    ChoosePlace(TPlace(placeMatches_[static_cast<std::size_t>(row)]));
            });
    connect(txtLocation, &QLineEdit::textEdited, this, &TConfiguration::txtLocationEdited);
    // Read as a static text where it stands; told to screen readers when it appears.
    // On the field's lower edge, over the panel's border as the list of matches stands, in
    // the fields' pale yellow: the panel leaves no room below the field.
    lblNoPlace = Caption(95, 137, tr("No place found"), kCaptionBlack);
    lblNoPlace->setObjectName(QStringLiteral("lblNoPlace"));
    lblNoPlace->SetColor(QColor(255, 255, 176));
    lblNoPlace->SetTransparent(false);
    lblNoPlace->hide();
    connect(txtLocation, &QLineEdit::textChanged, lblNoPlace, &QWidget::hide);
    search_ = new TPlaceSearch(kMostPlaces, this);
    connect(search_, &TPlaceSearch::Found, this, &TConfiguration::OfferPlaces);

    Label7 = Caption(28, 168, tr("Day Order:"), kCaptionBlack);
    cmbDayOrder = List(94, 165, 161,
                       {tr("Sunday - Saturday"), tr("Monday - Sunday"), tr("Tuesday - Monday"),
                        tr("Wednesday - Tuesday"), tr("Thursday - Wednesday"),
                        tr("Friday - Thursday"), tr("Saturday - Friday")});
    Label8 = Caption(28, 192, tr("Date Format:"), kCaptionBlack);
    cmbDateFormat =
        List(94, 189, 161, {QStringLiteral("DD/MM/YYYY"), QStringLiteral("MM/DD/YYYY")});

    // Over the night sky between the light boxes, in the dark boxes' white; each language by
    // its own name, so that a user can find theirs whatever the language shown.
    lblLanguage = Caption(28, 240, tr("Language:"), kCaptionWhite);
    cmbLanguage = List(94, 236, 110,
                       {tr("System"), QStringLiteral("English"), QStringLiteral("Deutsch"), // not user text
                        QStringLiteral("Français"), QStringLiteral("Español")}); // not user text
    cmbLanguage->lineEdit()->setReadOnly(true); // one of the entries, never a typed text

    Label11 = Caption(30, 306, tr("Timezone:"), kCaptionWhite);
    cmbTimeZone = List(84, 302, kZoneListWidth, TimeZoneNames());
    connect(cmbTimeZone, &QComboBox::currentTextChanged, this, [this] { ShowZone(); });
    connect(cmbTimeZone, &QComboBox::currentIndexChanged, this, [this](int entry) {
        if (entry >= 0) acceptedZone_ = cmbTimeZone->itemText(entry);
    });
    connect(cmbTimeZone->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        if (isVisible()) txtZoneExit();
    });
    Label12 = Caption(214, 306, tr("DST:"), kCaptionWhite);
    chkDaylightSavings =
        new TConfigCheckBox(this, 240, 306, Art("check_on.png"), Art("check_off.png"));

    imgLaser = new ImageControl(this, 30, 350, imgRBUnset, 15, 15);
    lblLaser = Caption(48, 350, tr("Laser"), kCaptionWhite);
    imgBWInkjet = new ImageControl(this, 92, 350, imgRBUnset, 15, 15);
    lblBWInkjet = Caption(110, 350, tr("B/W Inkjet"), kCaptionWhite);
    imgColourInkjet = new ImageControl(this, 175, 350, imgRBUnset, 15, 15);
    lblColourPrinter = Caption(194, 350, tr("Colour Inkjet"), kCaptionWhite);

    // The fields are named by their captions; the captions themselves are not read again.
    const std::pair<QWidget*, QString> names[] = {
        {txtLatDeg, tr("Latitude degrees")},
        {txtLatMin, tr("Latitude minutes")},
        {txtLatSec, tr("Latitude seconds")},
        {NSSpinButton, tr("Latitude north or south")},
        {txtLongDeg, tr("Longitude degrees")},
        {txtLongMin, tr("Longitude minutes")},
        {txtLongSec, tr("Longitude seconds")},
        {EWSpinButton, tr("Longitude east or west")},
        {txtLocation, tr("Location")},
        {cmbDayOrder, tr("Day order")},
        {cmbDateFormat, tr("Date format")},
        {cmbLanguage, tr("Language")},
        {cmbTimeZone, tr("Time zone")},
        {chkDaylightSavings, tr("Daylight saving time")},
    };
    for (const auto& [field, name] : names) NameField(field, name);
    for (ClickRegion* caption : {Label4, Label5, Label6, Label7, Label8, Label11, Label12})
        SetAccessibleRole(caption, QAccessible::NoRole);
    SetAccessibleRole(NSSpinButton, QAccessible::SpinBox);
    SetAccessibleValueFrom(NSSpinButton, pNSDirection);
    SetAccessibleRole(EWSpinButton, QAccessible::SpinBox);
    SetAccessibleValueFrom(EWSpinButton, pEWDirection);
    // The printers are a group of radio buttons: their captions take the keys and the focus.
    for (ClickRegion* printer : {lblLaser, lblBWInkjet, lblColourPrinter}) {
        MakeKeyboardButton(printer);
        SetAccessibleRole(printer, QAccessible::RadioButton);
        printer->setAccessibleDescription(tr("The printer the calendar is printed for"));
    }
    for (ImageControl* mark : {imgLaser, imgBWInkjet, imgColourInkjet})
        SetAccessibleRole(mark, QAccessible::NoRole);

    QWidget* order[] = {txtLatDeg,        txtLatMin,      txtLatSec,   NSSpinButton,
                        txtLongDeg,       txtLongMin,     txtLongSec,  EWSpinButton,
                        txtLocation,      cmbDayOrder,    cmbDateFormat, cmbLanguage, cmbTimeZone,
                        chkDaylightSavings, lblLaser,     lblBWInkjet, lblColourPrinter,
                        lblExit};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);

    connect(NSSpinButton, &TConfigSpinButton::UpClick, this, [this] { NSSpinButtonUpClick(); });
    connect(NSSpinButton, &TConfigSpinButton::DownClick, this, [this] { NSSpinButtonDownClick(); });
    connect(EWSpinButton, &TConfigSpinButton::UpClick, this, [this] { EWSpinButtonUpClick(); });
    connect(EWSpinButton, &TConfigSpinButton::DownClick, this, [this] { EWSpinButtonDownClick(); });
    const auto onLeftClick = [this](ClickRegion* region, void (TConfiguration::*handler)()) {
        connect(region, &ClickRegion::Clicked, this, [this, handler](Qt::MouseButton b) {
            if (b == Qt::LeftButton) (this->*handler)();
        });
    };
    onLeftClick(imgLaser, &TConfiguration::imgLaserClick);
    onLeftClick(lblLaser, &TConfiguration::lblLaserClick);
    onLeftClick(imgBWInkjet, &TConfiguration::imgBWInkjetClick);
    onLeftClick(lblBWInkjet, &TConfiguration::lblBWInkjetClick);
    onLeftClick(imgColourInkjet, &TConfiguration::imgColourInkjetClick);
    onLeftClick(lblColourPrinter, &TConfiguration::lblColourPrinterClick);
}

void TConfiguration::ShowModalNonBlocking() {
    if (isVisible()) {
        activateWindow();
        return;
    }
    setWindowModality(Qt::ApplicationModal);
    show();
    activateWindow();
}

void TConfiguration::ShowFirstRun(const std::optional<TPlace>& suggestion) {
    firstRun_ = true;
    suggestion_ = suggestion;
    if (isVisible()) {
        FormActivate();
        txtLocation->setFocus(Qt::OtherFocusReason);
        txtLocation->selectAll();
    }
    ShowModalNonBlocking();
}

void TConfiguration::ShowModal() {
    if (isVisible()) {
        ShowModalNonBlocking();
        return;
    }
    QEventLoop loop;
    connect(this, &TConfiguration::Closed, &loop, &QEventLoop::quit);
    ShowModalNonBlocking();
    if (isVisible()) loop.exec(QEventLoop::DialogExec);
}

void TConfiguration::FormShow() {
    // Centred over the main window, kept on the screen.
    if (owner_)
        CentreOver(*owner_);
    else
        CentreOnScreen();
    KeepOnScreen();

    for (QWidget* field :
         std::initializer_list<QWidget*>{txtLatDeg, txtLatMin, txtLatSec, txtLongDeg, txtLongMin,
                                         txtLongSec, txtLocation, pNSDirection, pEWDirection})
        field->setStyleSheet(QString::fromLatin1(kFieldStyle));
    for (QComboBox* list : {cmbDayOrder, cmbDateFormat, cmbLanguage, cmbTimeZone}) {
        list->setStyleSheet(QString::fromLatin1(kListStyle));
        FitOpenList(list);
    }

    toldNotSaved_ = false;
    // Filled now as well as on activation: a window manager may never activate the window.
    FormActivate();
    if (firstRun_) {
        // Typing replaces the suggestion and searches.
        txtLocation->setFocus(Qt::OtherFocusReason);
        txtLocation->selectAll();
    } else {
        txtLatDeg->setFocus(Qt::OtherFocusReason);
    }
}

void TConfiguration::FormActivate() {
    const TSettings& s = session_.Settings();
    txtLocation->setText(QString::fromStdString(s.Location));
    txtLatDeg->setText(QString::fromStdString(s.LatDeg));
    txtLatMin->setText(QString::fromStdString(s.LatMin));
    txtLatSec->setText(QString::fromStdString(s.LatSec));
    pNSDirection->setText(SideName(true, s.LatDir == TNorthSouth::South));
    txtLongDeg->setText(QString::fromStdString(s.LongDeg));
    txtLongMin->setText(QString::fromStdString(s.LongMin));
    txtLongSec->setText(QString::fromStdString(s.LongSec));
    pEWDirection->setText(SideName(false, s.LongDir == TEastWest::West));
    tiedName_ = txtLocation->text();
    locationKind_ = LocationKind::Tied;
    coordinatesByHand_ = false;

    cmbDayOrder->setCurrentIndex(s.DayOrder < cmbDayOrder->count() ? s.DayOrder : -1);
    ShowDatePattern();
    const auto languages = LanguageWords();
    const auto known = std::find(languages.begin(), languages.end(), s.Language);
    cmbLanguage->setCurrentIndex(
        known == languages.end() ? 0 : 1 + static_cast<int>(known - languages.begin()));
    chkDaylightSavings->setChecked(s.DaylightSavings);
    const int zone = static_cast<int>(s.TimeZoneIdx);
    cmbTimeZone->setCurrentIndex(zone >= 0 && zone < cmbTimeZone->count() ? zone : -1);
    if (!s.ZoneName.empty()) {
        cmbTimeZone->setCurrentIndex(-1);
        cmbTimeZone->setEditText(QString::fromStdString(s.ZoneName));
    }
    acceptedZone_ = cmbTimeZone->currentText();

    ChoosePrinter(s.PrinterType);

    filledValues_ = ShownValues();
    if (suggestion_) {
        ChoosePlace(*suggestion_);
        txtLocation->selectAll(); // typing replaces it and searches
    }
    ShowZone();
}

void TConfiguration::ShowDatePattern() {
    const TSettings& s = session_.Settings();
    cmbDateFormat->setCurrentIndex(s.DateLayoutIdx < cmbDateFormat->count() ? s.DateLayoutIdx : -1);
    // A pattern of the user's own, not in the list, is shown as it is, so that saving again
    // keeps it.
    const QString pattern = QString::fromStdString(s.DateFormat);
    if (!pattern.trimmed().isEmpty() &&
        pattern.compare(cmbDateFormat->currentText(), Qt::CaseInsensitive) != 0)
        cmbDateFormat->setEditText(pattern);
}

// ----- hemisphere and side ----------------------------------------------------------------

QString TConfiguration::SideName(bool latitude, bool southOrWest) {
    if (latitude) return southOrWest ? tr("South") : tr("North");
    return southOrWest ? tr("West") : tr("East");
}

void TConfiguration::NSSpinButtonUpClick() {
    pNSDirection->setText(SideName(true, pNSDirection->text() == SideName(true, false)));
    CoordinatesEdited();
}

void TConfiguration::NSSpinButtonDownClick() {
    NSSpinButtonUpClick();
}

void TConfiguration::EWSpinButtonUpClick() {
    pEWDirection->setText(SideName(false, pEWDirection->text() == SideName(false, false)));
    CoordinatesEdited();
}

void TConfiguration::EWSpinButtonDownClick() {
    EWSpinButtonUpClick();
}

// ----- coordinate edits -------------------------------------------------------------------

char16_t TConfiguration::ProcessKey(char16_t key) {
    if ((key >= u'0' && key <= u'9') || key == 8 || key == 13) return key;
    return 0;
}

std::optional<TConfiguration::TPastedCoordinate>
TConfiguration::ParseCoordinate(const QString& text, bool latitude) {
    QString rest = text.trimmed();
    if (rest.isEmpty()) return std::nullopt;
    // A hemisphere letter at either end.
    std::optional<QChar> side;
    for (const bool atEnd : {true, false}) {
        const QChar c = (atEnd ? rest.back() : rest.front()).toUpper();
        if (c == u'N' || c == u'S' || c == u'E' || c == u'W') {
            if (side) return std::nullopt;
            side = c;
            rest = (atEnd ? rest.chopped(1) : rest.mid(1)).trimmed();
            if (rest.isEmpty()) return std::nullopt;
        }
    }
    if (side && (*side == u'N' || *side == u'S') != latitude) return std::nullopt;
    // A sign: the hyphen, the minus sign or the en dash.
    bool negative = false;
    if (rest.front() == u'-' || rest.front() == QChar(0x2212) || rest.front() == QChar(0x2013)) {
        negative = true;
        rest = rest.mid(1);
    } else if (rest.front() == u'+') {
        rest = rest.mid(1);
    }
    if (negative && side) return std::nullopt; // "-51 N" says two things
    // Numbers separated by blanks, degree, minute and second marks or colons.
    static const QRegularExpression separators(
        QStringLiteral("[\\s\u00B0\u00BA\u2032\u2033'\":]+"));
    static const QRegularExpression number(QStringLiteral("^\\d+([.,]\\d+)?$"));
    const QStringList parts = rest.split(separators, Qt::SkipEmptyParts);
    if (parts.isEmpty() || parts.size() > 3) return std::nullopt;
    double value[3] = {0, 0, 0};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (!number.match(parts[i]).hasMatch()) return std::nullopt;
        // Only the last number may have a fraction.
        const bool fraction = parts[i].contains(u'.') || parts[i].contains(u',');
        if (fraction && i + 1 < parts.size()) return std::nullopt;
        value[i] = QString(parts[i]).replace(u',', u'.').toDouble();
    }
    if (value[1] >= 60 || value[2] >= 60) return std::nullopt;
    const double seconds = std::round((value[0] * 60.0 + value[1]) * 60.0 + value[2]);
    if (seconds > (latitude ? 90.0 : 180.0) * 3600.0) return std::nullopt;
    const long total = std::lround(seconds);
    TPastedCoordinate c{static_cast<int>(total / 3600), static_cast<int>(total / 60 % 60),
                        static_cast<int>(total % 60), false};
    // What rounds to 0" has no side.
    c.SouthOrWest = total != 0 && (negative || (side && (*side == u'S' || *side == u'W')));
    return c;
}

bool TConfiguration::PasteCoordinate(QLineEdit* edit, const QString& text) {
    const bool latitude = edit == txtLatDeg || edit == txtLatMin || edit == txtLatSec;
    const bool longitude = edit == txtLongDeg || edit == txtLongMin || edit == txtLongSec;
    if (!latitude && !longitude) return false;
    const std::optional<TPastedCoordinate> c = ParseCoordinate(text, latitude);
    if (!c) return false;
    if (latitude) {
        txtLatDeg->setText(Digits(c->Deg, 2));
        txtLatMin->setText(Digits(c->Min, 2));
        txtLatSec->setText(Digits(c->Sec, 2));
        pNSDirection->setText(SideName(true, c->SouthOrWest));
    } else {
        txtLongDeg->setText(Digits(c->Deg, 3));
        txtLongMin->setText(Digits(c->Min, 2));
        txtLongSec->setText(Digits(c->Sec, 2));
        pEWDirection->setText(SideName(false, c->SouthOrWest));
    }
    CoordinatesEdited();
    return true;
}

void TConfiguration::txtLatDegExit() {
    FillTo(txtLatDeg, 2);
}
void TConfiguration::txtLatMinExit() {
    FillTo(txtLatMin, 2);
}
void TConfiguration::txtLatSecExit() {
    FillTo(txtLatSec, 2);
}
void TConfiguration::txtLongDegExit() {
    FillTo(txtLongDeg, 3);
}
void TConfiguration::txtLongMinExit() {
    FillTo(txtLongMin, 2);
}
void TConfiguration::txtLongSecExit() {
    FillTo(txtLongSec, 2);
}

void TConfiguration::FillCoordinates() {
    txtLatDegExit();
    txtLatMinExit();
    txtLatSecExit();
    txtLongDegExit();
    txtLongMinExit();
    txtLongSecExit();
}

QString TConfiguration::CheckCoordinates(QLineEdit** offending) const {
    const QString arcParts = tr("Minutes and seconds of arc must be from 00 to 59.");
    for (QLineEdit* edit : {txtLatMin, txtLatSec, txtLongMin, txtLongSec}) {
        if (NumberOf(edit) > 59) {
            *offending = edit;
            return arcParts;
        }
    }
    const auto degrees = [](const QLineEdit* d, const QLineEdit* m, const QLineEdit* s) {
        return NumberOf(d) * 3600 + NumberOf(m) * 60 + NumberOf(s); // in seconds of arc
    };
    if (degrees(txtLatDeg, txtLatMin, txtLatSec) > 90 * 3600) {
        *offending = txtLatDeg;
        return tr("The latitude must be from 0\u00B0 to 90\u00B0.");
    }
    if (degrees(txtLongDeg, txtLongMin, txtLongSec) > 180 * 3600) {
        *offending = txtLongDeg;
        return tr("The longitude must be from 0\u00B0 to 180\u00B0.");
    }
    return {};
}

// ----- places and zones -------------------------------------------------------------------

void TConfiguration::txtLocationEdited(const QString& text) {
    locationKind_ = coordinatesByHand_ ? LocationKind::Own : LocationKind::Search;
    const QString wanted = text.trimmed();
    if (wanted.isEmpty()) {
        OfferPlaces(wanted, {});
        return;
    }
    search_->Find(wanted);
}

void TConfiguration::OfferPlaces(const QString& text, const std::vector<TPlace>& places) {
    if (text != txtLocation->text().trimmed()) return; // typed on since: another answer follows
    placeMatches_ = places;
    placeModel_->clear();
    for (std::size_t i = 0; i < places.size(); ++i) {
        auto* item = new QStandardItem(QString::fromStdString(PlaceTitle(places[i])));
        item->setToolTip(item->text()); // in full where the list cuts it short
        item->setData(static_cast<int>(i), kPlaceRole);
        item->setEditable(false);
        placeModel_->appendRow(item);
    }
    const bool none = places.empty() && !text.isEmpty();
    if (none != lblNoPlace->isVisible()) {
        lblNoPlace->setVisible(none);
        if (none) AnnounceChange(lblNoPlace);
    }
    if (places.empty() || !txtLocation->hasFocus()) {
        PlaceCompleter->popup()->hide();
    } else {
        const int left = kPlaceListLeft - txtLocation->x();
        PlaceCompleter->complete(
            QRect(left, 0, kPlaceListRight - kPlaceListLeft, txtLocation->height()));
        // Whole rows only: the completer's estimate of the frame misses the list's border.
        QAbstractItemView* list = PlaceCompleter->popup();
        const int rows =
            std::min(static_cast<int>(places.size()), PlaceCompleter->maxVisibleItems());
        list->resize(list->width(), rows * list->sizeHintForRow(0) + 2 * list->frameWidth());
    }
    emit PlacesOffered();
}

void TConfiguration::ChoosePlace(const TPlace& place) {
    tiedName_ = LocationText(place);
    locationKind_ = LocationKind::Tied;
    coordinatesByHand_ = false;
    txtLocation->setText(tiedName_);
    txtLocation->setCursorPosition(0); // the name first, where the field is too narrow
    const TArc lat = ToArc(place.Latitude);
    const TArc lon = ToArc(place.Longitude);
    txtLatDeg->setText(Digits(lat.Deg, 2));
    txtLatMin->setText(Digits(lat.Min, 2));
    txtLatSec->setText(Digits(lat.Sec, 2));
    txtLongDeg->setText(Digits(lon.Deg, 3));
    txtLongMin->setText(Digits(lon.Min, 2));
    txtLongSec->setText(Digits(lon.Sec, 2));
    // The gazetteer counts north and east positive; what rounds to 0" has no side.
    const bool south = place.Latitude < 0 && (lat.Deg | lat.Min | lat.Sec) != 0;
    const bool west = place.Longitude < 0 && (lon.Deg | lon.Min | lon.Sec) != 0;
    pNSDirection->setText(SideName(true, south));
    pEWDirection->setText(SideName(false, west));
    // A zone this computer does not know leaves the zone as it was.
    if (TimeZoneRule(place.TimeZone)) {
        cmbTimeZone->setCurrentIndex(-1);
        cmbTimeZone->setEditText(QString::fromStdString(place.TimeZone));
        acceptedZone_ = cmbTimeZone->currentText();
    }
    ShowZone();
    PlaceCompleter->popup()->hide();
}

std::string TConfiguration::ShownZoneName() const {
    if (SelectedPosition(cmbTimeZone) >= 0) return {};
    const std::string text = cmbTimeZone->currentText().trimmed().toStdString();
    return TimeZoneRule(text) ? text : std::string();
}

void TConfiguration::CoordinatesEdited() {
    coordinatesByHand_ = true;
    if (locationKind_ == LocationKind::Own) return;
    tiedName_ = CoordinatesName();
    locationKind_ = LocationKind::Tied;
    txtLocation->setText(tiedName_);
    txtLocation->setCursorPosition(0);
}

QString TConfiguration::CoordinatesName() const {
    const auto arc = [](const QLineEdit* d, const QLineEdit* m, const QLineEdit* s,
                        const QLabel* side) {
        return QStringLiteral("%1\u00B0 %2\u2032 %3\u2033 %4")
            .arg(NumberOf(d))
            .arg(Digits(NumberOf(m), 2), Digits(NumberOf(s), 2), side->text().left(1));
    };
    return arc(txtLatDeg, txtLatMin, txtLatSec, pNSDirection) + QStringLiteral(", ") +
           arc(txtLongDeg, txtLongMin, txtLongSec, pEWDirection);
}

bool TConfiguration::CheckLocation() {
    const QString typed = txtLocation->text().trimmed();
    if (locationKind_ != LocationKind::Search || typed.isEmpty() || typed == tiedName_.trimmed() ||
        FindPlaces(typed.toStdString(), 1).empty())
        return true;
    // A search typed over the place's name and never picked, or a name the user means: only
    // the user can tell, so ask.
    const QString place = tiedName_.trimmed().isEmpty()
                              ? tr("these coordinates")
                              : tr("these coordinates (now \u201C%1\u201D)").arg(tiedName_);
    if (Ask(tr("\u201C%1\u201D was not picked from the places offered. Keep it as the name of "
               "%2?")
                .arg(Shortened(typed), place),
            tr("Keep the Name"), tr("Go Back"), this)) {
        locationKind_ = LocationKind::Own;
        return true;
    }
    txtLocation->setFocus(Qt::OtherFocusReason);
    txtLocation->selectAll();
    return false;
}

bool TConfiguration::txtZoneExit() {
    if (checkingZone_) return false;
    const QString typed = cmbTimeZone->currentText().trimmed();
    if (SelectedPosition(cmbTimeZone) >= 0 || !ShownZoneName().empty()) {
        acceptedZone_ = typed;
        return true;
    }
    const auto showAccepted = [this] {
        const int entry = cmbTimeZone->findText(acceptedZone_);
        cmbTimeZone->setCurrentIndex(entry);
        if (entry < 0) cmbTimeZone->setEditText(acceptedZone_);
    };
    if (typed.isEmpty()) {
        showAccepted();
        return true;
    }
    const std::vector<std::string> closest = ClosestZoneNames(typed.toStdString());
    if (!closest.empty() &&
        typed.compare(QString::fromStdString(closest.front()), Qt::CaseInsensitive) == 0) {
        cmbTimeZone->setEditText(QString::fromStdString(closest.front()));
        acceptedZone_ = cmbTimeZone->currentText();
        return true;
    }
    // The field shows the previous zone before the message takes the focus from it.
    showAccepted();
    QStringList names;
    for (const std::string& name : closest) names << QString::fromStdString(name);
    const QString hint =
        names.isEmpty()
            ? tr("Zone names look like Europe/Paris or America/New_York.")
            : tr("The closest zone names are: %1.").arg(names.join(QStringLiteral(", ")));
    checkingZone_ = true;
    ShowWarning(tr("\u201C%1\u201D is not a time zone this computer knows. %2 The time zone "
                   "stays %3.")
                    .arg(Shortened(typed), hint, acceptedZone_),
                this);
    checkingZone_ = false;
    cmbTimeZone->setFocus(Qt::OtherFocusReason);
    cmbTimeZone->lineEdit()->selectAll();
    return false;
}

void TConfiguration::ShowZone() {
    const bool named = !ShownZoneName().empty();
    // A fixed offset shows whole ("GMT + 12:00" is wider than the layout's 85 pixels in some
    // faces) without reaching the daylight-saving caption.
    static const int offsetWidth =
        std::clamp(FieldWidthFor(TimeZoneNames()), kZoneListWidth, kZoneListMost);
    cmbTimeZone->resize(named ? kZoneNameWidth : offsetWidth, cmbTimeZone->height());
    cmbTimeZone->setToolTip(named ? cmbTimeZone->currentText().trimmed() : QString());
    Label12->setVisible(!named);
    chkDaylightSavings->setVisible(!named);
}

// ----- printer ----------------------------------------------------------------------------

ImageControl* TConfiguration::PrinterPicture(TPrinterType printer) const {
    switch (printer) {
    case TPrinterType::BWInkjet:
        return imgBWInkjet;
    case TPrinterType::ColourInkjet:
        return imgColourInkjet;
    case TPrinterType::Laser:
        break;
    }
    return imgLaser;
}

void TConfiguration::ChoosePrinter(TPrinterType printer) {
    for (ImageControl* p : {imgLaser, imgBWInkjet, imgColourInkjet})
        p->SetPicture(p == PrinterPicture(printer) ? imgRBSet : imgRBUnset);
    const std::pair<ClickRegion*, TPrinterType> captions[] = {
        {lblLaser, TPrinterType::Laser},
        {lblBWInkjet, TPrinterType::BWInkjet},
        {lblColourPrinter, TPrinterType::ColourInkjet}};
    for (const auto& [caption, type] : captions) SetAccessibleChecked(caption, type == printer);
    printer_ = printer;
}

void TConfiguration::imgLaserClick() {
    ChoosePrinter(TPrinterType::Laser);
}
void TConfiguration::lblLaserClick() {
    imgLaserClick();
}
void TConfiguration::imgBWInkjetClick() {
    ChoosePrinter(TPrinterType::BWInkjet);
}
void TConfiguration::lblBWInkjetClick() {
    imgBWInkjetClick();
}
void TConfiguration::imgColourInkjetClick() {
    ChoosePrinter(TPrinterType::ColourInkjet);
}
void TConfiguration::lblColourPrinterClick() {
    imgColourInkjetClick();
}

// ----- saving and closing -----------------------------------------------------------------

void TConfiguration::lblExitClick() {
    if (Save()) close();
}

QStringList TConfiguration::ShownValues() const {
    QStringList values;
    for (const auto& [edit, width] :
         {std::pair{txtLatDeg, 2}, std::pair{txtLatMin, 2}, std::pair{txtLatSec, 2},
          std::pair{txtLongDeg, 3}, std::pair{txtLongMin, 2}, std::pair{txtLongSec, 2}})
        values << ZeroFilled(edit->text(), width);
    values << pNSDirection->text() << pEWDirection->text() << txtLocation->text()
           << cmbDayOrder->currentText() << cmbDateFormat->currentText()
           << cmbLanguage->currentText() << cmbTimeZone->currentText().trimmed()
           << QString::number(chkDaylightSavings->isChecked())
           << QString::fromStdString(Word(printer_));
    return values;
}

bool TConfiguration::HasUnsavedChanges() const {
    return ShownValues() != filledValues_;
}

bool TConfiguration::SavedOrDiscarded() {
    if (!HasUnsavedChanges()) return true;
    switch (AskToSave(tr("Your changes to the settings have not been saved. Save them before "
                         "the window closes?"),
                      this)) {
    case SaveChoice::Save:
        return Save();
    case SaveChoice::Discard:
        return true;
    case SaveChoice::Cancel:
        break;
    }
    return false;
}

bool TConfiguration::Save() {
    // The exit region takes no focus, so the edit being typed in has not been left: fill
    // every coordinate as leaving it would, so that nothing empty is stored.
    FillCoordinates();
    QLineEdit* offending = nullptr;
    const QString problem = CheckCoordinates(&offending);
    if (!problem.isEmpty()) {
        ShowWarning(problem, this);
        offending->setFocus(Qt::OtherFocusReason);
        offending->selectAll();
        return false;
    }

    if (!txtZoneExit() || !CheckLocation()) return false;

    // A pattern typed into the date list must make a date; otherwise the previous one stays.
    const QString typedPattern = cmbDateFormat->currentText().trimmed();
    if (!typedPattern.isEmpty() && !IsDatePattern(Cut(cmbDateFormat->currentText(), 12))) {
        ShowWarning(tr("\u201C%1\u201D is not a date pattern: it needs a day (dd), a "
                       "month (mm) and a year (yyyy), as in dd/mm/yyyy. The "
                       "pattern %2 is kept.")
                        .arg(Shortened(typedPattern),
                             QString::fromStdString(session_.Settings().DateFormat)),
                    this);
        ShowDatePattern();
        cmbDateFormat->setFocus(Qt::OtherFocusReason);
        return false;
    }

    TSettings s = session_.Settings();
    s.LatDeg = Cut(txtLatDeg->text(), 3);
    s.LatMin = Cut(txtLatMin->text(), 2);
    s.LatSec = Cut(txtLatSec->text(), 2);
    s.LatDir =
        pNSDirection->text() == SideName(true, true) ? TNorthSouth::South : TNorthSouth::North;
    s.LongDeg = Cut(txtLongDeg->text(), 3);
    s.LongMin = Cut(txtLongMin->text(), 2);
    s.LongSec = Cut(txtLongSec->text(), 2);
    s.LongDir = pEWDirection->text() == SideName(false, false) ? TEastWest::East : TEastWest::West;
    s.Location = Cut(txtLocation->text(), 64);

    // A list left without a selected entry keeps the previous setting.
    if (const int day = SelectedPosition(cmbDayOrder); day >= 0)
        s.DayOrder = static_cast<std::uint8_t>(day);
    if (const int layout = SelectedPosition(cmbDateFormat); layout >= 0)
        s.DateLayoutIdx = static_cast<std::uint8_t>(layout);
    // The text shown is the pattern, also one typed that is not in the list; an empty one
    // would leave the dates blank, so the previous pattern stays.
    if (!cmbDateFormat->currentText().trimmed().isEmpty())
        s.DateFormat = Cut(cmbDateFormat->currentText(), 12);
    // An entry of the list is a fixed offset and sets a named zone aside; a zone name shown
    // (picked with a place, or typed) is the zone.
    if (const int zone = SelectedPosition(cmbTimeZone); zone >= 0) {
        s.TimeZoneIdx = zone;
        s.ZoneName.clear();
    } else if (std::string named = ShownZoneName(); !named.empty()) {
        s.ZoneName = std::move(named);
    }
    s.DaylightSavings = chkDaylightSavings->isChecked();
    s.PrinterType = printer_;
    const int language = cmbLanguage->currentIndex();
    if (language == 0)
        s.Language = kSystemLanguage;
    else if (language > 0 && static_cast<std::size_t>(language) <= LanguageWords().size())
        s.Language = LanguageWords()[static_cast<std::size_t>(language - 1)];
    const bool languageChanged = s.Language != session_.Settings().Language;

    // Only an existing key is written. When the values cannot be written they hold in memory
    // only, and the user is told so before the window closes: a second exit closes it.
    std::string whyNotSaved;
    const bool saved = session_.SaveSettings(s, &whyNotSaved);
    if (!saved && !WarnedNotSavedBefore(toldNotSaved_, tr("Your settings"),
                                        QString::fromStdString(whyNotSaved),
                                        tr("Click the exit again to close this "
                                           "window without saving them."),
                                        this))
        return false;
    // The windows are made in one language; another takes effect at the next start.
    if (languageChanged)
        ShowMessage(tr("Crescendar will show its texts in the chosen language from its next "
                       "start."),
                    this);
    // Saved, or kept in memory only as the user has been told: no longer changes.
    filledValues_ = ShownValues();
    return true;
}

void TConfiguration::closeEvent(QCloseEvent* e) {
    const bool shown = isVisible();
    if (shown && e->spontaneous() && !SavedOrDiscarded()) {
        e->ignore();
        return;
    }
    e->accept();
    PlaceCompleter->popup()->hide();
    firstRun_ = false;
    suggestion_.reset();
    if (shown) emit Closed();
}

} // namespace crescendar
