// Drawing with the semantics of the classic Windows device context, over QPainter.
//
// Coordinates are whole pixels; pixel (x, y) is the unit square whose centre is (x, y).
// Shapes are drawn without antialiasing. Conventions that drawings rely on:
//  - Rectangle and FillRect cover columns Left..Right-1 and rows Top..Bottom-1.
//  - Ellipse, Arc and Pie: the curve runs through the centres of the pixels on all four
//    edges of the bounding rectangle, Left..Right and Top..Bottom inclusive, so that
//    Arc(78 - e, 3, 78 + e, 154, ...) spans columns 78 - e..78 + e. Arcs of the same height
//    whose half-widths differ by one pixel leave no unpainted pixel between them. As with
//    rectangles, a bounding rectangle of zero width or height draws nothing.
//  - Arc and Pie run counter-clockwise (as seen on screen) from the ray through the start
//    point to the ray through the end point; equal rays give the whole ellipse.
//  - LineTo draws from the pen position up to, but not including, the end point, which
//    becomes the new pen position.
//  - TextOut anchors the text cell's top-left corner at (x, y). With a solid brush the text
//    cell is first filled with the brush colour (opaque text); with a clear brush only the
//    glyphs are drawn. The pen position moves to the end of the text.
//  - CopyRect accepts reversed rectangles: a rectangle with Left > Right holds the columns
//    Left, Left-1, ..., Right+1 in that order (mirrored), likewise rows when Top > Bottom.
//    Different sizes are stretched by nearest pixel.
// Pixel-exact guarantees hold for pen width 1; wider pens are drawn by QPainter.
// On an image with device pixel ratio 2 (a picture made for a screen of scale 2) every
// coordinate is still a canvas pixel: a canvas pixel is a 2 x 2 block of device pixels,
// Pixel reads the block's first device pixel, and text is drawn at the device's resolution.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>

class QPaintDevice;
class QPainter;

namespace crescendar {

// A rectangle by its edges, right and bottom exclusive; may be reversed (see CopyRect).
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }  // negative when reversed
    int Height() const { return Bottom - Top; } // negative when reversed
    bool operator==(const TRect&) const = default;
};

inline TRect Rect(int left, int top, int right, int bottom) {
    return {left, top, right, bottom};
}

enum class BrushStyle { Solid, Clear };

// Font style bits, combined with |.
enum FontStyle : unsigned { fsRegular = 0, fsBold = 1, fsItalic = 2, fsUnderline = 4 };

// 96 divided by the primary screen's logical pixels per inch (1 without a screen).
double FontScaleFactor();
// round(size x FontScaleFactor()), halves to the even neighbour.
int ScaledFontSize(double size);

class Canvas {
  public:
    // Draws on a device, opening a painter for each operation: images and other devices
    // that allow it (not printers, where a painter begins a document).
    explicit Canvas(QPaintDevice* device = nullptr);
    // Draws through a painter that the caller keeps active (a printer's pages).
    explicit Canvas(QPainter* painter);

    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    void SetDevice(QPaintDevice* device); // keeps pen, brush and font
    void SetPainter(QPainter* painter);
    QPaintDevice* Device() const;
    // The image drawn on, or nullptr when the device is not a QImage.
    QImage* Image() const;
    // Called after every drawing operation with the area it may have changed, in canvas
    // pixels (windows repaint that area from it).
    void SetChangedHandler(std::function<void(const QRect&)> handler) {
        changed_ = std::move(handler);
    }

    // Pen.
    void SetPenColor(const QColor& c) { penColor_ = c; }
    QColor PenColor() const { return penColor_; }
    void SetPenWidth(int w) { penWidth_ = w < 1 ? 1 : w; }
    int PenWidth() const { return penWidth_; }

    // Brush: fills shapes and the background of opaque text.
    void SetBrushColor(const QColor& c) { brushColor_ = c; }
    QColor BrushColor() const { return brushColor_; }
    void SetBrushStyle(BrushStyle s) { brushStyle_ = s; }
    BrushStyle GetBrushStyle() const { return brushStyle_; }

    // Font. The size is in points at the device's resolution (as classic font sizes);
    // SetFontHeight gives the character height in device pixels instead.
    void SetFontName(const QString& family);
    QString FontName() const { return fontName_; }
    void SetFontSize(int points);
    int FontSize() const; // points
    void SetFontHeight(int pixels);
    int FontHeight() const { return pixelHeight_; } // pixels
    void SetFontStyle(unsigned styles) { fontStyle_ = styles; }
    unsigned GetFontStyle() const { return fontStyle_; }
    void SetFontColor(const QColor& c) { fontColor_ = c; }
    QColor FontColor() const { return fontColor_; }
    QFont Font() const; // the QFont that text is drawn with

    // Text.
    void TextOut(int x, int y, const QString& text);
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;

    // Shapes (pen outline, brush fill when solid).
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void Ellipse(int x1, int y1, int x2, int y2);
    void Arc(int x1, int y1, int x2, int y2, int sx, int sy, int ex, int ey);
    void Pie(int x1, int y1, int x2, int y2, int sx, int sy, int ex, int ey);
    // Fills with the brush colour (nothing with a clear brush), or with a given colour.
    void FillRect(const TRect& r);
    void FillRect(const TRect& r, const QColor& c);

    // Lines.
    void MoveTo(int x, int y) { penPos_ = QPoint(x, y); }
    void LineTo(int x, int y);
    QPoint PenPos() const { return penPos_; }

    // Pictures. Draw puts an image at its own size with its top-left corner at (x, y).
    void Draw(int x, int y, const QImage& image);
    void CopyRect(const TRect& dest, const QImage& source, const TRect& sourceRect);
    void CopyRect(const TRect& dest, const Canvas& source, const TRect& sourceRect);

    // Single pixels (images only; an invalid colour elsewhere or outside).
    QColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, const QColor& c);

  private:
    class Scope;
    friend class Scope;
    void Changed(const QRect& area) const;
    void PlotCurve(QPainter& p, double l, double t, double r, double b, double sx, double sy,
                   double ex, double ey, bool pie) const;

    QPaintDevice* device_ = nullptr;
    QPainter* painter_ = nullptr;
    std::function<void(const QRect&)> changed_;

    QColor penColor_ = Qt::black;
    int penWidth_ = 1;
    QColor brushColor_ = Qt::white;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    QString fontName_ = QStringLiteral("Arial");
    int pixelHeight_ = 11; // 8 points at 96 pixels per inch
    int points_ = 8;
    unsigned fontStyle_ = fsRegular;
    QColor fontColor_ = Qt::black;
    QPoint penPos_;
};

} // namespace crescendar
