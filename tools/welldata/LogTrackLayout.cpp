#include "LogTrackLayout.h"

#include "DataTable.h"
#include "platform/WideText.h"
#include "settings/ColumnRecognizer.h"
#include "settings/WellAttributeId.h"
#include "welldata/CurveNaming.h"

#include <algorithm>
#include <map>

namespace {

constexpr size_t kCurvesPerTrack = 4;
constexpr size_t kOtherCurvesPerTrack = 3;

bool IsOneOf(unsigned int id, std::initializer_list<unsigned int> ids) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

} // namespace

LogTrackLayout::LogTrackLayout(const DataTable& table) : m_depthColumn(FindDepthColumn(table)) {
    ColumnRecognizer recognizer(WellAttributeSection::WellLog, true);
    std::map<Family, std::vector<Curve>> families;
    for (size_t index = 0; index < table.columns.size(); ++index) {
        const DataColumn& column = table.columns[index];
        if (index == m_depthColumn || column.IsText() || !HasValues(column))
            continue;
        unsigned int id = recognizer.Recognize(column.type);
        if (id == 0)
            id = recognizer.Recognize(column.name);
        const bool resistivity =
            (id >= WAI_CURVE_MSFL && id <= WAI_CURVE_ILD) ||
            IsOneOf(id, {WAI_CURVE_R4, WAI_CURVE_R05, WAI_CURVE_R045, WAI_CURVE_LL8, WAI_CURVE_ML1,
                         WAI_CURVE_ML2, WAI_CURVE_R2_5});
        const bool logarithmic = column.logarithmic || IsOhmMetre(column.unit) || resistivity;
        Family family = Family::Other;
        if (logarithmic)
            family = Family::Resistivity;
        else if (IsOneOf(id, {WAI_CURVE_CAL, WAI_CURVE_GR, WAI_CURVE_NGS, WAI_CURVE_SP,
                              WAI_CURVE_CGR, WAI_CURVE_GRSG, WAI_CURVE_SH}))
            family = Family::Lithology;
        else if (IsOneOf(id, {WAI_CURVE_AC, WAI_CURVE_CNL, WAI_CURVE_DEN, WAI_CURVE_SNP,
                              WAI_CURVE_NLL, WAI_CURVE_POR}))
            family = Family::Porosity;
        const bool gammaRay = id == WAI_CURVE_GR;
        families[family].push_back({index, logarithmic, gammaRay, Label(column)});
    }
    // Gamma ray leads the first track, as on most plots.
    std::stable_sort(families[Family::Lithology].begin(), families[Family::Lithology].end(),
                     [](const Curve& a, const Curve& b) { return a.gammaRay && !b.gammaRay; });
    AddTracks(m_left, families[Family::Lithology], kCurvesPerTrack, false);
    AddTracks(m_right, families[Family::Resistivity], kCurvesPerTrack, true);
    AddTracks(m_right, families[Family::Porosity], kCurvesPerTrack, false);
    AddTracks(m_right, families[Family::Other], kOtherCurvesPerTrack, false);
}

size_t LogTrackLayout::FindDepthColumn(const DataTable& table) {
    for (size_t index = 0; index < table.columns.size(); ++index) {
        if (welldata::EqualsNoCase(table.columns[index].type, L"DEPTH"))
            return index;
    }
    return 0;
}

bool LogTrackLayout::HasValues(const DataColumn& column) {
    for (size_t row = 0; row < column.Size(); ++row) {
        if (!column.IsNull(row))
            return true;
    }
    return false;
}

bool LogTrackLayout::IsOhmMetre(const std::wstring& unit) {
    std::wstring letters;
    for (wchar_t c : welldata::ToUpper(unit)) {
        if (c != L'.' && c != L'-' && c != L'·' && c != L' ' && c != L'_')
            letters += c;
    }
    return letters == L"OHMM" || letters == L"ΩM" || letters == L"欧姆米";
}

std::wstring LogTrackLayout::Label(const DataColumn& column) {
    std::wstring display = column.displayName;
    if (display.empty()) {
        std::wstring found;
        if (get_curve_name(column.name.c_str(), &found, true))
            display = found;
    }
    if (display.empty() || welldata::EqualsNoCase(display, column.name))
        return column.name;
    return column.name + L" " + display;
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
