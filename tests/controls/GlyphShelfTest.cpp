// The well-symbol shelf: its name list, drawing by number into a rectangle at
// any size, and the picture of every symbol kept with the documentation.
#include "uisupport/WidgetDriver.h"
#include "wellsymbol/IGlyphShelf.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

std::vector<std::wstring> SymbolNames(const IGlyphShelf& shelf) {
    const wchar_t* const* names = nullptr;
    EXPECT_TRUE(shelf.GetSymbolNames(IGlyphShelf::kWellSymbols, &names));
    std::vector<std::wstring> result;
    for (int i = 0; names != nullptr && names[i] != nullptr; ++i)
        result.emplace_back(names[i]);
    return result;
}

// Draws symbol `symbol` on white; returns the picture.
QImage Drawn(const IGlyphShelf& shelf, int symbol, QSize size, QRectF rect, bool* drawn = nullptr) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const bool result = shelf.DrawSymbol(painter, symbol, rect);
    if (drawn != nullptr)
        *drawn = result;
    return image;
}

QRect InkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

TEST(GlyphShelf, ListsTheWellSymbolsOnlyForTheWellCategory) {
    IGlyphShelf shelf;
    const std::vector<std::wstring> names = SymbolNames(shelf);
    ASSERT_EQ(static_cast<int>(names.size()), shelf.GetSymbolCount());
    EXPECT_GE(names.size(), 9u);
    EXPECT_EQ(names[0], L"油井");
    EXPECT_EQ(names[8], L"设计井"); // the ninth: what a well typed in by hand starts as
    for (const std::wstring& name : names)
        EXPECT_NE(name, L"-1");

    const wchar_t* const* other = reinterpret_cast<const wchar_t* const*>(&shelf);
    EXPECT_FALSE(shelf.GetSymbolNames(2, &other));
    EXPECT_EQ(other, nullptr);
    EXPECT_FALSE(shelf.GetSymbolNames(IGlyphShelf::kWellSymbols, nullptr));
}

TEST(GlyphShelf, FindsSymbolsByNameOrKeyAndRefusesUnknownOnes) {
    IGlyphShelf shelf;
    const struct {
        const wchar_t* name;
        int symbol;
    } cases[] = {
        {L"油井", 1},   {L"OIL", 1}, {L" gas ", 2}, {L"planned", 9},
        {L"设计井", 9}, {L"", 0},    {L"井", 0},    {L"oil well", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shelf.FindSymbol(c.name), c.symbol) << testing::PrintToString(c.name);
    EXPECT_STREQ(shelf.GetSymbolKey(2), L"gas");
    EXPECT_EQ(shelf.GetSymbolKey(0), nullptr);
    EXPECT_EQ(shelf.GetSymbolKey(shelf.GetSymbolCount() + 1), nullptr);
}

TEST(GlyphShelf, DrawsEachSymbolInsideItsRectangleAtAnySizeAndNothingElse) {
    IGlyphShelf shelf;
    const QRectF boxes[] = {QRectF(3, 5, 8, 8), QRectF(10, 4, 18, 18), QRectF(20, 30, 300, 200)};
    for (int symbol = 1; symbol <= shelf.GetSymbolCount(); ++symbol) {
        for (const QRectF& box : boxes) {
            bool drawn = false;
            const QRect ink = InkBounds(Drawn(shelf, symbol, QSize(340, 240), box, &drawn));
            EXPECT_TRUE(drawn);
            EXPECT_FALSE(ink.isEmpty()) << symbol;
            // Antialiasing may touch the pixel just outside the rectangle.
            EXPECT_TRUE(box.toAlignedRect().adjusted(-1, -1, 1, 1).contains(ink))
                << "symbol " << symbol << " spills out of its box";
        }
        if (symbol > 1) { // the symbols differ from each other
            EXPECT_NE(Drawn(shelf, symbol - 1, QSize(40, 40), QRectF(0, 0, 40, 40)),
                      Drawn(shelf, symbol, QSize(40, 40), QRectF(0, 0, 40, 40)));
        }
    }
    // Unknown numbers and empty rectangles draw nothing.
    const std::pair<int, QRectF> refused[] = {{0, QRectF(0, 0, 16, 16)},
                                              {-1, QRectF(0, 0, 16, 16)},
                                              {shelf.GetSymbolCount() + 1, QRectF(0, 0, 16, 16)},
                                              {1, QRectF(4, 4, 0, 16)},
                                              {1, QRectF(4, 4, -10, -10)}};
    for (const auto& [symbol, rect] : refused) {
        bool drawn = true;
        EXPECT_TRUE(InkBounds(Drawn(shelf, symbol, QSize(20, 20), rect, &drawn)).isEmpty());
        EXPECT_FALSE(drawn) << symbol;
    }
}

TEST(GlyphShelf, PictureOfEverySymbolLargeAndSmall) {
    IGlyphShelf shelf;
    const std::vector<std::wstring> names = SymbolNames(shelf);
    const int rowHeight = 72;
    QImage sheet(520, rowHeight * static_cast<int>(names.size()) + 8, QImage::Format_ARGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    QFont font = painter.font();
    font.setPixelSize(15);
    painter.setFont(font);
    for (int i = 0; i < static_cast<int>(names.size()); ++i) {
        const int top = 4 + i * rowHeight;
        painter.setPen(Qt::black);
        painter.drawText(QRect(8, top, 40, rowHeight), Qt::AlignVCenter, QString::number(i + 1));
        painter.drawText(
            QRect(40, top, 200, rowHeight), Qt::AlignVCenter,
            QStringLiteral("%1  %2").arg(QString::fromStdWString(names[i]),
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
