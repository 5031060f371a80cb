// The well-symbol shelf: symbols found by name or key, and the picture of
// every symbol, large and small, kept with the documentation. (The names and
// the drawing of each entry are checked with the symbol box.)
#include "uisupport/WidgetDriver.h"
#include "wellsymbol/IGlyphShelf.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <gtest/gtest.h>

TEST(GlyphShelf, FindsSymbolsByNameOrKeyInAnyCaseAndSpacing) {
    IGlyphShelf shelf;
    EXPECT_EQ(std::vector<int>(
                  {shelf.FindSymbol(L"油井"), shelf.FindSymbol(L" GAS "), shelf.FindSymbol(L"井")}),
              (std::vector<int>{1, 2, 0}));
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
