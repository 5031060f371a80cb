#include "ViewFactory.h"

#include "LithologyColumn.h"
#include "LogView.h"
#include "RecordTableModel.h"
#include "WellHeadView.h"
#include "WellPathView.h"

#include "welldata/CurveNaming.h"

#include <QLabel>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// A column of a rock core analysis table on a logarithmic scale: permeability.
bool IsPermeability(const std::wstring& title) {
    const QString name = QString::fromStdWString(title).trimmed().toUpper();
    return name.startsWith(QStringLiteral("PERM")) || name == QStringLiteral("K") ||
           name.contains(QStringLiteral("渗透率"));
}

bool IsDepthTitle(const std::wstring& title) {
    return welldata::RecognizeName(WellAttributeSection::WellLog, title) == 17 ||
           QString::fromStdWString(title).contains(QStringLiteral("深"));
}

// The columns of a rock core analysis as the curves of a log: the depth
// column (the first one called so, else the first column) and the others.
std::unique_ptr<COMMON::STRUCT_WELL_CURVE>
AnalysisAsLog(const std::list<COMMON::STRUCT_CURVE_ITEM>& columns) {
    auto log = std::make_unique<COMMON::STRUCT_WELL_CURVE>();
    const COMMON::STRUCT_CURVE_ITEM* depth = nullptr;
    for (const COMMON::STRUCT_CURVE_ITEM& column : columns) {
        if (depth == nullptr && IsDepthTitle(column.strName))
            depth = &column;
    }
    if (depth == nullptr && !columns.empty())
        depth = &columns.front();
    for (const COMMON::STRUCT_CURVE_ITEM& column : columns) {
        COMMON::STRUCT_CURVE_ITEM curve = column;
        curve.strType = &column == depth ? L"DEPTH" : column.strName;
        curve.bLogarithmic = IsPermeability(column.strName);
        log->lstCurves.push_back(std::move(curve));
    }
    return log;
}

QLabel* Note(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

QWidget* ViewFactory::Create(const LoadedData& data,
                             const std::vector<COMMON::STRUCT_WELL_HEAD>& heads, QWidget* parent) {
    switch (data.kind) {
    case DataKind::WellHeads:
    case DataKind::NewWellHead:
        return new WellHeadView(data.heads, parent);
    case DataKind::WellPath:
    case DataKind::WellPaths:
        return new WellPathView(data.paths, heads, parent);
    case DataKind::WellLog:
        return new LogView(data.log, data.lasHeader, parent);
    case DataKind::CoreAnalysis:
        return CoreAnalysis(data, parent);
    case DataKind::CoreDescription:
        return CoreDescription(data, parent);
    case DataKind::MultiWellSettings:
        return MultiWellSettings(data, parent);
    case DataKind::WisFile:
        return WisFile(data, parent);
    }
    return new QLabel(parent);
}

QWidget* ViewFactory::CoreAnalysis(const LoadedData& data, QWidget* parent) {
    auto* splitter = new QSplitter(Qt::Horizontal, parent);
    std::vector<const COMMON::STRUCT_CURVE_ITEM*> columns;
    QStringList titles;
    int rows = 0;
    for (const COMMON::STRUCT_CURVE_ITEM& column : data.coreAnalysis) {
        columns.push_back(&column);
        titles << QString::fromStdWString(column.strName);
        rows = std::max(rows, static_cast<int>(column.vecValues.size()));
    }
    QTableView* table = RecordTableModel::CreateView(
        titles, rows,
        [columns](int row, int column) -> QVariant {
            const std::vector<float>& values = columns[static_cast<size_t>(column)]->vecValues;
            return static_cast<size_t>(row) < values.size()
                       ? RecordTableModel::Number(values[static_cast<size_t>(row)])
                       : QVariant();
        },
        splitter);
    splitter->addWidget(table);
    splitter->addWidget(new LogView(AnalysisAsLog(data.coreAnalysis), splitter));
    RecordTableModel::FitInSplitter(splitter, table);
    return splitter;
}

QWidget* ViewFactory::CoreDescription(const LoadedData& data, QWidget* parent) {
    auto* splitter = new QSplitter(Qt::Horizontal, parent);
    std::vector<const COMMON::STRUCT_ROCK_CORE_DESCRIBE*> items;
    for (const COMMON::STRUCT_ROCK_CORE_DESCRIBE& item : data.coreDescription.lstItems)
        items.push_back(&item);
    const QString description = data.coreDescription.strColumnName.empty()
                                    ? tr("Description")
                                    : QString::fromStdWString(data.coreDescription.strColumnName);
    splitter->addWidget(RecordTableModel::CreateView(
        {tr("Top"), tr("Bottom"), description}, static_cast<int>(items.size()),
        [items](int row, int column) -> QVariant {
            const COMMON::STRUCT_ROCK_CORE_DESCRIBE& item = *items[static_cast<size_t>(row)];
            if (column == 0)
                return RecordTableModel::Number(item.fTop);
            if (column == 1)
                return RecordTableModel::Number(item.fBottom);
            return QString::fromStdWString(item.strDescribe);
        },
        splitter));
    splitter->addWidget(new LithologyColumn(data.coreDescription, splitter));
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    return splitter;
}

QWidget* ViewFactory::MultiWellSettings(const LoadedData& data, QWidget* parent) {
    auto* view = new QWidget(parent);
    auto* layout = new QVBoxLayout(view);
    QStringList files;
    for (const std::wstring& file : data.files)
        files << QString::fromStdWString(file);
    QStringList nulls;
    for (float value : data.log.vecNullValues)
        nulls << QString::number(value);
    layout->addWidget(
        Note(tr("Curve settings for a batch of %1 files (the library loads no data here): "
                "curve group \"%2\", %3, null values %4.\nFiles: %5")
                 .arg(files.size())
                 .arg(QString::fromStdWString(data.log.strGroupName))
                 .arg(data.log.nGroupMode == 0 ? tr("a new curve group")
                                               : tr("merged into the first curve group"))
                 .arg(nulls.join(QStringLiteral(", ")), files.join(QStringLiteral(", "))),
             view));
    std::vector<const COMMON::STRUCT_CURVE_ITEM*> curves;
    for (const COMMON::STRUCT_CURVE_ITEM& curve : data.log.lstCurves)
        curves.push_back(&curve);
    layout->addWidget(RecordTableModel::CreateView(
                          {tr("Curve"), tr("Display name"), tr("Type"), tr("Unit"), tr("Column"),
                           tr("Logarithmic")},
                          static_cast<int>(curves.size()),
                          [curves](int row, int column) -> QVariant {
                              const COMMON::STRUCT_CURVE_ITEM& curve =
                                  *curves[static_cast<size_t>(row)];
                              switch (column) {
                              case 0:
                                  return QString::fromStdWString(curve.strName);
                              case 1:
                                  return QString::fromStdWString(curve.strDisplayName);
                              case 2:
                                  return QString::fromStdWString(curve.strType);
                              case 3:
                                  return QString::fromStdWString(curve.strUnit);
                              case 4:
                                  return curve.nColumn;
                              default:
                                  return curve.bLogarithmic ? tr("yes") : tr("no");
                              }
                          },
                          view),
                      1);
    return view;
}

QWidget* ViewFactory::WisFile(const LoadedData& data, QWidget* parent) {
    return Note(tr("WIS file picked:\n%1\n\nThe library only lets the user pick a WIS "
                   "file; a host reads it itself. The viewer does not read WIS files.")
                    .arg(QString::fromStdWString(data.file)),
                parent);
}
