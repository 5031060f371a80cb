// The well-symbol shelf: the symbols a map shows at a well head (oil, gas, oil
// and gas, water, dry, injectors, observation, planned, abandoned), drawn as
// vector shapes so that they stay crisp at any size. Needs only QtGui.
//
// Usage:
//   IGlyphShelf shelf;
//   const wchar_t* const* names = nullptr;
//   if (shelf.GetSymbolNames(IGlyphShelf::kWellSymbols, &names))
//       for (int i = 0; names[i] != nullptr; ++i)
//           combo->addItem(QString::fromWCharArray(names[i]));
//   shelf.DrawSymbol(painter, 1, QRectF(0, 0, 32, 32)); // symbol 1: oil well
//   int planned = shelf.FindSymbol(L"planned");         // 9, also by "设计井"
#pragma once

#include <string>

class QPainter;
class QRectF;

class IGlyphShelf {
public:
    // The only category the shelf holds: the well symbols.
    static constexpr int kWellSymbols = 1;

    IGlyphShelf();
    virtual ~IGlyphShelf();
    IGlyphShelf(const IGlyphShelf&) = delete;
    IGlyphShelf& operator=(const IGlyphShelf&) = delete;

    // Points `names` at the names of `category`, an array ended by a null
    // pointer; the texts live as long as the program. Another category gives
    // false and a null array.
    virtual bool GetSymbolNames(int category, const wchar_t* const** names) const;

    // Draws symbol `symbol` (1-based, in name order) centred in `rect`, as large
    // as its shorter side allows. False, drawing nothing, for a number the shelf
    // does not hold or an empty rectangle. The painter's state is restored.
    virtual bool DrawSymbol(QPainter& painter, int symbol, const QRectF& rect) const;

    int GetSymbolCount() const;
    // The 1-based number of the symbol called `name`, by its shown name or its
    // English key (any case); 0 when there is none.
    int FindSymbol(const std::wstring& name) const;
    // The English key of `symbol` ("oil", "gas", ...), null for an unknown number.
    const wchar_t* GetSymbolKey(int symbol) const;
};
