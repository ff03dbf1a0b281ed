// The web links menu: a popup column of lunar web sites; a click opens the site in the
// desktop's browser.
#pragma once

#include "fReportMenu.h"

#include "WebLinks.h"

#include <array>

namespace crescendar {

class TWebMenu : public TPopupMenu {
    Q_OBJECT
  public:
    // owner: the main window; anchor: its region that opens the menu, which it opens below.
    TWebMenu(QWidget& owner, const QWidget& anchor);

    void FormShow() override;
    // Over a site the arrow stands at its strip; over a heading it hides.
    void EntryMouseMove(std::size_t index);
    // Closes the menu and asks the shell to open the site (a heading does nothing).
    void EntryClick(std::size_t index);

    // The strips in the order of kWebLinks.
    std::array<ImageControl*, kWebLinks.size()> Entries{};
    ImageControl* imgArrow = nullptr;

  private:
    const QWidget& anchor_;
};

} // namespace crescendar
