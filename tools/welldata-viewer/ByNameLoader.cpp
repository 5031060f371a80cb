#include "ByNameLoader.h"

#include "FileKindGuess.h"

#include "welldata/CodePage.h"
#include "welldata/TablePreview.h"

#include <QFileInfo>

namespace {

COMMON::LOAD_DATA_TYPE LoadTypeOf(DataKind kind) {
    switch (kind) {
    case DataKind::WellHeads:
        return COMMON::LDT_WELL_HEAD;
    case DataKind::WellPath:
        return COMMON::LDT_WELL_PATH;
    default:
        return COMMON::LDT_WELL_DATA;
    }
}

welldata::TableKind TableKindOf(DataKind kind) {
    switch (kind) {
    case DataKind::WellHeads:
        return welldata::TableKind::WellHead;
    case DataKind::WellPath:
        return welldata::TableKind::WellPath;
    case DataKind::CoreAnalysis:
        return welldata::TableKind::CoreAnalysis;
    case DataKind::CoreDescription:
        return welldata::TableKind::CoreDescription;
    default:
        return welldata::TableKind::WellLog;
    }
}

QString FailureText(const welldata::LoadFailure& failure) {
    return failure.message.empty()
               ? QString::fromWCharArray(welldata::DescribeLoadError(failure.error))
               : QString::fromStdWString(failure.message);
}

} // namespace

std::optional<LoadedData> ByNameLoader::Load(const QString& path, std::optional<DataKind> kind,
                                             QString& error, bool& shownByLibrary) {
    shownByLibrary = false;
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) {
        error = !info.exists()  ? tr("no such file")
                : info.isFile() ? tr("cannot read this file")
                                : tr("not a file");
        return std::nullopt;
    }
    const std::string codePage = welldata::GetDataCodePage();
    welldata::SetDataCodePage(welldata::DetectCodePage(path.toStdWString()));
    std::optional<LoadedData> data =
        LoadAs(path, kind.value_or(FileKindGuess::Guess(path)), error, shownByLibrary);
    welldata::SetDataCodePage(codePage);
    return data;
}

std::optional<LoadedData> ByNameLoader::LoadAs(const QString& path, DataKind kind, QString& error,
                                               bool& shownByLibrary) {
    const QFileInfo info(path);
    const std::wstring file = path.toStdWString();
    if (kind == DataKind::WellLog &&
        info.suffix().compare(QStringLiteral("las"), Qt::CaseInsensitive) == 0) {
        CLoadData load(COMMON::LDT_WELL_DATA, m_progress);
        if (!load.ReadFile(file)) {
            // The load by name shows the reader's messages itself.
            shownByLibrary = !load.GetLastFailure().message.empty();
            error = FailureText(load.GetLastFailure());
            return std::nullopt;
        }
        return LoadedData::Take(load, DataKind::WellLog, file);
    }
    const welldata::TablePreview preview = welldata::PreviewTable(file, TableKindOf(kind));
    if (preview.failure.Failed()) {
        error = FailureText(preview.failure);
        return std::nullopt;
    }
    switch (kind) {
    case DataKind::WellHeads: {
        const welldata::WellHeadChoices choices = welldata::SuggestWellHeadChoices(preview);
        if (const wchar_t* problem = welldata::WellHeadChoicesProblem(choices)) {
            error = QString::fromWCharArray(problem);
            return std::nullopt;
        }
        return LoadTable(file, kind, choices, error);
    }
    case DataKind::WellPath: {
        welldata::PathColumnAssignment assignment;
        if (!welldata::DetectPathLayout(preview, assignment)) {
            error = tr("no well path layout is complete among its columns");
            return std::nullopt;
        }
        return LoadTable(file, kind, assignment, error);
    }
    case DataKind::CoreAnalysis:
        return LoadTable(file, kind, welldata::SuggestCoreAnalysisChoices(preview), error);
    case DataKind::CoreDescription:
        return LoadTable(file, kind, welldata::SuggestCoreDescriptionChoices(preview), error);
    default:
        return LoadTable(file, DataKind::WellLog, welldata::SuggestWellLogChoices(preview), error);
    }
}

template <class Choices>
std::optional<LoadedData> ByNameLoader::LoadTable(const std::wstring& path, DataKind kind,
                                                  const Choices& choices, QString& error) {
    CLoadData load(LoadTypeOf(kind), m_progress);
    if (!load.ReadFile(path, choices)) {
        error = FailureText(load.GetLastFailure());
        return std::nullopt;
    }
    return LoadedData::Take(load, kind, path);
}
