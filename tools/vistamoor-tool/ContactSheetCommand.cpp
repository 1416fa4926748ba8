// contact-sheet: every style at progress 25, 50 and 75 in one labelled picture, for
// people to look over the effects at a glance.
#include "Command.h"
#include "ImageFiles.h"
#include "OptionArgs.h"
#include "transitions/ComposeFrame.h"
#include "transitions/EffectCatalogue.h"
#include "transitions/widget/RasterImage.h"
#include "util/Error.h"

#include <QFont>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>

#include <cstdlib>
#include <iostream>

namespace vm::tool {
namespace {

constexpr int kProgress[] = {25, 50, 75};
constexpr int kGap = 4;
constexpr int kBlockGap = 14;
constexpr int kLabelHeight = 16;
constexpr int kBlocksPerRow = 4;

// A picture that shows its orientation: big text, a grid and an arrow-like diagonal.
QImage SamplePicture(int w, int h, const QColor& from, const QColor& to, const QColor& ink, const QString& text)
{
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient gradient(0, 0, w, h);
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    p.fillRect(image.rect(), gradient);
    p.setPen(QPen(ink, 1));
    for (int x = 0; x < w; x += std::max(w / 8, 1))
        p.drawLine(x, 0, x, h);
    for (int y = 0; y < h; y += std::max(h / 6, 1))
        p.drawLine(0, y, w, y);
    p.setPen(QPen(ink, std::max(h / 30, 2)));
    p.drawLine(0, 0, w / 3, h / 3);
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(std::max(h * 2 / 5, 6));
    p.setFont(font);
    p.drawText(image.rect(), Qt::AlignCenter, text);
    return image;
}

std::pair<int, int> ParseSize(const std::string& text)
{
    const auto x = text.find('x');
    int w = 0, h = 0;
    if (x == std::string::npos || std::sscanf(text.c_str(), "%dx%d", &w, &h) != 2 || w < 8 || h < 8 || w > 1000 ||
        h > 1000)
        throw Error("--size must be WxH with each side from 8 to 1000, not \"" + text + "\"");
    return {w, h};
}

} // namespace

int ContactSheetCommand(const Args& args)
{
    const OptionArgs options(args, {"--out", "--size"});
    const std::string out = options.Text("--out");
    const auto [w, h] = options.Has("--size") ? ParseSize(options.Text("--size")) : std::pair{160, 100};

    // Labels need fonts, which need an application object; no display is needed.
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int argc = 1;
    char name[] = "vistamoor-tool";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);

    const Bitmap oldPicture = BitmapFromImage(SamplePicture(w, h, QColor(20, 40, 120), QColor(60, 140, 220),
                                                            QColor(200, 230, 255), "OLD"));
    const Bitmap newPicture = BitmapFromImage(SamplePicture(w, h, QColor(230, 90, 20), QColor(250, 220, 60),
                                                            QColor(90, 20, 0), "NEW"));
    const int blockWidth = 3 * w + 2 * kGap;
    const int blockHeight = kLabelHeight + h;
    const int styles = kMaxStyle + 1;
    const int rows = (styles + kBlocksPerRow - 1) / kBlocksPerRow;
    const int titleHeight = 24;
    QImage sheet(kBlockGap + kBlocksPerRow * (blockWidth + kBlockGap),
                 titleHeight + kBlockGap + rows * (blockHeight + kBlockGap), QImage::Format_RGB32);
    sheet.fill(QColor(40, 40, 40));
    QPainter painter(&sheet);
    QFont font("DejaVu Sans");
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(kBlockGap, 4, sheet.width(), titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     "Every style at progress 25, 50 and 75 (Step 4), old picture to new");

    Bitmap frame;
    for (int style = 0; style < styles; ++style) {
        const int left = kBlockGap + (style % kBlocksPerRow) * (blockWidth + kBlockGap);
        const int top = titleHeight + kBlockGap + (style / kBlocksPerRow) * (blockHeight + kBlockGap);
        const QString label = QString::number(style) + "  " + QString::fromStdString(StyleName(TShowStyle(style)));
        painter.drawText(QRect(left, top, blockWidth, kLabelHeight), Qt::AlignLeft | Qt::AlignTop,
                         painter.fontMetrics().elidedText(label, Qt::ElideRight, blockWidth));
        for (int k = 0; k < 3; ++k) {
            ComposeFrame(frame, oldPicture, newPicture, TShowStyle(style), 4, kProgress[k]);
            painter.drawImage(left + k * (w + kGap), top + kLabelHeight, ImageOnBitmap(frame));
        }
    }
    painter.end();
    SaveImageFile(BitmapFromImage(sheet), out);
    std::cout << out << ": " << styles << " styles, " << sheet.width() << "x" << sheet.height() << "\n";
    return 0;
}

} // namespace vm::tool
