#include "WellPathView.h"

#include "PathPlotWidget.h"
#include "RecordTableModel.h"

#include "welldata/LoadChoices.h"
#include "welldata/WellPathPositions.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace {

const char* ColumnTitle(welldata::PathColumn column) {
    static const char* const titles[] = {"MD", "INCL", "AZIM", "TVD", "DX", "DY", "X", "Y", "Z"};
    return titles[static_cast<int>(column)];
}

QString ReasonText(welldata::SkipReason reason) {
    switch (reason) {
    case welldata::SkipReason::NullValue:
        return QCoreApplication::translate("WellPathView", "a null value");
    case welldata::SkipReason::NotFinite:
        return QCoreApplication::translate("WellPathView", "a value that is not a number");
    case welldata::SkipReason::MdNotIncreasing:
        return QCoreApplication::translate("WellPathView", "MD does not go on down the hole");
    case welldata::SkipReason::UnknownLayout:
        return QCoreApplication::translate("WellPathView",
                                           "a path layout the viewer does not know");
    }
    return {};
}

bool HasMd(const COMMON::STRUCT_WELL_PATH& path) {
    return std::any_of(
        path.dqPoints.begin(), path.dqPoints.end(),
        [](const COMMON::STRUCT_WELL_PATH_POINT& point) { return point.fMD != 0.0f; });
}

bool SameName(const std::wstring& a, const std::wstring& b) {
    return QString::fromStdWString(a).compare(QString::fromStdWString(b), Qt::CaseInsensitive) == 0;
}

} // namespace

WellPathView::WellPathView(const std::vector<LoadedPath>& paths,
                           std::vector<COMMON::STRUCT_WELL_HEAD> heads, QWidget* parent)
    : QWidget(parent), m_paths(paths), m_heads(std::move(heads)), m_head(new QComboBox(this)),
      m_tableBox(new QVBoxLayout), m_plan(new PathPlotWidget(PathPlotWidget::Mode::Plan, this)),
      m_section(new PathPlotWidget(PathPlotWidget::Mode::Section, this)),
      m_skipped(new QLabel(this)) {
    auto* layout = new QVBoxLayout(this);
    auto* headRow = new QHBoxLayout;
    headRow->addWidget(new QLabel(tr("Positions from well head:"), this));
    m_head->addItem(tr("none (offsets from the first point)"));
    for (const COMMON::STRUCT_WELL_HEAD& head : m_heads)
        m_head->addItem(QString::fromStdWString(head.strWellName));
    headRow->addWidget(m_head);
    headRow->addStretch();
    layout->addLayout(headRow);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    auto* left = new QWidget(splitter);
    auto* leftBox = new QVBoxLayout(left);
    leftBox->setContentsMargins(0, 0, 0, 0);
    if (m_paths.size() > 1) {
        m_files = new QListWidget(left);
        for (const LoadedPath& path : m_paths)
            m_files->addItem(QString::fromStdWString(path.fileName));
        m_files->setMaximumHeight(140);
        leftBox->addWidget(m_files);
        connect(m_files, &QListWidget::currentRowChanged, this, [this](int row) { ShowPath(row); });
    }
    leftBox->addLayout(m_tableBox);
    m_skipped->setWordWrap(true);
    m_skipped->setTextInteractionFlags(Qt::TextSelectableByMouse);
    leftBox->addWidget(m_skipped);
    auto* views = new QTabWidget(splitter);
    views->addTab(m_plan, tr("Plan"));
    views->addTab(m_section, tr("Section"));
    splitter->addWidget(left);
    splitter->addWidget(views);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter, 1);

    connect(m_head, &QComboBox::currentIndexChanged, this, [this] { Recompute(); });
    if (m_files != nullptr)
        m_files->setCurrentRow(0);
    else
        ShowPath(0);
}

void WellPathView::ShowPath(int index) {
    if (index < 0 || static_cast<size_t>(index) >= m_paths.size())
        return;
    m_current = index;
    // The head the path was matched to, when it was.
    const std::optional<COMMON::STRUCT_WELL_HEAD>& matched =
        m_paths[static_cast<size_t>(index)].head;
    int headIndex = 0;
    for (size_t i = 0; matched && i < m_heads.size(); ++i) {
        if (SameName(m_heads[i].strWellName, matched->strWellName))
            headIndex = static_cast<int>(i) + 1;
    }
    const QSignalBlocker quiet(m_head);
    m_head->setCurrentIndex(headIndex);
    Recompute();
}

void WellPathView::Recompute() {
    const COMMON::STRUCT_WELL_PATH& path = m_paths[static_cast<size_t>(m_current)].path;
    const int headIndex = m_head->currentIndex();
    // Points given as map positions are on the map with or without a head;
    // without one, the offsets are taken from the first point.
    const bool mapLayout = path.nDataType == PATH_TVD_X_Y || path.nDataType == PATH_X_Y_Z;
    const bool mapped = headIndex > 0 || (mapLayout && !path.dqPoints.empty());
    welldata::WellHeadLocation head;
    if (headIndex > 0) {
        const COMMON::STRUCT_WELL_HEAD& chosen = m_heads[static_cast<size_t>(headIndex - 1)];
        head = {chosen.dX, chosen.dY, chosen.fKB};
    } else if (mapped) {
        const COMMON::STRUCT_WELL_PATH_POINT& first = path.dqPoints.front();
        head.x = welldata::PathPointValue(first, path.nDataType, welldata::PathColumn::X);
        head.y = welldata::PathPointValue(first, path.nDataType, welldata::PathColumn::Y);
    }
    const auto positions = std::make_shared<welldata::WellPathPositions>(path, head);

    // Per point: its station, or none when it was skipped.
    auto stationOf = std::make_shared<std::vector<int>>(path.dqPoints.size(), -1);
    for (size_t i = 0; i < positions->GetStations().size(); ++i)
        (*stationOf)[positions->GetStations()[i].pointIndex] = static_cast<int>(i);
    const std::vector<welldata::PathColumn> columns =
        welldata::PathPointColumns(path.nDataType, HasMd(path));
    QStringList titles;
    for (welldata::PathColumn column : columns)
        titles << QString::fromLatin1(ColumnTitle(column));
    titles << tr("TVD (computed)") << tr("North") << tr("East") << tr("DLS (°/30 m)");
    const auto cell = [&path, columns, positions, stationOf](int row, int column) -> QVariant {
        const size_t point = static_cast<size_t>(row);
        const int known = static_cast<int>(columns.size());
        if (column < known) {
            const welldata::PathColumn which = columns[static_cast<size_t>(column)];
            const double value =
                welldata::PathPointValue(path.dqPoints[point], path.nDataType, which);
            return welldata::IsDoublePathColumn(path.nDataType, which)
                       ? RecordTableModel::Number(value)
                       : RecordTableModel::Number(static_cast<float>(value));
        }
        const int station = (*stationOf)[point];
        if (station < 0)
            return tr("skipped");
        const welldata::WellPathStation& s = positions->GetStations()[static_cast<size_t>(station)];
        const double values[] = {s.tvd, s.north, s.east, s.doglegSeverity};
        return QString::number(values[column - known], 'f', 2);
    };
    delete m_table;
    m_table =
        RecordTableModel::CreateView(titles, static_cast<int>(path.dqPoints.size()), cell, this);
    m_tableBox->addWidget(m_table);
    m_plan->SetStations(positions->GetStations(), mapped);
    m_section->SetStations(positions->GetStations(), mapped);

    QStringList skipped;
    for (const welldata::SkippedPathPoint& point : positions->GetSkippedPoints())
        skipped << tr("point %1: %2").arg(point.pointIndex + 1).arg(ReasonText(point.reason));
    QString text =
        tr("%1 points, %2 drawn.").arg(path.dqPoints.size()).arg(positions->GetStations().size());
    if (positions->IsMdFromChords())
        text += tr(" MD summed from the chords between the points (the file has none).");
    if (!skipped.isEmpty())
        text += tr(" Skipped: ") + skipped.mid(0, 20).join(QStringLiteral("; ")) +
                (skipped.size() > 20 ? tr("; and %1 more.").arg(skipped.size() - 20) : tr("."));
    m_skipped->setText(text);
}

QString WellPathView::SkippedText() const {
    return m_skipped->text();
}
