#include "wellsymbol/IGlyphShelf.h"

#include "wellsymbol/WellSymbolPainter.h"

#include <QCoreApplication>
#include <QPainter>
#include <QRectF>
#include <QString>

#include <vector>

namespace {

const QColor kOil(20, 20, 20);
const QColor kGas(200, 30, 30);
const QColor kWater(20, 90, 200);
const QColor kObservation(20, 130, 60);
const QColor kPlanned(90, 90, 90);

struct WellSymbol {
    const wchar_t* key;
    void (*draw)(WellSymbolPainter&);
};

// In the order of kSymbolNameTexts. The ninth, the planned well, is the one a well
// typed in by hand starts with.
const WellSymbol kSymbols[] = {
    {L"oil", [](WellSymbolPainter& p) { p.Body(kOil, kOil); }},
    {L"gas",
     [](WellSymbolPainter& p) {
         p.Rays(kGas, 8, 0);
         p.Body(kGas);
     }},
    {L"oil-gas",
     [](WellSymbolPainter& p) {
         p.Rays(kGas, 8, 0);
         p.Body(kOil, kOil);
     }},
    {L"water", [](WellSymbolPainter& p) { p.Body(kWater, kWater); }},
    {L"dry",
     [](WellSymbolPainter& p) {
         p.Rays(kOil, 4, 45);
         p.Body(kOil);
     }},
    {L"water-injector",
     [](WellSymbolPainter& p) {
         p.Body(kWater);
         p.InjectionArrow(kWater);
     }},
    {L"gas-injector",
     [](WellSymbolPainter& p) {
         p.Body(kGas);
         p.InjectionArrow(kGas);
     }},
    {L"observation",
     [](WellSymbolPainter& p) {
         p.Body(kObservation);
         p.CentreDot(kObservation);
     }},
    {L"planned", [](WellSymbolPainter& p) { p.Body(kPlanned, QColor(), Qt::DashLine); }},
    {L"abandoned-oil",
     [](WellSymbolPainter& p) {
         p.Body(kOil, kOil);
         p.StrikeThrough(kOil);
     }},
    {L"abandoned-gas",
     [](WellSymbolPainter& p) {
         p.Rays(kGas, 8, 0);
         p.Body(kGas);
         p.StrikeThrough(kGas);
     }},
    {L"oil-water", [](WellSymbolPainter& p) { p.HalfFilledBody(kWater, kOil); }},
    {L"abandoned",
     [](WellSymbolPainter& p) {
         p.Rays(kOil, 4, 45);
         p.Body(kOil);
         p.StrikeThrough(kOil);
     }},
};

// The names are the well types a host records; a dialog shows them in the
// chosen language (context "IGlyphShelf" of the translation catalogue).
const char* const kSymbolNameTexts[] = {
    QT_TRANSLATE_NOOP("IGlyphShelf", "油井"),     QT_TRANSLATE_NOOP("IGlyphShelf", "气井"),
    QT_TRANSLATE_NOOP("IGlyphShelf", "油气井"),   QT_TRANSLATE_NOOP("IGlyphShelf", "水井"),
    QT_TRANSLATE_NOOP("IGlyphShelf", "干井"),     QT_TRANSLATE_NOOP("IGlyphShelf", "注水井"),
    QT_TRANSLATE_NOOP("IGlyphShelf", "注气井"),   QT_TRANSLATE_NOOP("IGlyphShelf", "观察井"),
    QT_TRANSLATE_NOOP("IGlyphShelf", "设计井"),   QT_TRANSLATE_NOOP("IGlyphShelf", "废弃油井"),
    QT_TRANSLATE_NOOP("IGlyphShelf", "废弃气井"), QT_TRANSLATE_NOOP("IGlyphShelf", "油水同出井"),
    QT_TRANSLATE_NOOP("IGlyphShelf", "报废井"),
};

constexpr int kSymbolCount = static_cast<int>(sizeof kSymbols / sizeof kSymbols[0]);
static_assert(sizeof kSymbolNameTexts / sizeof kSymbolNameTexts[0] == kSymbolCount,
              "one name per symbol");

// The names as wide texts, ended by a null pointer; made once, kept for the
// program's life.
const wchar_t* const* SymbolNames() {
    static const std::vector<std::wstring> texts = [] {
        std::vector<std::wstring> names;
        for (const char* name : kSymbolNameTexts)
            names.push_back(QString::fromUtf8(name).toStdWString());
        return names;
    }();
    static const std::vector<const wchar_t*> names = [] {
        std::vector<const wchar_t*> pointers;
        for (const std::wstring& text : texts)
            pointers.push_back(text.c_str());
        pointers.push_back(nullptr);
        return pointers;
    }();
    return names.data();
}

bool IsSymbolNumber(int symbol) {
    return symbol >= 1 && symbol <= kSymbolCount;
}

} // namespace

IGlyphShelf::IGlyphShelf() = default;
IGlyphShelf::~IGlyphShelf() = default;

bool IGlyphShelf::GetSymbolNames(int category, const wchar_t* const** names) const {
    if (names == nullptr)
        return false;
    *names = category == kWellSymbols ? SymbolNames() : nullptr;
    return *names != nullptr;
}

bool IGlyphShelf::DrawSymbol(QPainter& painter, int symbol, const QRectF& rect) const {
    if (!IsSymbolNumber(symbol) || rect.isEmpty())
        return false;
    WellSymbolPainter strokes(painter, rect);
    kSymbols[symbol - 1].draw(strokes);
    return true;
}

int IGlyphShelf::GetSymbolCount() const {
    return kSymbolCount;
}

int IGlyphShelf::FindSymbol(const std::wstring& name) const {
    const QString wanted = QString::fromStdWString(name).trimmed();
    if (wanted.isEmpty())
        return 0;
    for (int i = 0; i < kSymbolCount; ++i) {
        if (wanted.compare(QString::fromUtf8(kSymbolNameTexts[i]), Qt::CaseInsensitive) == 0 ||
            wanted.compare(QString::fromWCharArray(kSymbols[i].key), Qt::CaseInsensitive) == 0)
            return i + 1;
    }
    return 0;
}

const wchar_t* IGlyphShelf::GetSymbolKey(int symbol) const {
    return IsSymbolNumber(symbol) ? kSymbols[symbol - 1].key : nullptr;
}
