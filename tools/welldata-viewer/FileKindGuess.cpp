#include "FileKindGuess.h"

#include "welldata/TablePreview.h"

#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <set>

namespace {

bool ToNumber(const std::wstring& cell, double& value) {
    bool ok = false;
    value = QString::fromStdWString(cell).toDouble(&ok);
    return ok && std::isfinite(value);
}

} // namespace

DataKind FileKindGuess::Guess(const QString& path) {
    if (LooksLikeLas(path))
        return DataKind::WellLog;
    const std::wstring file = path.toStdWString();
    if (LooksLikeCoreDescription(file))
        return DataKind::CoreDescription;
    if (LooksLikeWellHeads(file))
        return DataKind::WellHeads;
    if (LooksLikeWellPath(file))
        return DataKind::WellPath;
    return HasEvenDepthSteps(file) ? DataKind::WellLog : DataKind::CoreAnalysis;
}

bool FileKindGuess::LooksLikeLas(const QString& path) {
    if (QFileInfo(path).suffix().compare(QStringLiteral("las"), Qt::CaseInsensitive) == 0)
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // The first line that is not a comment or blank opens the version section.
    while (!file.atEnd()) {
        const QByteArray line = file.readLine(4096).trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        return line.toUpper().startsWith("~V");
    }
    return false;
}

bool FileKindGuess::LooksLikeCoreDescription(const std::wstring& path) {
    const welldata::TablePreview preview =
        welldata::PreviewTable(path, welldata::TableKind::CoreDescription);
    if (preview.failure.Failed() || preview.rows.empty())
        return false;
    const welldata::CoreDescriptionChoices choices =
        welldata::SuggestCoreDescriptionChoices(preview);
    if (choices.topColumn < 0 || choices.bottomColumn < 0 || choices.descriptionColumn < 0)
        return false;
    const std::vector<std::wstring>& first = preview.rows.front();
    double value = 0.0;
    return static_cast<size_t>(choices.descriptionColumn) < first.size() &&
           !ToNumber(first[static_cast<size_t>(choices.descriptionColumn)], value);
}

bool FileKindGuess::LooksLikeWellHeads(const std::wstring& path) {
    const welldata::TablePreview preview =
        welldata::PreviewTable(path, welldata::TableKind::WellHead);
    if (preview.failure.Failed() || preview.rows.empty())
        return false;
    const welldata::WellHeadChoices choices = welldata::SuggestWellHeadChoices(preview);
    if (welldata::WellHeadChoicesProblem(choices) != nullptr)
        return false;
    // A path table names its well on every row; a head table each well once.
    std::set<std::wstring> names;
    for (const std::vector<std::wstring>& row : preview.rows) {
        if (static_cast<size_t>(choices.nameColumn) < row.size() &&
            !names.insert(row[static_cast<size_t>(choices.nameColumn)]).second)
            return false;
    }
    return true;
}

bool FileKindGuess::LooksLikeWellPath(const std::wstring& path) {
    const welldata::TablePreview preview =
        welldata::PreviewTable(path, welldata::TableKind::WellPath);
    welldata::PathColumnAssignment assignment;
    return !preview.failure.Failed() && welldata::DetectPathLayout(preview, assignment);
}

bool FileKindGuess::HasEvenDepthSteps(const std::wstring& path) {
    const welldata::TablePreview preview =
        welldata::PreviewTable(path, welldata::TableKind::WellLog);
    if (preview.failure.Failed())
        return false;
    const welldata::WellLogChoices choices = welldata::SuggestWellLogChoices(preview);
    int depthColumn = -1;
    for (const COMMON::STRUCT_CURVE_ITEM& curve : choices.curves) {
        if (welldata::IsDepthCurve(curve))
            depthColumn = curve.nColumn - 1;
    }
    if (depthColumn < 0)
        return false;
    std::vector<double> depths;
    for (const std::vector<std::wstring>& row : preview.rows) {
        double depth = 0.0;
        if (static_cast<size_t>(depthColumn) < row.size() &&
            ToNumber(row[static_cast<size_t>(depthColumn)], depth))
            depths.push_back(depth);
    }
    if (depths.size() < 3)
        return true;
    const double step = depths[1] - depths[0];
    for (size_t i = 2; i < depths.size(); ++i) {
        if (std::fabs(depths[i] - depths[i - 1] - step) > 1e-3 * std::max(1.0, std::fabs(step)))
            return false;
    }
    return step != 0.0;
}
