#include "fEclipseReport.h"

#include "Clock.h"
#include "Dialogs.h"
#include "Palette.h"
#include "fEclipseWindow.h"

#include "Calendar.h"
#include "Session.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QRegularExpressionValidator>
#include <QWheelEvent>

#include <algorithm>

namespace crescendar {

namespace {

constexpr int kWidth = 390;
constexpr int kHeight = 285;
constexpr int kDataWidth = 335;
constexpr int kDataHeight = 192;
constexpr int kListLeft = 20;
constexpr int kListTop = 73;
constexpr int kListHeight = 191; // the last pixel row of the picture is under the bottom band
// Years computed between two looks at the window's other events.
constexpr int kYearsPerStep = 200;

// The busy cursor while the list is computed.
class BusyCursor {
  public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

TEclipseReport::TEclipseReport(TSession& session, QWidget* owner, const QWidget* anchor,
                               TEclipse* eclipse)
    : SkinWindow(owner), session_(session), owner_(owner), anchor_(anchor), eclipse_(eclipse) {
    setObjectName(QStringLiteral("EclipseReport"));
    setWindowTitle(QStringLiteral("Eclipse Finder"));
}

void TEclipseReport::ShowEclipseReport() {
    show();
    raise();
    activateWindow();
}

void TEclipseReport::FormCreate() {
    SetClientSize(kWidth, kHeight);
    SetBackground(QImage(QStringLiteral(":/eclipse/report_bgnd.jpg")));
    imgData.SetSize(kDataWidth, kDataHeight);

    auto caption = [this](int left, const QString& text) {
        auto* l = new ClickRegion(this);
        l->move(left, 46);
        l->SetFontName(QStringLiteral("Arial"));
        l->SetFontSize(ScaledFontSize(8));
        l->SetFontColor(Qt::black);
        l->SetAutoSize(true);
        l->SetText(text);
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        return l;
    };
    Label1 = caption(20, QStringLiteral("From:"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = caption(90, QStringLiteral("To:"));
    Label2->setObjectName(QStringLiteral("Label2"));

    // Digits only (typed or pasted), at most four.
    auto yearBox = [this](int left, const QString& text) {
        auto* box = new QLineEdit(text, this);
        box->setGeometry(left, 44, 31, 18);
        box->setMaxLength(4);
        box->setFrame(false);
        box->setAlignment(Qt::AlignCenter);
        box->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(12);
        box->setFont(font);
        box->setTextMargins(0, 0, 0, 0);
        box->setStyleSheet(QStringLiteral("QLineEdit { background: white; color: black; "
                                          "border: none; padding: 0px; "
                                          "selection-background-color: #2860c0; }"));
        return box;
    };
    txtFromYear = yearBox(52, QStringLiteral("1999"));
    txtFromYear->setObjectName(QStringLiteral("txtFromYear"));
    txtToYear = yearBox(110, QStringLiteral("2001"));
    txtToYear->setObjectName(QStringLiteral("txtToYear"));

    lblCalculate = new ClickRegion(
        this, 288, 42, 83, 21,
        QStringLiteral("Calculate dates of eclipses between the two selected years"));
    lblCalculate->setObjectName(QStringLiteral("lblCalculate"));
    connect(lblCalculate, &ClickRegion::Clicked, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton) lblCalculateClick();
    });
    lblExit = new ClickRegion(this, 363, 14, 13, 15, QStringLiteral("Exit Crescendar"));
    lblExit->setObjectName(QStringLiteral("lblExit"));
    SetExitRegion(lblExit);
    lblTitle = new ClickRegion(this, 126, 10, 137, 23);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    SetTitleRegion(lblTitle);
    lblSelectedDate = new ClickRegion(this);
    lblSelectedDate->setObjectName(QStringLiteral("lblSelectedDate"));
    lblSelectedDate->hide();

    ScrollBar1 = new QScrollBar(Qt::Vertical, this);
    ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
    ScrollBar1->setRange(0, 0);
    ScrollBar1->setSingleStep(1);
    ScrollBar1->setPageStep(kVisibleLines);
    ScrollBar1->setFixedWidth(16);
    ScrollBar1->setGeometry(kWidth - 16 - 21, kListTop, 16, kListHeight);
    ScrollBar1->setStyleSheet(QStringLiteral(
        "QScrollBar:vertical { background: #0a1026; width: 16px; margin: 16px 0 16px 0; "
        "border: 1px solid #28304a; }"
        "QScrollBar::handle:vertical { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, "
        "stop:0 #b0bacc, stop:1 #707c94); min-height: 20px; border-radius: 3px; margin: 1px; }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { background: #22355f; "
        "height: 16px; subcontrol-origin: margin; border: 1px solid #3a4a72; }"
        "QScrollBar::add-line:vertical { subcontrol-position: bottom; }"
        "QScrollBar::sub-line:vertical { subcontrol-position: top; }"
        "QScrollBar::up-arrow:vertical { image: url(:/eclipse/scroll_up.png); }"
        "QScrollBar::down-arrow:vertical { image: url(:/eclipse/scroll_down.png); }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }"));
    connect(ScrollBar1, &QScrollBar::valueChanged, this, [this] { ScrollBar1Change(); });
}

void TEclipseReport::FormShow() {
    if (owner_ && anchor_) {
        move(owner_->x() + anchor_->x(), owner_->y() + 40);
        KeepOnScreen();
    }
    computed_ = false;
    const QString year = QString::number(session_.AtPlace(CurrentClock().Now()).date().year());
    txtFromYear->setText(year);
    txtToYear->setText(year);
    ScrollBar1->setMaximum(0);
    ClearCanvas();
}

void TEclipseReport::FormActivate() {
    ScrollBar1->setMinimum(0);
    ScrollBar1->setGeometry(width() - ScrollBar1->width() - 21, kListTop, ScrollBar1->width(),
                            kListHeight);
    Canvas& c = imgData.GetCanvas();
    c.FillRect(Rect(0, 0, imgData.Width(), imgData.Height()), palette::Screen);
    c.SetPenColor(palette::Screen);
    c.SetFontName(QStringLiteral("Arial"));
    c.SetFontSize(ScaledFontSize(8));
    if (computed_) DisplayDataBitmap();
}

void TEclipseReport::lblCalculateClick() {
    const QString from = txtFromYear->text().trimmed();
    const QString to = txtToYear->text().trimmed();
    if (from.isEmpty() || to.isEmpty()) {
        ShowMessage(QString::fromLatin1(kEmptyYearMessage), this);
        return;
    }
    if (to.toInt() < from.toInt()) {
        ShowMessage(QString::fromLatin1(kFromToMessage), this);
        return;
    }
    computed_ = true;
    CalculateEclipses();
    SetupDataBitmap();
    DisplayDataBitmap();
}

void TEclipseReport::CalculateEclipses() {
    rows_.clear();
    const int from = txtFromYear->text().toInt();
    const int to = txtToYear->text().toInt();
    if (to < from) return;
    const Observer observer = session_.GetObserver();
    BusyCursor busy;
    // A long range is computed in steps, the window repainting between them.
    for (int year = from; year <= to; year += kYearsPerStep) {
        const int last = std::min(to, year + kYearsPerStep - 1);
        for (const TEclipseResult& r : FindEclipses(year, last, observer)) {
            rows_.push_back({r.EclipseType, SubText(r.MaximumText + "  " + r.DateText, 1, 27),
                             r.VisibilityText, r.MaximumDate, r});
        }
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

void TEclipseReport::SetupDataBitmap() {
    const int rows = static_cast<int>(rows_.size());
    ScrollBar1->setMaximum(rows > kVisibleLines ? rows - kVisibleLines : 0);
}

int TEclipseReport::VisibleLines() const {
    return std::min(static_cast<int>(rows_.size()), kVisibleLines);
}

void TEclipseReport::DisplayDataBitmap() {
    Canvas& c = imgData.GetCanvas();
    c.FillRect(Rect(0, 0, imgData.Width(), imgData.Height()), palette::Screen);
    const int lines = VisibleLines();
    const int first = ScrollBar1->value();
    // Bands by position in the whole list, so that they move with the rows.
    for (int a = 0; a < lines; ++a) {
        const QColor band = (a + first) % 2 == 1 ? palette::RowBand : palette::Screen;
        c.FillRect(Rect(0, kLineHeight * a, imgData.Width(), kLineHeight * (a + 1)), band);
    }
    c.SetBrushStyle(BrushStyle::Clear);
    // Columns at 10, 100 and 250, moved right when a wider font would make them touch.
    const int dateX = std::max(
        100, 10 + c.TextWidth(QString::fromLatin1(EclipseTypeName(kPenumbralEclipse))) + 6);
    const int visibilityX =
        std::max(250, dateX + c.TextWidth(QStringLiteral("00:00  30 September 9999")) + 6);
    for (int a = 0; a < lines; ++a) {
        const std::size_t index = static_cast<std::size_t>(a + first);
        if (index >= rows_.size()) break;
        const TEclipseRow& row = rows_[index];
        const int y = kLineHeight * a + 1;
        c.SetFontColor(Qt::white);
        c.TextOut(10, y, QString::fromLatin1(EclipseTypeName(row.EclipseType)));
        c.SetFontColor(palette::DayText);
        c.TextOut(dateX, y, QString::fromStdString(row.TimeAndDate));
        c.SetFontColor(palette::StandardText);
        c.TextOut(visibilityX, y, QString::fromStdString(row.Visibility));
    }
    const int top = ScrollBar1->y();
    WindowCanvas().CopyRect(Rect(kListLeft, top, kListLeft + kDataWidth, top + kListHeight), c,
                            Rect(0, 0, kDataWidth, kListHeight));
}

void TEclipseReport::ScrollBar1Change() {
    if (computed_) DisplayDataBitmap();
}

void TEclipseReport::FormDblClick(QPoint at) {
    const int top = ScrollBar1->y();
    if (at.x() < kListLeft || at.x() >= kListLeft + imgData.Width()) return;
    if (at.y() < top || at.y() >= top + kLineHeight * VisibleLines()) return;
    const std::size_t index =
        static_cast<std::size_t>((at.y() - top) / kLineHeight + ScrollBar1->value());
    if (index >= rows_.size()) return;
    const TEclipseRow row = rows_[index]; // the main window's refresh may reach this window

    lblSelectedDate->SetText(QString::fromStdString(row.TimeAndDate));
    session_.SelectLocalMinute(row.MaximumDate);
    if (!eclipse_) return;

    // The month's eclipses as the session now holds them, showing the one of the line; the
    // line's own result when the month does not hold it.
    std::vector<TEclipseResult> list = session_.Eclipses();
    auto it = std::find_if(list.begin(), list.end(), [&](const TEclipseResult& r) {
        return r.DateText == row.Result.DateText && r.MaximumText == row.Result.MaximumText;
    });
    if (it == list.end()) {
        list = {row.Result};
        it = list.begin();
    }
    eclipse_->ShowEclipses(list, static_cast<std::size_t>(it - list.begin()));
    if (owner_) {
        const int left = owner_->x() + (owner_->width() - (eclipse_->width() + width())) / 2;
        eclipse_->move(left, eclipse_->y());
        move(left + eclipse_->width(), y());
    }
}

void TEclipseReport::lblExitClick() {
    close();
}

void TEclipseReport::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) FormDblClick(e->position().toPoint());
    SkinWindow::mouseDoubleClickEvent(e);
}

void TEclipseReport::wheelEvent(QWheelEvent* e) {
    const int steps = e->angleDelta().y() / 120;
    if (steps != 0) ScrollBar1->setValue(ScrollBar1->value() - 3 * steps);
    e->accept();
}

void TEclipseReport::closeEvent(QCloseEvent* e) {
    rows_.clear();
    rows_.shrink_to_fit();
    SkinWindow::closeEvent(e);
}

} // namespace crescendar
