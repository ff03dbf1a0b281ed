// What the lunar and the solar eclipse windows share: the tall skin with its black screen, the
// title plate with the eclipse's kind, the date, the "1 of 2" that shows the month's other
// eclipse (also N), Return to show the date in the main window, the title bar and close mark,
// and following the month shown in the main window.
#pragma once

#include "ClickRegion.h"
#include "SkinWindow.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <algorithm>
#include <cstddef>
#include <vector>

namespace crescendar {

class TSession;

// The eclipse windows' skin, 252 x 252, and the black screen under their texts; a window
// lengthens both by `extra` rows.
inline constexpr int kEclipseSkinSize = 252;
inline QRect EclipseScreen(int extra) {
    return {20, 72, 212, 160 + extra};
}

// The eclipse windows' skin lengthened by `extra` rows below the title and plate: a row of the
// screen's frame repeated.
QImage TallEclipseSkin(const QImage& skin, int extra);

class TEclipseWindowBase : public SkinWindow {
    Q_OBJECT
  public:
    std::size_t ShownIndex() const { return index_; }
    // With two eclipses in the month, shows the other one.
    void ShowOtherEclipse();

    void FormShow() override;
    // Shows the shown eclipse's date in the main window.
    virtual void lblDateDblClick() = 0;
    void lblExitClick();

    ClickRegion* lblEclipseType = nullptr;
    ClickRegion* lblDate = nullptr;
    ClickRegion* lblTitle = nullptr;
    ClickRegion* lblExit = nullptr;
    ClickRegion* lblOther = nullptr; // "1 of 2", only when the month has two eclipses
    const std::vector<ClickRegion*>& LineTexts() const { return lineTexts_; }

  protected:
    // session: the month's eclipses and whose day the date selects. owner: the window this one
    // belongs to; it opens below the owner's region anchor (both nullptr: where it is).
    TEclipseWindowBase(TSession& session, QWidget* owner, const QWidget* anchor);

    // Builds the shared parts on a window `height` high with the skin `skin`: the labels, the
    // commands, and the title bar reading `title`. otherHint: what N does, in the window's words.
    void CreateFrame(int height, const QImage& skin, const QString& title,
                     const QString& otherHint);
    // Return presses a focused button; elsewhere it shows the date in the main window.
    bool CommandKeyAllowed(const QAction* action) const override;

    // How many eclipses the window holds, and draws the one at ShownIndex().
    virtual std::size_t EclipseCount() const = 0;
    virtual void Redraw() = 0;

    // Starts a drawing: clears the canvas and the lines' stand-ins. False when there is nothing
    // to draw.
    bool BeginRedraw();
    // The title on its plate, made smaller when it would not fit; the date centred below it;
    // the "1 of 2" at the screen's right edge when there are two eclipses.
    void SetHeading(const QString& title, const QString& date);
    // Keeps a stand-in for a reader of a line drawn on the window.
    void AddLineText(ClickRegion* text) { lineTexts_.push_back(text); }

    // Shows `list`, starting at `first`; an empty list does nothing.
    template <class T>
    void ShowList(std::vector<T>& mine, const std::vector<T>& list, std::size_t first) {
        if (list.empty()) return;
        mine = list;
        index_ = first < mine.size() ? first : 0;
        Redraw();
        show();
        raise();
        activateWindow();
    }
    // Follows the month's new list while the window is open, closing it when the list is
    // empty. The same eclipses laid out again (another day, the same place) keep the one
    // shown; others start with the first.
    template <class T, class Same>
    void FollowList(std::vector<T>& mine, const std::vector<T>& list, Same same) {
        if (!isVisible()) return;
        if (list.empty()) {
            close();
            return;
        }
        const bool unchanged =
            list.size() == mine.size() && std::equal(list.begin(), list.end(), mine.begin(), same);
        mine = list;
        if (!unchanged) index_ = 0;
        Redraw();
    }

    TSession& session_;

  private:
    QWidget* owner_;
    const QWidget* anchor_;
    std::size_t index_ = 0;
    std::vector<ClickRegion*> lineTexts_;
    QAction* actOther_ = nullptr;
};

} // namespace crescendar
