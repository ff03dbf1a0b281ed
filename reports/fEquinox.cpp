#include "fEquinox.h"

#include "Access.h"
#include "Palette.h"
#include "Picture.h"
#include "Session.h"
#include "WindowKeys.h"

#include "Equinox.h"
#include "EventText.h"

namespace crescendar {

namespace {

const QColor kNote(150, 170, 210);

ClickRegion* MakeLabel(QWidget* parent, int left, int top, const QString& text,
                       const QColor& colour, int pixelHeight = 12) {
    return ClickRegion::TextLabel(parent, left, top, text, colour, pixelHeight);
}

constexpr int kRowTops[4] = {66, 82, 98, 114};
constexpr int kYearTop = 131;

} // namespace

TEquinox::TEquinox(TSession& session, QWidget& owner) : TransientWindow(owner), session_(session) {
    setObjectName(QStringLiteral("Equinox"));
    setWindowTitle(tr("Equinoxes and Solstices"));
}

void TEquinox::FormCreate() {
    SetClientSize(350, 155);
    SetBackground(LoadPicture(QStringLiteral(":/dates/equinox.jpg"), this));

    lblTitle = AddTitleRegion("lblTitle", 62, 12, 229, 19);
    Caption title = GildedTitle(tr("Equinoxes & Solstices"), lblTitle->geometry(), 17);
    title.Space = QRect(44, 12, 277, 19); // between the seasons' glyph and the cross
    AddCaption(title);
    // The columns' headings: small spaced capitals, also read out.
    QFont heading = SkinSansFont(9, true);
    heading.setLetterSpacing(QFont::AbsoluteSpacing, 0.8);
    const QColor headingInk(118, 138, 184);
    AddCaption(PlainCaption(tr("SEASON"), QRect(31, 46, 115, 12), heading, headingInk),
               "lblSeasonHeading");
    AddCaption(PlainCaption(tr("LOCAL TIME"), QRect(150, 46, 100, 12), heading, headingInk),
               "lblTimeHeading");
    AddCaption(PlainCaption(tr("LASTS"), QRect(254, 46, 80, 12), heading, headingInk),
               "lblLengthHeading");
    lblExit = AddCloseMark(this, 323, 13, 15, 15);

    const QString titles[4] = {tr("Spring Equinox"), tr("Summer Solstice"), tr("Autumn Equinox"),
                               tr("Winter Solstice")};
    const char* titleNames[4] = {"Label8", "Label7", "Label6", "Label5"};
    const char* eventNames[4] = {"lblSpring", "lblSummer", "lblAutumn", "lblWinter"};
    ClickRegion** titleLabels[4] = {&Label8, &Label7, &Label6, &Label5};
    ClickRegion** eventLabels[4] = {&lblSpring, &lblSummer, &lblAutumn, &lblWinter};
    ClickRegion** lengthLabels[4] = {&lblSpringDur, &lblSummerDur, &lblAutumnDur, &lblWinterDur};
    for (int i = 0; i < 4; ++i) {
        *titleLabels[i] =
            MakeLabel(this, 31, kRowTops[i], tr("%1:").arg(titles[i]), palette::Caption);
        (*titleLabels[i])->setObjectName(QString::fromLatin1(titleNames[i]));
        *eventLabels[i] = MakeLabel(this, 150, kRowTops[i], QString(), palette::DayText);
        (*eventLabels[i])->setObjectName(QString::fromLatin1(eventNames[i]));
        *lengthLabels[i] = MakeLabel(this, 254, kRowTops[i], QString(), palette::StandardText);
        (*lengthLabels[i])->setObjectName(QString::fromLatin1(eventNames[i]) + "Dur");
        // A reader hears each value under its caption, and the caption once.
        SetAccessibleRole(*titleLabels[i], QAccessible::NoRole);
        (*eventLabels[i])->setAccessibleName(titles[i]);
        (*lengthLabels[i])
            ->setAccessibleName(tr("Length of the season from the %1").arg(titles[i]));
    }
    lblYear = MakeLabel(this, 0, kYearTop, QString(), kNote, 11);
    lblYear->setObjectName(QStringLiteral("lblYear"));
}

void TEquinox::EquinoxesAndSolstices(std::uint16_t year) {
    const TEquinoxes seasons = crescendar::EquinoxesAndSolstices(year, session_.GetObserver());
    const TEquinoxTexts texts = EquinoxTexts(seasons);
    const auto events = Events();
    const auto lengths = Lengths();
    for (std::size_t r = 0; r < 4; ++r) {
        events[r]->SetText(QString::fromStdString(texts.RowTexts[r]));
        lengths[r]->SetText(QString::fromStdString(texts.RowLengthTexts[r]));
    }
    // The rows begin with the September equinox when the seasons are the southern ones.
    QString note;
    if (seasons.Year != 0)
        note = seasons.RowEvent[0] == TSeasonEvent::SeptemberEquinox
                   ? tr("Seasons of %1 in the southern hemisphere").arg(seasons.Year)
                   : tr("Seasons of %1 in the northern hemisphere").arg(seasons.Year);
    lblYear->SetText(note);
    lblYear->move((width() - lblYear->width()) / 2, kYearTop);
    ShowActive();
}

void TEquinox::ShowEquinox() {
    EquinoxesAndSolstices(session_.SelectedDateTime().Year);
}

} // namespace crescendar
