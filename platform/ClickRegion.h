// A transparent label: a clickable rectangle of a window that may also show a text.
#pragma once

#include <QColor>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace crescendar {

// Pause before a hint (tooltip) of a region or image shows.
inline constexpr int kHintDelayMs = 3000;

// Shows a widget's hint after kHintDelayMs of the pointer resting on it (shared by
// ClickRegion and ImageControl).
class HintTimer : public QObject {
    Q_OBJECT
  public:
    explicit HintTimer(QWidget* owner);
    void SetHint(const QString& hint) { hint_ = hint; }
    QString Hint() const { return hint_; }
    int Delay() const { return timer_.interval(); }
    bool Pending() const { return timer_.isActive(); }
    // Fed from the owner's event(): returns true for events it consumes (Qt's own tooltip).
    bool HandleEvent(QEvent* e);

  private:
    QWidget* owner_;
    QString hint_;
    QTimer timer_;
};

class ClickRegion : public QWidget {
    Q_OBJECT
  public:
    explicit ClickRegion(QWidget* parent = nullptr);
    ClickRegion(QWidget* parent, int left, int top, int width, int height,
                const QString& hint = {});
    // A caption: Arial text of the given pixel height and colour at (left, top), sized to its
    // text.
    static ClickRegion* TextLabel(QWidget* parent, int left, int top, const QString& text,
                                  const QColor& colour, int pixelHeight = 12, bool bold = false);

    void SetBounds(int left, int top, int width, int height) {
        setGeometry(left, top, width, height);
    }

    // Hint shown after kHintDelayMs; empty for none.
    void SetHint(const QString& hint) { hint_.SetHint(hint); }
    QString Hint() const { return hint_.Hint(); }
    int HintDelay() const { return hint_.Delay(); }
    bool HintPending() const { return hint_.Pending(); }

    // Label text, drawn with the label's font, colour and alignment (vertically at the top).
    void SetText(const QString& text);
    QString Text() const { return text_; }
    void SetFontName(const QString& family);
    void SetFontHeight(int pixels); // character height in pixels
    void SetFontSize(int points);   // points at the screen's resolution
    void SetFontBold(bool bold);
    void SetFontItalic(bool italic);
    QFont LabelFont() const { return font_; }
    void SetFontColor(const QColor& c);
    QColor FontColor() const { return fontColor_; }
    void SetAlignment(Qt::Alignment horizontal); // Qt::AlignLeft, AlignHCenter or AlignRight
    // Background: transparent by default; otherwise filled with the colour.
    void SetTransparent(bool transparent);
    void SetColor(const QColor& background);
    // With auto size on, the region takes the size of its text after each change.
    void SetAutoSize(bool on);
    int TextWidth() const;
    int TextHeight() const;

    // A left click in the middle of the region, as the mouse makes it (down, up, click): what
    // Space or Enter does to a region that takes the focus, and a screen reader's press.
    void Activate();

  signals:
    // A button pressed and released inside the region (a plain click is the left one).
    void Clicked(Qt::MouseButton button);
    void DoubleClicked(Qt::MouseButton button);
    // Positions are in the region's own coordinates.
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    void MouseMove(Qt::MouseButtons buttons, QPoint pos); // also without a button held
    void MouseUp(Qt::MouseButton button, QPoint pos);

  protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

  private:
    void FitText();

    HintTimer hint_;
    QString text_;
    QFont font_;
    QColor fontColor_ = Qt::black;
    QColor background_ = Qt::transparent;
    bool transparent_ = true;
    bool autoSize_ = false;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    Qt::MouseButtons pressed_;
    bool lastWasPress_ = false;
    bool doubleClick_ = false;
};

} // namespace crescendar
