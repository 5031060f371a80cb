#include "fuzz/runners/LasRunner.h"

#include "fuzz/runners/FuzzInput.h"
#include "fuzz/runners/QuietSession.h"
#include "fuzz/runners/ScratchFile.h"
#include "loaders/CWellLog.h"
#include "reader/CDataFileReader.h"
#include "welldata/CLoadData.h"

namespace welldata::fuzz {

namespace {

// What an import dialog hands over: 1-based columns, one past any real file,
// and the curve types that unit conversion looks at.
std::list<COMMON::STRUCT_CURVE_ITEM> DialogCurves() {
    std::list<COMMON::STRUCT_CURVE_ITEM> curves;
    const std::pair<int, const wchar_t*> choices[] = {
        {1, L"DEPTH"}, {2, L"X"}, {3, L"TVDSS"}, {0, L"GR"}, {4000, L"RT"}};
    for (const auto& [column, type] : choices) {
        COMMON::STRUCT_CURVE_ITEM curve;
        curve.nColumn = column;
        curve.strName = curve.strType = type;
        curves.push_back(curve);
    }
    return curves;
}

void CheckRows(const CDataFileReader& reader) {
    const CLasSectionTable* sections = reader.GetLasSections();
    const size_t curves = sections != nullptr ? static_cast<size_t>(sections->GetCurveCount()) : 0;
    if (curves == 0)
        return;
    for (const Row& row : reader.GetRows())
        Require(row.size() == curves, "every row of a LAS read holds one value per curve");
}

void LoadByName(const std::wstring& path, bool batch) {
    CLoadData load(COMMON::LDT_WELL_DATA);
    load.SetIsBatchLoadFile(batch);
    std::wstring name = path;
    const bool loaded = load.ReadFile(name);
    Require(loaded || load.GetWellLog().lstCurves.empty(),
            "a failed load by name leaves no curves");
    Require(load.GetData()->empty(), "a load by name clears the rows");
}

} // namespace

void RunLas(const std::uint8_t* data, std::size_t size) {
    QuietSession session;
    const FuzzInput input(data, size, 2);
    session.UseCodePage(input.Flag(0, 2) ? "UTF-8" : "GB18030");
    static const ScratchFile file("log.las");
    const std::wstring& path = file.Write(input.File());
    const bool preview = input.Flag(0, 0);
    const bool batch = input.Flag(0, 1);

    CDataFileReader reader;
    COMMON::STRUCT_WELL_PATH wellPath;
    COMMON::STRUCT_WELL_CURVE curves;
    CWellLog log(&reader, &wellPath, &curves);
    reader.SetFilePath(path);
    reader.SetDataFormat(COMMON::WLDF_LAS);
    reader.SetHeaderRow(false);
    reader.SetBatchLoad(batch);
    reader.EnsureSections();
    const bool read =
        reader.Read(preview ? CDataFileReader::kReadLasPreview : CDataFileReader::kReadAll);
    Require(!batch || session.MessageCount() == 0, "a batch read shows no message");
    if (read && !preview)
        CheckRows(reader);
    const std::wstring previewText = reader.TakePreviewText();
    Require(!(batch || !preview) || previewText.empty(),
            "preview lines are kept only by interactive previews");
    Require(reader.TakePreviewText().empty(), "taking the preview empties it");

    if (input.Flag(0, 3)) {
        log.SetCurves(DialogCurves());
        log.SetUserCurveList(true);
    }
    curves.bWithWellPath = input.Flag(0, 4);
    const int coorUnit = input.Option(1) & 0x0F;
    const int depthUnit = input.Option(1) >> 4;
    log.SetCoorUnit(coorUnit);
    log.SetDepthUnit(depthUnit);
    log.SetConvertUnits(coorUnit != 0 || depthUnit != 0);
    if (log.LoadLas() && !log.HasUserCurveList() && !curves.bWithWellPath) {
        for (const COMMON::STRUCT_CURVE_ITEM& curve : curves.lstCurves) {
            const size_t rows = static_cast<size_t>(reader.GetRowCount());
            Require(curve.vecValues.size() == rows || curve.vecValues.empty(),
                    "a loaded curve holds one value per row");
        }
    }

    if (input.Flag(0, 5))
        LoadByName(path, batch);
}

} // namespace welldata::fuzz
