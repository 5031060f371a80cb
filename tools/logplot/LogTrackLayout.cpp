#include "LogTrackLayout.h"

#include "welldata/CurveNaming.h"
#include "welldata/Language.h"
#include "welldata/LoadChoices.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <map>

namespace logplot {

namespace {

constexpr size_t kCurvesPerTrack = 4;
constexpr size_t kOtherCurvesPerTrack = 3;

bool IsOneOf(const std::wstring& mnemonic, std::initializer_list<const wchar_t*> mnemonics) {
    return std::any_of(mnemonics.begin(), mnemonics.end(),
                       [&mnemonic](const wchar_t* one) { return mnemonic == one; });
}

// Upper case by Unicode's rules, whatever the process's locale.
std::wstring Upper(const std::wstring& text) {
    return QString::fromStdWString(text).toUpper().toStdWString();
}

// The standard mnemonic of the curve kind the settings file recognises the
// curve as, by its type first and then by its name; empty for none.
std::wstring CurveKind(const COMMON::STRUCT_CURVE_ITEM& curve) {
    unsigned int id = welldata::RecognizeName(WellAttributeSection::WellLog, curve.strType);
    if (id == 0)
        id = welldata::RecognizeName(WellAttributeSection::WellLog, curve.strName);
    const wchar_t* mnemonic = GetCurveMnemonic(id);
    return mnemonic != nullptr ? mnemonic : L"";
}

} // namespace

LogTrackLayout::LogTrackLayout(const COMMON::STRUCT_WELL_CURVE& log, CurveNames names)
    : m_depth(FindDepth(log)) {
    std::map<Family, std::vector<Curve>> families;
    for (const COMMON::STRUCT_CURVE_ITEM& curve : log.lstCurves) {
        if (&curve == m_depth || !HasValues(curve))
            continue;
        const std::wstring kind = CurveKind(curve);
        Family family = FamilyOf(kind);
        const bool logarithmic =
            curve.bLogarithmic || IsOhmMetre(curve.strUnit) || family == Family::Resistivity;
        if (logarithmic)
            family = Family::Resistivity;
        families[family].push_back({&curve, logarithmic, kind, CurveLabel(curve, names)});
    }
    // Gamma ray leads the first track, as on most plots.
    std::stable_sort(
        families[Family::Lithology].begin(), families[Family::Lithology].end(),
        [](const Curve& a, const Curve& b) { return a.kind == L"GR" && b.kind != L"GR"; });
    AddTracks(m_left, families[Family::Lithology], kCurvesPerTrack, false);
    AddTracks(m_right, families[Family::Resistivity], kCurvesPerTrack, true);
    AddTracks(m_right, families[Family::Porosity], kCurvesPerTrack, false);
    AddTracks(m_right, families[Family::Other], kOtherCurvesPerTrack, false);
}

bool LogTrackLayout::IsNull(float value) {
    return std::isnan(value) || value == welldata::kNullValue;
}

const COMMON::STRUCT_CURVE_ITEM* LogTrackLayout::FindDepth(const COMMON::STRUCT_WELL_CURVE& log) {
    for (const COMMON::STRUCT_CURVE_ITEM& curve : log.lstCurves) {
        if (welldata::IsDepthCurve(curve))
            return &curve;
    }
    return log.lstCurves.empty() ? nullptr : &log.lstCurves.front();
}

LogTrackLayout::Family LogTrackLayout::FamilyOf(const std::wstring& mnemonic) {
    if (IsOneOf(mnemonic, {L"MSFL", L"LLD", L"LLS", L"RT", L"RXO", L"RI", L"RMLL", L"ILM", L"ILD",
                           L"R4", L"R05", L"R045", L"LL8", L"ML1", L"ML2", L"R2.5"}))
        return Family::Resistivity;
    if (IsOneOf(mnemonic, {L"CAL", L"GR", L"NGS", L"SP", L"CGR", L"GRSG", L"SH"}))
        return Family::Lithology;
    if (IsOneOf(mnemonic, {L"AC", L"CNL", L"DEN", L"SNP", L"NLL", L"POR"}))
        return Family::Porosity;
    return Family::Other;
}

bool LogTrackLayout::HasValues(const COMMON::STRUCT_CURVE_ITEM& curve) {
    return std::any_of(curve.vecValues.begin(), curve.vecValues.end(),
                       [](float value) { return !IsNull(value); });
}

bool LogTrackLayout::IsOhmMetre(const std::wstring& unit) {
    std::wstring letters;
    for (wchar_t c : Upper(unit)) {
        if (c != L'.' && c != L'-' && c != L'·' && c != L' ' && c != L'_' && c != L'/')
            letters += c;
    }
    return letters == L"OHMM" || letters == L"ΩM" || letters == L"欧姆米";
}

std::wstring CurveLabel(const COMMON::STRUCT_CURVE_ITEM& curve, CurveNames names) {
    if (names == CurveNames::Mnemonic)
        return curve.strName;
    // The record's display name is the settings file's, which is Chinese; in
    // another language the library names the curve's kind.
    std::wstring display;
    if (welldata::GetLanguage() == welldata::Language::Chinese)
        display = curve.strDisplayName;
    if (display.empty())
        welldata::GetCurveDisplayName(curve.strName, display);
    if (display.empty() || Upper(display) == Upper(curve.strName))
        return curve.strName;
    return curve.strName + L" " + display;
}

void LogTrackLayout::AddTracks(std::vector<Track>& tracks, const std::vector<Curve>& curves,
                               size_t perTrack, bool logarithmic) {
    for (size_t first = 0; first < curves.size(); first += perTrack) {
        Track track;
        track.logarithmic = logarithmic;
        const size_t last = std::min(curves.size(), first + perTrack);
        track.curves.assign(curves.begin() + static_cast<std::ptrdiff_t>(first),
                            curves.begin() + static_cast<std::ptrdiff_t>(last));
        tracks.push_back(std::move(track));
    }
}

} // namespace logplot
