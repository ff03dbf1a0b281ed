// The page header and footer that every printout shares, the margins they leave for the
// page's content, and the landscape print job the printouts run in.
//
// Positions and sizes are printer pixels; W is the page width and P(k) = Trunc(W x k / 1000),
// a length in thousandths of the page width.
#pragma once

#include "PrintTarget.h"

#include <QString>

#include <vector>

namespace crescendar {

struct TSettings;

// "Times New Roman" and "Arial" are drawn in their metric-compatible Liberation faces.
// Runs once; PageFrame's constructor calls it.
void InstallPrintFonts();

// A text drawn on a page, where its text cell's top-left corner stands.
struct TPrintedText {
    int X = 0;
    int Y = 0;
    QString Text;
};

class PageFrame {
  public:
    // The header names the place of the settings given.
    PageFrame(PrintTarget& target, const TSettings& settings);

    PrintTarget& Target() const { return target_; }
    Canvas& GetCanvas() const { return target_.GetCanvas(); }
    int PageWidth() const { return target_.PageWidth(); }
    int PageHeight() const { return target_.PageHeight(); }
    // k thousandths of the page width, truncated.
    int P(double k) const;

    // The stamp line and the footer margin (2 x the stamp line's height at 7 point), the
    // page frame (0, 0)-((W div 7) x 7, H - footer margin) on white, the title "Month yyyy"
    // (Times New Roman 24 point bold, centred at y 40) and the location line from the
    // settings (14 point bold, smaller when it would not fit across the page; centred). Sets the
    // header margin to 3 x the title's height. Leaves the font Times New Roman 14 point bold, black
    // pen, white fill.
    void PrintPageHeader(int month, int year);
    // The stamp line centred at the foot of the page, Times New Roman 7 point italic; the
    // style returns to regular.
    void PrintPageFooter();

    // The y at which the page's content starts, and the height kept free at the bottom.
    int HeaderMargin() const { return headerMargin_; }
    void SetHeaderMargin(int y) { headerMargin_ = y; }
    int FooterMargin() const { return footerMargin_; }
    const QString& StampLine() const { return stampLine_; }

    // Writes a text with the canvas's current font and fill, and records it.
    void Write(int x, int y, const QString& text);
    // Every text written since the object was made, in order.
    const std::vector<TPrintedText>& Texts() const { return texts_; }

    // "Printed by Crescendar V2.40 (address of the home page)", at most 100 characters.
    static QString StampText();
    // "Month yyyy", at most 20 characters.
    static QString TitleText(int month, int year);
    // The place and its coordinates as the header writes them: the place name without
    // leading or trailing blanks and cut to 40 characters, then the coordinates in full.
    static QString LocationLine(const TSettings& s);

  private:
    PrintTarget& target_;
    QString location_;
    int headerMargin_ = 0;
    int footerMargin_ = 0;
    QString stampLine_;
    std::vector<TPrintedText> texts_;
};

// A landscape print job: remembers the target's orientation, turns the page to landscape and
// starts the document; ends the document (if Finish has not) and restores the orientation
// when it goes out of scope. Draw only when Started().
class LandscapeJob {
  public:
    LandscapeJob(PrintTarget& target, const QString& title);
    ~LandscapeJob();
    LandscapeJob(const LandscapeJob&) = delete;
    LandscapeJob& operator=(const LandscapeJob&) = delete;

    bool Started() const { return started_; }
    // Ends the document and restores the orientation; false when nothing was printed.
    bool Finish();

  private:
    PrintTarget& target_;
    PageOrientation saved_;
    bool started_ = false;
    bool finished_ = false;
};

} // namespace crescendar
