#include "fEclipseReport.h"

#include "Clock.h"
#include "Command.h"
#include "Dialogs.h"
#include "Palette.h"
#include "fEclipseWindow.h"
#include "fSolarEclipseWindow.h"

#include "Calendar.h"
#include "Session.h"
#include "TableCommands.h"
#include "TableText.h"
#include "WindowKeys.h"

#include <QCloseEvent>
#include <QDir>
#include <QMouseEvent>
#include <QRegularExpressionValidator>
#include <QWheelEvent>

#include <algorithm>
#include <atomic>
#include <thread>
#include <utility>

namespace crescendar {

namespace {

constexpr int kWidth = 390;
constexpr int kHeight = 285;
constexpr int kDataWidth = 335;
constexpr int kDataHeight = 192;
constexpr int kListLeft = 20;
constexpr int kListTop = 73;
constexpr int kListHeight = 191; // the last pixel row of the picture is under the bottom band
// Years one worker computes before it looks for the next piece (and for a cancel).
constexpr int kYearsPerChunk = 50;
// How often the window looks at a running search, milliseconds.
constexpr int kPollInterval = 40;
// The status text between the year boxes and the Calculate button.
constexpr int kStatusLeft = 150;
constexpr int kStatusRight = 282;
// The width of a list line's body mark (a Sun or a crescent Moon) before its kind, drawn
// while the list may hold solar eclipses.
constexpr int kBodyMarkWidth = 12;

} // namespace

// A search in progress: the year range cut into chunks that the workers take in turn, each
// chunk's eclipses in its own slot, as list rows, so that joining them in chunk order keeps
// time order. The workers only read the observer (a copy) and write their own slots; the
// window reads the slots after joining the threads.
struct TEclipseReport::TSearch {
    Observer Obs;
    TEclipseChoice Choice = TEclipseChoice::Lunar;
    std::vector<std::pair<int, int>> Chunks;
    std::vector<std::vector<TEclipseRow>> Found;
    std::atomic<std::size_t> Next{0};
    std::atomic<std::size_t> Done{0};
    std::atomic<bool> Cancelled{false};
    std::vector<std::thread> Workers;

    void Work() {
        for (std::size_t i = Next++; i < Chunks.size() && !Cancelled; i = Next++) {
            const auto [first, last] = Chunks[i];
            std::vector<TEclipseRow>& found = Found[i];
            if (Choice != TEclipseChoice::Solar)
                for (const TEclipseResult& r : FindEclipses(first, last, Obs))
                    found.push_back(EclipseLine(r));
            if (Choice != TEclipseChoice::Lunar) {
                const auto lunar = static_cast<std::ptrdiff_t>(found.size());
                for (const TSolarEclipseAtPlace& e : FindSolarEclipses(first, last, Obs))
                    found.push_back(EclipseLine(e, Obs));
                // Each body's eclipses come in time order: merged, the chunk's are too.
                std::inplace_merge(found.begin(), found.begin() + lunar, found.end(),
                                   [](const TEclipseRow& a, const TEclipseRow& b) {
                                       return a.MaximumDate.JD < b.MaximumDate.JD;
                                   });
            }
            ++Done;
        }
    }
    void Join() {
        for (std::thread& t : Workers)
            if (t.joinable()) t.join();
    }
};

TEclipseReport::TEclipseReport(TSession& session, QWidget* owner, const QWidget* anchor,
                               std::function<TEclipse*()> lunarWindow,
                               std::function<TSolarEclipseWindow*()> solarWindow)
    : SkinWindow(owner), session_(session), owner_(owner), anchor_(anchor),
      lunarWindow_(std::move(lunarWindow)), solarWindow_(std::move(solarWindow)) {
    setObjectName(QStringLiteral("EclipseReport"));
    setWindowTitle(tr("Eclipse Finder"));
    pollTimer_.setInterval(kPollInterval);
    connect(&pollTimer_, &QTimer::timeout, this, [this] { PollSearch(); });
}

TEclipseReport::~TEclipseReport() {
    StopSearch();
}

void TEclipseReport::ShowEclipseReport() {
    show();
    raise();
    activateWindow();
}

void TEclipseReport::FormCreate() {
    SetClientSize(kWidth, kHeight);
    SetBackground(LoadPicture(QStringLiteral(":/eclipse/report_bgnd.jpg"), this));
    imgData.SetSize(kDataWidth, kDataHeight);

    // A caption in the window's small Arial, as wide as its text.
    auto caption = [this](QPoint at, const QString& text, const QColor& color) {
        auto* l = new ClickRegion(this);
        l->move(at);
        l->SetFontName(QStringLiteral("Arial"));
        l->SetFontSize(ScaledFontSize(8));
        l->SetFontColor(color);
        l->SetAutoSize(true);
        l->SetText(text);
        return l;
    };
    Label1 = caption({20, 46}, tr("From:"), Qt::black);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = caption({90, 46}, tr("To:"), Qt::black);
    Label2->setObjectName(QStringLiteral("Label2"));
    for (ClickRegion* label : {Label1, Label2})
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    // The boxes are named by what the captions say: a reader need not hear them twice.
    SetAccessibleRole(Label1, QAccessible::NoRole);
    SetAccessibleRole(Label2, QAccessible::NoRole);

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
    txtFromYear->setAccessibleName(tr("From year"));
    txtToYear->setAccessibleName(tr("To year"));

    lblCalculate = new ClickRegion(this, 288, 42, 83, 21);
    AddCaption(ShadowedCaption(tr("Calculate"), lblCalculate->geometry(), SkinSansFont(12, true),
                               Qt::white, QColor(10, 30, 90), Qt::AlignCenter));
    lblCalculate->setObjectName(QStringLiteral("lblCalculate"));
    OfferCommand(lblCalculate,
                 MakeCommand(this, "actCalculate", tr("Calculate"),
                             {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)},
                             tr("Calculate dates of eclipses between the two selected years"),
                             [this] { lblCalculateClick(); }));
    // Escape belongs to actCancel, which also closes the window when no search runs.
    lblExit = AddCloseMark(this, 363, 14, 13, 15, false);
    lblTitle = new ClickRegion(this, 126, 10, 137, 23);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    // Between the eclipsed Moon and the cross.
    AddCaption(ReportTitle(tr("Eclipse Finder"), lblTitle->geometry(), QRect(44, 10, 317, 23)));
    SetTitleRegion(lblTitle);
    lblSelectedDate = new ClickRegion(this);
    lblSelectedDate->setObjectName(QStringLiteral("lblSelectedDate"));
    lblSelectedDate->hide();

    lblStatus = new ClickRegion(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->move(kStatusLeft, 46);
    lblStatus->SetFontName(QStringLiteral("Arial"));
    lblStatus->SetFontSize(ScaledFontSize(8));
    lblStatus->SetFontColor(Qt::black);
    lblStatus->SetAutoSize(true);
    lblStatus->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblStatus->setAccessibleName(tr("Status"));

    barProgress = new QProgressBar(this);
    barProgress->setObjectName(QStringLiteral("barProgress"));
    barProgress->setGeometry(kStatusLeft, 49, 70, 10);
    barProgress->setRange(0, 100);
    barProgress->setTextVisible(false);
    barProgress->setAccessibleName(tr("Search progress"));
    barProgress->setStyleSheet(
        QStringLiteral("QProgressBar { background: #0a1026; border: 1px solid #28304a; }"
                       "QProgressBar::chunk { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                       "stop:0 #b0bacc, stop:1 #707c94); }"));
    barProgress->hide();

    lblCancel = new ClickRegion(this);
    lblCancel->setObjectName(QStringLiteral("lblCancel"));
    lblCancel->SetFontName(QStringLiteral("Arial"));
    lblCancel->SetFontSize(ScaledFontSize(8));
    lblCancel->SetFontColor(QColor(0x22, 0x35, 0x5f));
    lblCancel->SetFontBold(true);
    lblCancel->SetAutoSize(true);
    lblCancel->SetText(tr("Cancel"));
    lblCancel->setCursor(Qt::PointingHandCursor);
    lblCancel->move(kStatusRight - lblCancel->width(), 46);
    lblCancel->hide();
    // Escape stops a running search (the region stands only then); otherwise it closes the
    // window, as in the other windows.
    OfferCommand(lblCancel,
                 MakeCommand(this, "actCancel", tr("Cancel"), {QKeySequence(Qt::Key_Escape)},
                             tr("Stop the search"), [this] {
                                 if (Searching())
                                     CancelSearch();
                                 else
                                     close();
                             }));

    ScrollBar1 = new QScrollBar(Qt::Vertical, this);
    ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
    ScrollBar1->setRange(0, 0);
    ScrollBar1->setSingleStep(1);
    ScrollBar1->setPageStep(kVisibleLines);
    ScrollBar1->setFixedWidth(16);
    ScrollBar1->setFocusPolicy(Qt::NoFocus); // the list's own keys scroll it
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

    // The list as data, on the bottom band, ending at the list's right edge.
    lblSaveCsv = AddTextCommand(
        this, "lblSaveCsv", tr("Save as CSV\u2026"),
        MakeSaveCommand(this, tr("Save the list as a CSV file"), [this] { lblSaveCsvClick(); }));
    actCopy_ =
        MakeCopyCommand(this, tr("Copy the list for a spreadsheet"), [this] { lblCopyClick(); });
    lblCopy = AddTextCommand(this, "lblCopy", tr("Copy"), actCopy_);
    lblSaveCsv->move(kWidth - 20 - lblSaveCsv->width(), kListTop + kListHeight + 3);
    lblCopy->move(lblSaveCsv->x() - 14 - lblCopy->width(), lblSaveCsv->y());
    csvFolder_ = QDir::homePath();

    // The choice of what to list, on the bottom band from the list's left edge: radio
    // buttons as in the configuration window, a glyph and its caption each.
    radioSet_ = LoadPicture(QStringLiteral(":/eclipse/rb_set.png"), this);
    radioUnset_ = LoadPicture(QStringLiteral(":/eclipse/rb_unset.png"), this);
    sunMark_ = LoadPicture(QStringLiteral(":/eclipse/mark_sun.png"), this);
    moonMark_ = LoadPicture(QStringLiteral(":/eclipse/mark_moon.png"), this);
    int left = kListLeft;
    struct TNames {
        const char* Glyph;
        const char* Caption;
        const char* Command;
    };
    const auto choice = [this, &left, &caption](TNames names, const QString& text, Qt::Key key,
                                                const QString& hint, TEclipseChoice value) {
        auto* glyph = new ImageControl(this, left, kListTop + kListHeight + 3, radioUnset_, 15, 15);
        glyph->setObjectName(QLatin1String(names.Glyph));
        glyph->setCursor(Qt::PointingHandCursor);
        SetAccessibleRole(glyph, QAccessible::NoRole);
        ClickRegion* label = caption({left + 18, lblSaveCsv->y()}, text, Qt::white);
        label->setObjectName(QLatin1String(names.Caption));
        label->setCursor(Qt::PointingHandCursor);
        QAction* command = MakeCommand(this, names.Command, text, {QKeySequence(Qt::ALT | key)},
                                       hint, [this, value] { SetChoice(value); });
        OfferCommand(label, command);
        SetAccessibleRole(label, QAccessible::RadioButton);
        connect(glyph, &ClickRegion::Clicked, command, [command](Qt::MouseButton b) {
            if (b == Qt::LeftButton) command->trigger();
        });
        left = label->x() + label->width() + 12;
        return std::pair{glyph, label};
    };
    std::tie(imgLunar, lblLunar) =
        choice({"imgLunar", "lblLunar", "actLunar"}, tr("Lunar"), Qt::Key_L,
               tr("List the lunar eclipses"), TEclipseChoice::Lunar);
    std::tie(imgSolar, lblSolar) =
        choice({"imgSolar", "lblSolar", "actSolar"}, tr("Solar"), Qt::Key_S,
               tr("List the solar eclipses"), TEclipseChoice::Solar);
    std::tie(imgBoth, lblBoth) =
        choice({"imgBoth", "lblBoth", "actBoth"}, tr("Both"), Qt::Key_B,
               tr("List the lunar and the solar eclipses"), TEclipseChoice::Both);
    ShowChoice();

    tblEclipses = new AccessibleTable(
        this, "tblEclipses", QRect(kListLeft, kListTop, kDataWidth, kListHeight), tr("Eclipses"),
        {.Rows = {},
         .Headings =
             [this] {
                 QStringList headings;
                 for (const std::string& h : EclipseTableHeadings(ListWithBody()))
                     headings << QString::fromStdString(h);
                 return headings;
             },
         .CountRows = [this] { return static_cast<int>(rows_.size()); },
         .CellText =
             [this](int row, int column) {
                 const std::vector<std::string> cells =
                     EclipseLineTexts(rows_.at(static_cast<std::size_t>(row)), ListWithBody());
                 return QString::fromStdString(cells.at(static_cast<std::size_t>(column)));
             },
         .RowRect =
             [this](int row) {
                 const int line = row - ScrollBar1->value();
                 if (line < 0 || line >= VisibleLines()) return QRect();
                 return QRect(0, line * kLineHeight, kDataWidth, kLineHeight);
             },
         .ShowRow =
             [this](int row) {
                 if (row < ScrollBar1->value())
                     ScrollBar1->setValue(row);
                 else if (row >= ScrollBar1->value() + kVisibleLines)
                     ScrollBar1->setValue(row - kVisibleLines + 1);
             },
         .Activate = [this](int row) { OpenRow(static_cast<std::size_t>(row)); },
         .FirstColumnHeadsRows = false});
    setTabOrder(txtFromYear, txtToYear);
    setTabOrder(txtToYear, lblCalculate);
    setTabOrder(lblCalculate, lblCancel);
    setTabOrder(lblCancel, tblEclipses);
    setTabOrder(tblEclipses, lblLunar);
    setTabOrder(lblLunar, lblSolar);
    setTabOrder(lblSolar, lblBoth);
    setTabOrder(lblBoth, lblCopy);
    setTabOrder(lblCopy, lblSaveCsv);
    setTabOrder(lblSaveCsv, lblExit);
    ShowTableCommands();
}

void TEclipseReport::ShowTableCommands() {
    if (tblEclipses) tblEclipses->Refresh();
    const bool on = !rows_.empty() && !Searching();
    lblCopy->setVisible(on);
    lblSaveCsv->setVisible(on);
}

TTable TEclipseReport::Table() const {
    return EclipseTable(rows_, ListWithBody());
}

void TEclipseReport::SetChoice(TEclipseChoice choice) {
    if (choice == choice_) return;
    choice_ = choice;
    ShowChoice();
    // The list shown, or the search running, is of the other choice: its years again.
    if (Searching() || listDone_) Search(listFrom_, listTo_);
}

void TEclipseReport::ShowChoice() {
    const std::pair<ImageControl*, TEclipseChoice> glyphs[] = {{imgLunar, TEclipseChoice::Lunar},
                                                               {imgSolar, TEclipseChoice::Solar},
                                                               {imgBoth, TEclipseChoice::Both}};
    for (const auto& [glyph, value] : glyphs)
        glyph->SetPicture(value == choice_ ? radioSet_ : radioUnset_);
    const std::pair<ClickRegion*, TEclipseChoice> captions[] = {{lblLunar, TEclipseChoice::Lunar},
                                                                {lblSolar, TEclipseChoice::Solar},
                                                                {lblBoth, TEclipseChoice::Both}};
    for (const auto& [caption, value] : captions) SetAccessibleChecked(caption, value == choice_);
}

std::string TEclipseReport::TimeAndDate(const TEclipseRow& row) {
    return TimeAndDate(EclipseLineTexts(row));
}

std::string TEclipseReport::TimeAndDate(const std::vector<std::string>& cells) {
    return SubText(cells[2] + "  " + cells[3], 1, 27);
}

void TEclipseReport::lblCopyClick() {
    if (rows_.empty() || Searching()) {
        Beep();
        return;
    }
    CopyTable(Table());
}

void TEclipseReport::lblSaveCsvClick() {
    if (rows_.empty() || Searching()) {
        Beep();
        return;
    }
    const QString name = listFrom_ == listTo_
                             ? tr("Crescendar eclipses %1.csv").arg(listFrom_)
                             : tr("Crescendar eclipses %1-%2.csv").arg(listFrom_).arg(listTo_);
    SaveTableAsCsv(this, csvFolder_, name, tr("The eclipse list"), Table());
}

void TEclipseReport::FormShow() {
    if (owner_ && anchor_) PlaceBelow(*owner_, *anchor_);
    StopSearch();
    computed_ = false;
    listDone_ = false;
    lblStatus->SetText(QString());
    const QString year = QString::number(session_.AtPlace(CurrentClock().Now()).date().year());
    txtFromYear->setText(year);
    txtToYear->setText(year);
    ScrollBar1->setMaximum(0);
    ClearCanvas();
    ShowTableCommands();
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
    if (Searching()) return;
    const QString from = txtFromYear->text().trimmed();
    const QString to = txtToYear->text().trimmed();
    if (from.isEmpty() || to.isEmpty()) {
        ShowMessage(tr(kEmptyYearMessage), this);
        return;
    }
    // The boxes take four digits at most, so only 0 lies outside the years computed.
    const int fromYear = from.toInt();
    const int toYear = to.toInt();
    if (fromYear < 1 || toYear < 1 || fromYear > 9999 || toYear > 9999) {
        ShowMessage(tr(kYearRangeMessage), this);
        return;
    }
    if (toYear < fromYear) {
        ShowMessage(tr(kFromToMessage), this);
        return;
    }
    computed_ = true;
    CalculateEclipses();
}

void TEclipseReport::CalculateEclipses() {
    Search(txtFromYear->text().toInt(), txtToYear->text().toInt());
}

void TEclipseReport::Search(int from, int to) {
    StopSearch();
    rows_.clear();
    listDone_ = false;
    // A new list starts at its top.
    ScrollBar1->setMaximum(0);
    ScrollBar1->setValue(0);
    ShowTableCommands();
    if (to < from) return;
    listFrom_ = from;
    listTo_ = to;

    auto search = std::make_unique<TSearch>();
    search->Obs = session_.GetObserver();
    search->Choice = choice_;
    listObserver_ = search->Obs;
    listChoice_ = choice_;
    for (int year = from; year <= to; year += kYearsPerChunk)
        search->Chunks.emplace_back(year, std::min(to, year + kYearsPerChunk - 1));
    search->Found.resize(search->Chunks.size());
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t workers = std::min<std::size_t>(std::min(cores, 8u), search->Chunks.size());
    TSearch* s = search.get();
    for (std::size_t i = 0; i < workers; ++i) s->Workers.emplace_back([s] { s->Work(); });
    search_ = std::move(search);

    barProgress->setValue(0);
    ShowSearching(true);
    DisplayDataBitmap();
    pollTimer_.start();
}

void TEclipseReport::ShowSearching(bool on) {
    barProgress->setVisible(on);
    lblCancel->setVisible(on);
    lblStatus->move(on ? barProgress->x() + barProgress->width() + 6 : kStatusLeft, 46);
    if (on) lblStatus->SetText(tr("%1%").arg(0));
}

void TEclipseReport::PollSearch() {
    if (!search_) return;
    const std::size_t total = search_->Chunks.size();
    const std::size_t done = std::min(search_->Done.load(), total);
    const int percent = static_cast<int>(done * 100 / std::max<std::size_t>(total, 1));
    barProgress->setValue(percent);
    lblStatus->SetText(tr("%1%").arg(percent));
    if (done == total) FinishSearch();
}

void TEclipseReport::FinishSearch() {
    pollTimer_.stop();
    search_->Join();
    std::size_t count = 0;
    for (const std::vector<TEclipseRow>& chunk : search_->Found) count += chunk.size();
    rows_.reserve(count);
    for (const std::vector<TEclipseRow>& chunk : search_->Found)
        rows_.insert(rows_.end(), chunk.begin(), chunk.end());
    search_.reset();
    listDone_ = true;
    ShowSearching(false);
    const int n = static_cast<int>(rows_.size());
    lblStatus->SetText(tr("%n eclipse(s) found", nullptr, n));
    SetupDataBitmap();
    DisplayDataBitmap();
}

void TEclipseReport::StopSearch() {
    pollTimer_.stop();
    if (!search_) return;
    search_->Cancelled = true;
    search_->Join();
    search_.reset();
}

void TEclipseReport::CancelSearch() {
    if (!search_) return;
    StopSearch();
    ShowSearching(false);
    rows_.clear();
    lblStatus->SetText(tr("Search cancelled"));
    SetupDataBitmap();
    DisplayDataBitmap();
}

bool TEclipseReport::CommandKeyAllowed(const QAction* action) const {
    // Return presses a focused button and opens the list's row; elsewhere it calculates.
    if (action->shortcuts().contains(QKeySequence(Qt::Key_Return))) return DefaultKeyAllowed(this);
    // Ctrl+C copies a year box's selection, where there is one, and the list otherwise.
    const auto* box = qobject_cast<const QLineEdit*>(focusWidget());
    return action != actCopy_ || !(box && box->hasSelectedText());
}

void TEclipseReport::SetupDataBitmap() {
    ShowTableCommands();
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
    // Columns: the kind at 10 (after the body mark when the list may hold solar eclipses),
    // its magnitude right-aligned after the widest kind, the time and date at 100 and the
    // visibility at 250, each moved right when a wider font would make it touch the one
    // before.
    const bool marks = ListWithBody();
    const int kindX = marks ? 10 + kBodyMarkWidth : 10;
    int kindWidth = c.TextWidth(QString::fromStdString(ShortEclipseTypeName(kPenumbralEclipse)));
    if (marks)
        for (const TSolarEclipseKind kind : {TSolarEclipseKind::Partial, TSolarEclipseKind::Annular,
                                             TSolarEclipseKind::Total, TSolarEclipseKind::Hybrid})
            kindWidth = std::max(kindWidth,
                                 c.TextWidth(QString::fromStdString(ShortSolarEclipseName(kind))));
    const int magnitudeRight = kindX + kindWidth + 6 + c.TextWidth(QStringLiteral("0.000"));
    const int dateX = std::max(100, magnitudeRight + 10);
    const int visibilityX =
        std::max(250, dateX + c.TextWidth(QStringLiteral("00:00  30 September 9999")) + 6);
    for (int a = 0; a < lines; ++a) {
        const std::size_t index = static_cast<std::size_t>(a + first);
        if (index >= rows_.size()) break;
        const TEclipseRow& row = rows_[index];
        const std::vector<std::string> cells = EclipseLineTexts(row);
        const int y = kLineHeight * a + 1;
        // The mark, 9 pixels square, in the middle of the line.
        if (marks)
            c.Draw(4, kLineHeight * a + (kLineHeight - 9) / 2,
                   row.Body == TEclipseBody::Sun ? sunMark_ : moonMark_);
        c.SetFontColor(Qt::white);
        c.TextOut(kindX, y, QString::fromStdString(cells[0]));
        const QString magnitude = QString::fromStdString(cells[1]);
        c.SetFontColor(palette::StandardText);
        c.TextOut(magnitudeRight - c.TextWidth(magnitude), y, magnitude);
        c.SetFontColor(palette::DayText);
        c.TextOut(dateX, y, QString::fromStdString(TimeAndDate(cells)));
        c.SetFontColor(palette::StandardText);
        c.TextOut(visibilityX, y, QString::fromStdString(cells[4]));
    }
    const int top = ScrollBar1->y();
    WindowCanvas().CopyRect(Rect(kListLeft, top, kListLeft + kDataWidth, top + kListHeight), c,
                            Rect(0, 0, kDataWidth, kListHeight));
}

void TEclipseReport::ScrollBar1Change() {
    if (computed_) DisplayDataBitmap();
    if (tblEclipses) tblEclipses->RowsMoved();
}

void TEclipseReport::FormDblClick(QPoint at) {
    const int top = ScrollBar1->y();
    if (at.x() < kListLeft || at.x() >= kListLeft + imgData.Width()) return;
    if (at.y() < top || at.y() >= top + kLineHeight * VisibleLines()) return;
    OpenRow(static_cast<std::size_t>((at.y() - top) / kLineHeight + ScrollBar1->value()));
}

void TEclipseReport::OpenRow(std::size_t index) {
    if (index >= rows_.size()) return;
    const TEclipseRow row = rows_[index]; // the main window's refresh may reach this window

    lblSelectedDate->SetText(QString::fromStdString(TimeAndDate(row)));
    session_.SelectLocalMinute(row.MaximumDate);
    if (row.Body == TEclipseBody::Sun) {
        OpenSolarRow(row);
        return;
    }
    TEclipse* window = lunarWindow_ ? lunarWindow_() : nullptr;
    if (!window) return;

    // The month's eclipses as the session now holds them, showing the one of the line; the
    // line's own result when the month does not hold it.
    std::vector<TEclipseResult> list = session_.Eclipses();
    auto it = std::find_if(list.begin(), list.end(),
                           [&](const TEclipseResult& r) { return r.Elements.JD == row.Maximum; });
    if (it == list.end()) {
        const std::optional<TEclipseResult> own = RowResult(row);
        if (!own) return;
        list = {*own};
        it = list.begin();
    }
    window->ShowEclipses(list, static_cast<std::size_t>(it - list.begin()));
    SetBesideFinder(*window);
}

void TEclipseReport::OpenSolarRow(const TEclipseRow& row) {
    TSolarEclipseWindow* window = solarWindow_ ? solarWindow_() : nullptr;
    if (!window) return;
    // The month's solar eclipses as the session now holds them, showing the one of the
    // line; the line's own eclipse when the month does not hold it.
    std::vector<TSolarEclipseAtPlace> list = session_.SolarEclipses();
    auto it = std::find_if(list.begin(), list.end(), [&](const TSolarEclipseAtPlace& e) {
        return e.Eclipse.Greatest == row.Maximum;
    });
    if (it == list.end()) {
        std::optional<TSolarEclipseAtPlace> own = SolarRowResult(row);
        if (!own) return;
        list = {std::move(*own)};
        it = list.begin();
    }
    window->ShowEclipses(list, static_cast<std::size_t>(it - list.begin()));
    SetBesideFinder(*window);
}

void TEclipseReport::SetBesideFinder(SkinWindow& window) {
    if (!owner_) return;
    const int left = owner_->x() + (owner_->width() - (window.width() + width())) / 2;
    window.move(left, window.y());
    move(left + window.width(), y());
    window.KeepOnScreen();
    KeepOnScreen();
}

std::optional<TEclipseResult> TEclipseReport::RowResult(const TEclipseRow& row) const {
    // An eclipse belongs to the local year of its full moon, which may be a neighbour of the
    // year of its maximum.
    const int year = row.MaximumDate.Year;
    for (TEclipseResult& r : FindEclipses(year - 1, year + 1, listObserver_))
        if (r.Elements.JD == row.Maximum) return std::move(r);
    return std::nullopt;
}

std::optional<TSolarEclipseAtPlace> TEclipseReport::SolarRowResult(const TEclipseRow& row) const {
    // The search counts an eclipse in the civil year of its greatest eclipse, which may be a
    // neighbour of the year of the maximum at the place.
    const int year = row.MaximumDate.Year;
    for (TSolarEclipseAtPlace& e : FindSolarEclipses(year - 1, year + 1, listObserver_))
        if (e.Eclipse.Greatest == row.Maximum) return std::move(e);
    return std::nullopt;
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
    StopSearch();
    ShowSearching(false);
    rows_.clear();
    rows_.shrink_to_fit();
    listDone_ = false;
    ShowTableCommands();
    SkinWindow::closeEvent(e);
}

} // namespace crescendar
