// crescendar-artgen: draws every picture of the main window (or of one secondary window).
//
//   crescendar-artgen --albedo MAP.png --out DIR [--icon FILE.ico] [--icon-dir DIR]
//                     [--sheet SHEET.png] [--window NAME]
//
// Runs headless (offscreen platform). Every picture is drawn twice, at its size and at
// twice its size as "name@2x.ext". The skins are written as JPEG, the small pictures as
// PNG, the program icon as a multi-size ICO and, with --icon-dir, as one PNG per icon
// theme size in DIR/NxN/crescendar.png.

#include "ContactSheet.h"
#include "Drawing.h"
#include "IcoFile.h"
#include "Icons.h"
#include "MoonArt.h"
#include "Skin.h"
#include "WindowArt.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QRegularExpression>

#include <cstdio>

namespace {

using namespace artgen;

void loadFonts() {
    const char* files[] = {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf",
                           "LiberationSerif-Regular.ttf", "LiberationSerif-Bold.ttf",
                           "LiberationSerif-BoldItalic.ttf"};
    for (const char* folder :
         {"/usr/share/fonts/truetype/liberation2", "/usr/share/fonts/truetype/liberation"}) {
        for (const char* file : files) {
            const QString path = QDir(folder).filePath(file);
            if (QFileInfo::exists(path)) QFontDatabase::addApplicationFont(path);
        }
    }
    for (const QFont& font : {sansFont(12), serifFont(12)}) {
        const QString got = QFontInfo(font).family();
        if (!got.startsWith(font.family()))
            std::fprintf(stderr,
                         "crescendar-artgen: warning: font %s not found (using %s); "
                         "install fonts-liberation2\n",
                         qPrintable(font.family()), qPrintable(got));
    }
}

constexpr int kScales[] = {1, 2};
constexpr int kThemeIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// "name.ext" at 1x, "name@2x.ext" at 2x (the names Qt gives scaled variants).
QString scaledName(const QString& name, int scale) {
    if (scale == 1) return name;
    const qsizetype dot = name.lastIndexOf('.');
    return name.left(dot) + QStringLiteral("@%1x").arg(scale) + name.mid(dot);
}

// Every picture of the main window, at the current drawing scale.
QList<NamedImage> mainPictures(const MoonRenderer& moon) {
    const QImage base = skinBase();
    const QImage clock = clockStrip();
    const QImage moonParams = moonParamsTexture();
    const QImage sunParams = sunParamsTexture();

    QList<NamedImage> pictures;
    pictures.append({"bgnd.jpg", mainSkin(base, clock, moonParams, sunParams)});
    pictures.append({"clock_bgnd.jpg", clock});
    pictures.append({"moon_params.jpg", moonParams});
    pictures.append({"sun_params.jpg", sunParams});
    pictures.append({"moon_full.png", fullMoonPhoto(moon)});
    pictures.append({"phase_new.png", phasePicture(moon, Phase::New)});
    pictures.append({"phase_first_quarter.png", phasePicture(moon, Phase::FirstQuarter)});
    pictures.append({"phase_full.png", phasePicture(moon, Phase::Full)});
    pictures.append({"phase_last_quarter.png", phasePicture(moon, Phase::LastQuarter)});
    pictures.append({"phase_blue.png", phasePicture(moon, Phase::Blue)});
    pictures.append({"binoculars.png", binocularsPicture(copyArea(base, layout::opticsPlace))});
    pictures.append({"telescope.png", telescopePicture(copyArea(base, layout::opticsPlace))});
    pictures.append({"eclipse.png", eclipsePicture(moon, copyArea(base, layout::eclipsePlace))});
    pictures.append({"year_button.png", yearButton()});
    pictures.append({"time_button.png", timeButton()});
    pictures.append({"curr_date.png", dateMarker()});
    return pictures;
}

// Writes a picture: ".jpg" as JPEG, anything else as PNG, opaque unless keepAlpha.
bool save(const QImage& image, const QString& path, bool keepAlpha = false) {
    QImageWriter writer(path);
    if (path.endsWith(".jpg")) {
        writer.setFormat("jpeg");
        writer.setQuality(92);
        writer.setOptimizedWrite(true);
    } else {
        writer.setFormat("png");
    }
    if (!writer.write(
            image.convertToFormat(keepAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32))) {
        std::fprintf(stderr, "crescendar-artgen: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QString albedoPath, outDir, iconPath, iconDir, sheetPath, window;
    const QStringList args = app.arguments();
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == "--albedo")
            albedoPath = args[i + 1];
        else if (args[i] == "--out")
            outDir = args[i + 1];
        else if (args[i] == "--icon")
            iconPath = args[i + 1];
        else if (args[i] == "--sheet")
            sheetPath = args[i + 1];
        else if (args[i] == "--window")
            window = args[i + 1];
        else if (args[i] == "--icon-dir")
            iconDir = args[i + 1];
    }
    if (albedoPath.isEmpty() || outDir.isEmpty()) {
        std::fprintf(stderr, "usage: crescendar-artgen --albedo MAP.png --out DIR "
                             "[--icon FILE.ico] [--icon-dir DIR] [--sheet SHEET.png] "
                             "[--window NAME]\n");
        return 2;
    }
    const QImage albedo(albedoPath);
    if (albedo.isNull()) {
        std::fprintf(stderr, "crescendar-artgen: cannot read %s\n", qPrintable(albedoPath));
        return 1;
    }
    loadFonts();
    const MoonRenderer moon(albedo);

    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "crescendar-artgen: cannot create %s\n", qPrintable(outDir));
        return 1;
    }
    // Every picture at 1x and, for screens with two device pixels to the pixel, at 2x.
    QList<NamedImage> pictures;
    for (int scale : kScales) {
        const ScaledDrawing scaled(scale);
        QList<NamedImage> drawn;
        if (!window.isEmpty()) {
            const WindowArtEntry* entry = nullptr;
            for (const WindowArtEntry& e : WindowArt())
                if (window == e.Name) entry = &e;
            if (!entry) {
                std::fprintf(stderr, "crescendar-artgen: no window %s\n", qPrintable(window));
                return 2;
            }
            for (const WindowPicture& picture : entry->Draw(moon))
                drawn.append({picture.Name, picture.Image, picture.Transparent});
        } else {
            drawn = mainPictures(moon);
        }
        for (const NamedImage& picture : drawn)
            if (!save(picture.image, QDir(outDir).filePath(scaledName(picture.name, scale)),
                      picture.keepAlpha))
                return 1;
        if (scale == 1) pictures = drawn;
    }
    if (!window.isEmpty()) return 0;

    QList<QImage> icons;
    for (int size : {16, 24, 32, 48, 256}) icons.append(appIcon(moon, size));
    if (!iconPath.isEmpty()) {
        QDir().mkpath(QFileInfo(iconPath).absolutePath());
        if (!writeIcoFile(iconPath, icons)) {
            std::fprintf(stderr, "crescendar-artgen: cannot write %s\n", qPrintable(iconPath));
            return 1;
        }
        // The largest size also as a PNG, for the desktop's icon theme.
        QString pngPath = iconPath;
        pngPath.replace(QRegularExpression("\\.ico$"), ".png");
        if (pngPath != iconPath && !save(icons.last(), pngPath)) return 1;
    }
    if (!iconDir.isEmpty()) {
        // The icon theme's sizes, each drawn for its size: DIR/NxN/crescendar.png.
        for (int size : kThemeIconSizes) {
            const QString folder = QDir(iconDir).filePath(QStringLiteral("%1x%1").arg(size));
            if (!QDir().mkpath(folder)) {
                std::fprintf(stderr, "crescendar-artgen: cannot create %s\n", qPrintable(folder));
                return 1;
            }
            if (!save(appIcon(moon, size), QDir(folder).filePath("crescendar.png"), true)) return 1;
        }
    }
    if (!sheetPath.isEmpty()) {
        // The sheet shows the pictures as they were written, JPEG losses included.
        QList<NamedImage> written;
        for (const NamedImage& picture : pictures)
            written.append({picture.name, QImage(QDir(outDir).filePath(picture.name))});
        if (!save(contactSheet(written, icons), sheetPath)) return 1;
        QString windowPath = sheetPath;
        windowPath.replace(".png", "-window.png");
        if (!save(dressedWindow(written), windowPath)) return 1;
    }
    return 0;
}
