// The print options window: what the printed calendar holds and how dark its Moons are;
// OK stores the choices and prints the month selected in the session; the close mark and
// Escape close it without printing.
#pragma once

#include "ClickRegion.h"
#include "PrintTarget.h"
#include "SkinWindow.h"

#include <QAbstractButton>
#include <QLineEdit>

#include <memory>
#include <string>
#include <vector>

namespace crescendar {

class TSession;

// A 13 x 13 check box drawn from the window's artwork.
class TSkinCheckBox : public QAbstractButton {
    Q_OBJECT
  public:
    explicit TSkinCheckBox(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
};

// A 15 x 19 pair of arrow buttons, the upper one steps up, the lower one down; Up and Down
// keys step as well while it has the focus.
class TSpinButton : public QWidget {
    Q_OBJECT
  public:
    explicit TSpinButton(QWidget* parent);

  signals:
    void UpClick();
    void DownClick();

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

  private:
    int pressed_ = 0; // 1 upper, -1 lower, 0 none
};

// An edit field that reports when the focus leaves it.
class TExitEdit : public QLineEdit {
    Q_OBJECT
  public:
    using QLineEdit::QLineEdit;

  signals:
    void Exited();

  protected:
    void focusOutEvent(QFocusEvent* e) override;
};

class TPrintOptions : public SkinWindow {
    Q_OBJECT
  public:
    // session: whose month is printed and where the choices are stored. owner: the window
    // this one belongs to, centres over and reports over (nullptr: none). target: where the
    // page goes (not owned); nullptr for the system's printer, or a PDF file when there is
    // none.
    TPrintOptions(TSession& session, QWidget* owner, PrintTarget* target = nullptr);
    ~TPrintOptions() override;

    // Shows the window (not modal) and brings it to the front.
    void ShowOptions();

    void FormCreate() override;
    void FormShow() override;
    void FormActivate() override;
    bool FormKeyPress(QKeyEvent* event) override;

    void DensitySpinButtonDownClick();
    void DensitySpinButtonUpClick();
    // True when the key is handled here (and does not reach the field).
    bool txtDensityKeyPress(QKeyEvent* event);
    void txtDensityExit();
    void lblOKClick();

    // The page of the last print (false when it was cancelled or failed).
    bool LastPrinted() const { return lastPrinted_; }

    QAbstractButton* chkDailyPhases = nullptr;
    QAbstractButton* chkMajorPhases = nullptr;
    QAbstractButton* chkMoonTimes = nullptr;
    QAbstractButton* chkSunTimes = nullptr;
    QLineEdit* txtDensity = nullptr;
    TSpinButton* DensitySpinButton = nullptr;
    ClickRegion* lblOK = nullptr;
    ClickRegion* lblTitle = nullptr;
    ClickRegion* lblExit = nullptr; // closes without printing
    // The regions over the four boxes' captions, in the boxes' order.
    const std::vector<ClickRegion*>& Captions() const { return captions_; }

  protected:
    // Return presses a focused button; elsewhere it is OK's.
    bool CommandKeyAllowed(const QAction* action) const override;

  private:
    // The density in the field as a number, or the stored one when the text is not a number.
    int DensityValue() const;
    PrintTarget& Target();

    TSession& session_;
    QWidget* owner_;
    PrintTarget* target_;
    std::unique_ptr<PrintTarget> ownTarget_;
    bool lastPrinted_ = false;
    bool toldNotSaved_ = false; // the user has been told that the choices were not stored
    std::vector<ClickRegion*> captions_;
};

} // namespace crescendar
