#include "LogView.h"

#include "LogTrackArea.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QToolButton* Button(const QString& text, const QString& tip, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(tip);
    return button;
}

} // namespace

LogView::LogView(const COMMON::STRUCT_WELL_CURVE& log,
                 const std::vector<welldata::LasHeaderSection>& header, QWidget* parent)
    : LogView(nullptr, &log, header, parent) {}

LogView::LogView(std::unique_ptr<COMMON::STRUCT_WELL_CURVE> log, QWidget* parent)
    : LogView(std::move(log), nullptr, {}, parent) {}

LogView::LogView(std::unique_ptr<COMMON::STRUCT_WELL_CURVE> own,
                 const COMMON::STRUCT_WELL_CURVE* log,
                 const std::vector<welldata::LasHeaderSection>& header, QWidget* parent)
    : QWidget(parent), m_ownLog(std::move(own)),
      m_tracks(new LogTrackArea(log != nullptr ? *log : *m_ownLog, this)),
      m_window(new QLabel(this)), m_hover(new QLabel(this)) {
    auto* bar = new QHBoxLayout;
    QToolButton* zoomIn = Button(tr("Zoom in"), tr("Half the depths (+)"), this);
    QToolButton* zoomOut = Button(tr("Zoom out"), tr("Twice the depths (-)"), this);
    QToolButton* whole = Button(tr("Whole log"), tr("Every depth of the log"), this);
    auto* mnemonics = new QCheckBox(tr("Mnemonics only"), this);
    mnemonics->setToolTip(tr("Curve names as the file gives them, without display names"));
    for (QWidget* widget : {static_cast<QWidget*>(zoomIn), static_cast<QWidget*>(zoomOut),
                            static_cast<QWidget*>(whole), static_cast<QWidget*>(mnemonics)})
        bar->addWidget(widget);
    bar->addSpacing(12);
    bar->addWidget(m_window);
    bar->addStretch();
    bar->addWidget(m_hover);
    connect(zoomIn, &QToolButton::clicked, m_tracks, &LogTrackArea::ZoomIn);
    connect(zoomOut, &QToolButton::clicked, m_tracks, &LogTrackArea::ZoomOut);
    connect(whole, &QToolButton::clicked, m_tracks, &LogTrackArea::ShowWholeLog);
    connect(mnemonics, &QCheckBox::toggled, this, [this](bool on) {
        m_tracks->SetCurveNames(on ? logplot::CurveNames::Mnemonic
                                   : logplot::CurveNames::MnemonicAndDisplayName);
    });
    connect(m_tracks, &LogTrackArea::WindowChanged, this, &LogView::ShowWindow);
    connect(m_tracks, &LogTrackArea::DepthHovered, this, [this](double depth) {
        m_hover->setText(tr("depth %1 %2")
                             .arg(depth, 0, 'f', 2)
                             .arg(QString::fromStdWString(m_tracks->Painter().DepthUnit())));
    });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    if (header.empty()) {
        layout->addWidget(m_tracks, 1);
    } else {
        auto* splitter = new QSplitter(Qt::Horizontal, this);
        splitter->addWidget(m_tracks);
        splitter->addWidget(CreateHeaderPanel(header));
        // The tracks as wide as they are drawn, the header the rest.
        splitter->setSizes({m_tracks->Painter().Width() + 40, 520});
        layout->addWidget(splitter, 1);
    }
    ShowWindow(m_tracks->WindowTop(), m_tracks->WindowBottom());
}

QWidget* LogView::CreateHeaderPanel(const std::vector<welldata::LasHeaderSection>& header) {
    auto* tree = new QTreeWidget(this);
    tree->setHeaderLabels({tr("Mnemonic"), tr("Unit"), tr("Value"), tr("Description")});
    tree->setRootIsDecorated(true);
    for (const welldata::LasHeaderSection& section : header) {
        auto* top = new QTreeWidgetItem(tree, {QString::fromStdWString(section.name)});
        top->setFirstColumnSpanned(true);
        for (const welldata::LasHeaderItem& item : section.items)
            new QTreeWidgetItem(top, {QString::fromStdWString(item.mnemonic),
                                      QString::fromStdWString(item.unit),
                                      QString::fromStdWString(item.value),
                                      QString::fromStdWString(item.description)});
        // The long sections (parameters, other) start closed.
        top->setExpanded(section.items.size() <= 20);
    }
    tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return tree;
}

void LogView::ShowWindow(double top, double bottom) {
    const logplot::LogPainter& painter = m_tracks->Painter();
    m_window->setText(tr("%1 samples; showing %2 – %3 %4")
                          .arg(painter.SampleCount())
                          .arg(top, 0, 'f', 2)
                          .arg(bottom, 0, 'f', 2)
                          .arg(QString::fromStdWString(painter.DepthUnit())));
}
