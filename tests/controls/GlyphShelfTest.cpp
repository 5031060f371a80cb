// The well-symbol shelf: drawing by number into a rectangle at any size, and
// the picture of every symbol kept with the documentation. (Its names are
// checked as the symbol box lists them.)
#include "uisupport/WidgetDriver.h"
#include "wellsymbol/IGlyphShelf.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// Draws symbol `symbol` into `box` on white; returns the bounds of the ink.
QRect Ink(const IGlyphShelf& shelf, int symbol, QRectF box, bool& drawn) {
    QImage image(340, 240, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    drawn = shelf.DrawSymbol(painter, symbol, box);
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

TEST(GlyphShelf, DrawsEachSymbolInsideItsRectangleAtAnySizeAndNothingElse) {
    IGlyphShelf shelf;
    bool drawn = false;
    for (int symbol = 1; symbol <= shelf.GetSymbolCount(); ++symbol) {
        for (const QRectF& box : {QRectF(3, 5, 8, 8), QRectF(20, 30, 300, 200)}) {
            const QRect ink = Ink(shelf, symbol, box, drawn);
            // Antialiasing may touch the pixel just outside the rectangle.
            EXPECT_TRUE(drawn && !ink.isEmpty() &&
                        box.toAlignedRect().adjusted(-1, -1, 1, 1).contains(ink))
                << "symbol " << symbol;
        }
    }
    // Unknown numbers and empty rectangles draw nothing.
    for (const auto& [symbol, box] : {std::pair{0, QRectF(0, 0, 16, 16)},
                                      {shelf.GetSymbolCount() + 1, QRectF(0, 0, 16, 16)},
                                      {1, QRectF(4, 4, 0, 16)}})
        EXPECT_FALSE(!Ink(shelf, symbol, box, drawn).isEmpty() || drawn) << symbol;
}

TEST(GlyphShelf, PictureOfEverySymbolLargeAndSmall) {
    IGlyphShelf shelf;
    const wchar_t* const* names = nullptr;
    ASSERT_TRUE(shelf.GetSymbolNames(IGlyphShelf::kWellSymbols, &names));
    const int rowHeight = 72;
    QImage sheet(520, rowHeight * shelf.GetSymbolCount() + 8, QImage::Format_ARGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    QFont font = painter.font();
    font.setPixelSize(15);
    painter.setFont(font);
    for (int i = 0; i < shelf.GetSymbolCount(); ++i) {
        const int top = 4 + i * rowHeight;
        painter.setPen(Qt::black);
        painter.drawText(QRect(8, top, 40, rowHeight), Qt::AlignVCenter, QString::number(i + 1));
        painter.drawText(
            QRect(40, top, 200, rowHeight), Qt::AlignVCenter,
            QStringLiteral("%1  %2").arg(QString::fromWCharArray(names[i]),
                                         QString::fromWCharArray(shelf.GetSymbolKey(i + 1))));
        int left = 250;
        for (int size : {16, 24, 32, 64}) {
            shelf.DrawSymbol(painter, i + 1,
                             QRectF(left, top + (rowHeight - size) / 2.0, size, size));
            left += size + 24;
        }
    }
    painter.end();
    QLabel picture;
    picture.setPixmap(QPixmap::fromImage(sheet));
    picture.resize(sheet.size());
    uitest::SaveScreenshot(&picture, "../well-symbols.png");
}
