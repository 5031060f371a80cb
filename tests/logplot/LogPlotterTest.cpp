// The log picture and the painter behind it: depth range and scale options,
// their command-line texts, the curve names' one source, and every LAS file
// of the public corpus and the samples plotted with default options.
#include "LogPlotter.h"
#include "LogPainter.h"
#include "PlotOptions.h"

#include "welldata/CLoadData.h"
#include "welldata/Language.h"
#include "welldata/MessageBox.h"
#include "welldata/Settings.h"
#include "welldata/UnitQuestion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <optional>

namespace {

using logplot::CurveNames;
using logplot::LogPainter;
using logplot::PlotOptions;

// The plotter makes the Qt application that fonts and pictures need; curve
// kinds are recognised through the sample settings file.
const logplot::LogPlotter& Plotter() {
    static const logplot::LogPlotter plotter;
    welldata::SetSettingsFilePath(WELLDATA_SAMPLES_DIR L"/welldata.well_attri.ini");
    return plotter;
}

COMMON::STRUCT_CURVE_ITEM Curve(const std::wstring& name, const std::wstring& unit,
                                std::vector<float> values) {
    COMMON::STRUCT_CURVE_ITEM curve;
    curve.strName = curve.strType = name;
    curve.strUnit = unit;
    curve.vecValues = std::move(values);
    return curve;
}

// DEPTH from 2000 m every 0.125 m, and GR.
COMMON::STRUCT_WELL_CURVE Log(size_t samples) {
    std::vector<float> depth, gr;
    for (size_t i = 0; i < samples; ++i) {
        depth.push_back(2000.0f + 0.125f * static_cast<float>(i));
        gr.push_back(60.0f + 20.0f * static_cast<float>(std::sin(static_cast<double>(i) / 7.0)));
    }
    COMMON::STRUCT_WELL_CURVE log;
    log.lstCurves = {Curve(L"DEPTH", L"M", depth), Curve(L"GR", L"API", gr)};
    return log;
}

QImage Render(const COMMON::STRUCT_WELL_CURVE& log, const PlotOptions& options,
              std::string& error) {
    return Plotter().Render(log, L"test.las", L"LAS well log", options, error);
}

} // namespace

TEST(PlotOptions, DepthRangeAndScaleTexts) {
    using Range = std::pair<double, double>;
    const std::pair<const char*, std::optional<Range>> ranges[] = {{"-20:100.5", Range(-20, 100.5)},
                                                                   {"1e3:2e3", Range(1000, 2000)},
                                                                   {"2180:2150", {}},
                                                                   {"2150:2150", {}},
                                                                   {"2150", {}},
                                                                   {":2150", {}},
                                                                   {" 1:2", {}},
                                                                   {"1:2:3", {}},
                                                                   {"nan:5", {}}};
    for (const auto& [text, expected] : ranges) {
        Range range;
        EXPECT_EQ(logplot::ParseDepthRange(text, range.first, range.second), expected.has_value())
            << text;
        EXPECT_TRUE(!expected || range == *expected) << text;
    }
    // A scale of 0: refused.
    const std::pair<const char*, double> scales[] = {
        {"1:200", 200}, {"500", 500}, {"1:0", 0}, {"2:200", 0}, {"", 0}};
    for (const auto& [text, expected] : scales) {
        double scale = 0.0;
        EXPECT_EQ(logplot::ParseDepthScale(text, scale), expected > 0) << text;
        EXPECT_TRUE(expected == 0 || scale == expected) << text;
    }
}

TEST(LogPlotter, ADepthScaleSetsThePlotHeightAndATooTallOneIsRefused) {
    const COMMON::STRUCT_WELL_CURVE log = Log(2401); // 2000 to 2300 m
    std::string error;
    PlotOptions options;
    options.top = 2100.0;
    options.base = 2200.0;
    const QImage fitted = Render(log, options, error);
    ASSERT_FALSE(fitted.isNull()) << error;
    options.depthScale = 200.0; // 100 m at 1:200 is 50 cm: 1890 pixels at 96 dpi
    const QImage scaled = Render(log, options, error);
    ASSERT_FALSE(scaled.isNull()) << error;
    EXPECT_EQ(scaled.height() - fitted.height(), 1890 - 1400);
    EXPECT_NEAR(scaled.dotsPerMeterY() * 0.0254, 96.0, 0.1);

    options.top.reset();
    options.base.reset();
    options.depthScale = 1.0; // 300 m at full size
    EXPECT_TRUE(Render(log, options, error).isNull());
    EXPECT_NE(error.find("pixels tall"), std::string::npos) << error;
}

TEST(LogPainter, CurveNamesFollowTheLibrarysLanguage) {
    Plotter();
    COMMON::STRUCT_CURVE_ITEM gr = Curve(L"GR", L"API", {1});
    EXPECT_EQ(logplot::CurveLabel(gr, CurveNames::MnemonicAndDisplayName), L"GR 自然伽马");
    ASSERT_TRUE(welldata::SetLanguage(welldata::Language::English));
    EXPECT_EQ(logplot::CurveLabel(gr, CurveNames::MnemonicAndDisplayName), L"GR Gamma ray");
    // The record's display name is the settings file's, Chinese: not shown in English.
    gr.strDisplayName = L"伽马";
    EXPECT_EQ(logplot::CurveLabel(gr, CurveNames::MnemonicAndDisplayName), L"GR Gamma ray");
    welldata::SetLanguage(welldata::Language::Chinese);
    EXPECT_EQ(logplot::CurveLabel(gr, CurveNames::MnemonicAndDisplayName), L"GR 伽马");
}

// The middle 98 % of a curve's values spans at least this share of its track.
bool NotSqueezed(const std::vector<float>& curve, const logplot::CurveScale& scale) {
    std::vector<float> values;
    std::copy_if(curve.begin(), curve.end(), std::back_inserter(values),
                 [](float value) { return value != welldata::kNullValue && std::isfinite(value); });
    std::sort(values.begin(), values.end());
    const double low = values[values.size() / 100];
    const double high = values[values.size() - 1 - values.size() / 100];
    return high == low || std::fabs(scale.Fraction(high) - scale.Fraction(low)) >= 0.3;
}

// Real files: every LAS file of the corpus and the samples loads by name and
// plots with the default options, and no curve of them is squeezed into a
// sliver of its track by a few extreme values.
TEST(LogPlotter, EveryCorpusAndSampleFileIsPlotted) {
    std::vector<std::filesystem::path> files;
    for (const char* folder : {WELLDATA_LAS_CORPUS_DIR, WELLDATA_SAMPLES_DIR}) {
        if (!std::filesystem::is_directory(folder))
            continue;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
            if (entry.path().extension() == ".las" || entry.path().extension() == ".LAS")
                files.push_back(entry.path());
        }
    }
    if (files.size() < 10)
        GTEST_SKIP() << "no LAS corpus at " << WELLDATA_LAS_CORPUS_DIR;
    Plotter();
    const welldata::ScopedMessageHandler quiet(
        [](const welldata::MessageRequest&) { return welldata::MessageResult::Ok; });
    const welldata::ScopedUnitQuestionHandler keepUnits(
        [](const std::wstring&, welldata::UnitAnswer&) { return false; });
    size_t plotted = 0;
    size_t usual = 0; // curves drawn on their kind's usual range
    for (const auto& file : files) {
        CLoadData load(COMMON::LDT_WELL_DATA);
        load.SetIsBatchLoadFile(true);
        if (!load.ReadFile(file.wstring()))
            continue;
        std::string error;
        if (Render(load.GetWellLog(), {}, error).isNull()) {
            // Only a log without values has no picture.
            EXPECT_TRUE(error == "no curve holds values" ||
                        error == "the depth curve holds no values")
                << file << ": " << error;
            continue;
        }
        ++plotted;
        const LogPainter painter(load.GetWellLog());
        const std::vector<logplot::CurveScale> scales = painter.Scales();
        auto scale = scales.begin();
        for (const auto* side : {&painter.Layout().LeftTracks(), &painter.Layout().RightTracks()}) {
            for (const auto& track : *side) {
                for (const auto& curve : track.curves) {
                    usual += scale->IsUsualRange() ? 1 : 0;
                    EXPECT_TRUE(scale->IsUsualRange() || scale->IsLogarithmic() ||
                                NotSqueezed(curve.item->vecValues, *scale))
                        << file << " "
                        << QString::fromStdWString(curve.item->strName).toStdString();
                    ++scale;
                }
            }
        }
    }
    EXPECT_GE(plotted, files.size() / 2);
    EXPECT_GT(usual, 20u);
}
