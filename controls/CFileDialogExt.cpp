#include "controls/CFileDialogExt.h"

#include "controls/ControlId.h"
#include "controls/FixedPitchFont.h"

#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStyle>
#include <QTreeView>
#include <algorithm>
#include <iterator>

namespace {

constexpr int kSampleLines = 10;
constexpr int kSampleColumns = 100;
// Room for the file list and all its columns above the sample.
constexpr int kMinimumWidth = 900;
constexpr int kMinimumHeight = 600;

// The patterns in the last parentheses of a description, if any.
QString TrailingPatterns(const QString& description) {
    static const QRegularExpression trailing(QStringLiteral("\\(([^()]*)\\)\\s*$"));
    const QRegularExpressionMatch match = trailing.match(description);
    return match.hasMatch() ? match.captured(1).simplified() : QString();
}

} // namespace

CFileDialogExt::CFileDialogExt(bool openFileDialog, const QString& defaultExtension,
                               const QString& fileName, const QString& filter, QWidget* parent)
    : QFileDialog(parent) {
    setOption(QFileDialog::DontUseNativeDialog, true);
    setProperty(welldata::kControlIdProperty, static_cast<int>(IDD_FILE_DIALOG_EXT));
    setWindowTitle(tr("请要加载选择文件"));
    setAcceptMode(openFileDialog ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    setFileMode(openFileDialog ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!defaultExtension.isEmpty())
        setDefaultSuffix(defaultExtension);
    m_nameFilters = ParseFilterText(filter);
    if (!m_nameFilters.isEmpty())
        setNameFilters(m_nameFilters);
    AddSampleBox();
    WidenFileColumns();
    StartIn(fileName);
    connect(this, &QFileDialog::filterSelected, this, &CFileDialogExt::OnFilterSelected);
    UpdateSample();
}

CFileDialogExt::~CFileDialogExt() = default;

QStringList CFileDialogExt::ParseFilterText(const QString& filter) {
    QStringList nameFilters;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        // An empty description is the "||" that ends the list.
        if (description.isEmpty())
            break;
        const QString patterns =
            parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
        if (patterns.isEmpty() || TrailingPatterns(description) == patterns.simplified())
            nameFilters << description;
        else
            nameFilters << QStringLiteral("%1 (%2)").arg(description, patterns);
    }
    return nameFilters;
}

void CFileDialogExt::AddSampleBox() {
    m_sampleBox = new QPlainTextEdit(this);
    m_sampleBox->setObjectName(QStringLiteral("sampleBox"));
    m_sampleBox->setProperty(welldata::kControlIdProperty, static_cast<int>(IDC_SAMPLE_BOX));
    m_sampleBox->setReadOnly(true);
    m_sampleBox->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_sampleBox->setFont(welldata::FixedPitchFont(font()));
    const QFontMetrics metrics(m_sampleBox->font());
    const int frame = 2 * m_sampleBox->frameWidth() + 8;
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    m_sampleBox->setFixedHeight(metrics.lineSpacing() * kSampleLines + frame + scrollBar);
    m_sampleBox->setMinimumWidth(metrics.horizontalAdvance(QLatin1Char('0')) * kSampleColumns +
                                 frame);
    // Under the file list and the name and type fields, across the dialog.
    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(m_sampleBox, grid->rowCount(), 0, 1, grid->columnCount());
    else if (layout() != nullptr)
        layout()->addWidget(m_sampleBox);
    resize(std::max({width(), sizeHint().width(), kMinimumWidth}),
           std::max(height(), kMinimumHeight));
}

void CFileDialogExt::WidenFileColumns() {
    // Wide enough for a whole size, type and date.
    auto* files = findChild<QTreeView*>(QStringLiteral("treeView"));
    if (files == nullptr)
        return;
    const QFontMetrics metrics(files->font());
    const char* widest[] = {"00000000000000000000000000000000", "000.00 KiB", "plain text document",
                            "0000-00-00 00:00:00"};
    for (int column = 0; column < static_cast<int>(std::size(widest)); ++column)
        files->header()->resizeSection(
            column, metrics.horizontalAdvance(QString::fromLatin1(widest[column])) + 24);
}

void CFileDialogExt::StartIn(const QString& fileName) {
    if (fileName.isEmpty())
        return;
    const QFileInfo file(fileName);
    // A folder that does not exist is no place to start: the dialog stays in its
    // own and only the name is proposed.
    if (file.dir().exists())
        setDirectory(file.dir());
    if (!file.fileName().isEmpty())
        selectFile(file.fileName());
}

void CFileDialogExt::SetFilterIndex(int index) {
    m_filterIndex = index;
    if (index >= 1 && index <= m_nameFilters.size())
        selectNameFilter(m_nameFilters[index - 1]);
    UpdateSample();
}

void CFileDialogExt::SetDataKind(int dataKind) {
    m_dataKind = dataKind;
    UpdateSample();
}

void CFileDialogExt::SetMultipleSelection(bool multiple) {
    if (acceptMode() == QFileDialog::AcceptOpen)
        setFileMode(multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
}

QString CFileDialogExt::GetPathName() const {
    const QStringList paths = GetPathNames();
    return paths.isEmpty() ? QString() : paths.front();
}

QStringList CFileDialogExt::GetPathNames() const {
    return result() == QDialog::Accepted ? selectedFiles() : QStringList();
}

void CFileDialogExt::done(int result) {
    // The file type is the one shown when the dialog ends, however it was chosen.
    if (result == QDialog::Accepted)
        OnFilterSelected(selectedNameFilter());
    QFileDialog::done(result);
}

void CFileDialogExt::OnFilterSelected(const QString& nameFilter) {
    const qsizetype index = m_nameFilters.indexOf(nameFilter);
    if (index >= 0) {
        m_filterIndex = static_cast<int>(index) + 1;
        UpdateSample();
    }
}

CFileDialogExt::Sample CFileDialogExt::SampleFor(int dataKind, int filterIndex) {
    // Well data come in four file types, in the order of their filters.
    static const Sample wellDataSamples[] = {Sample::WellLog, Sample::RockCoreAnalysis,
                                             Sample::RockCoreDescribe, Sample::Las};
    switch (dataKind) {
    case 0:
        return Sample::WellHeads;
    case 1:
        return Sample::WellPath;
    case 2:
        if (filterIndex >= 1 && filterIndex <= static_cast<int>(std::size(wellDataSamples)))
            return wellDataSamples[filterIndex - 1];
        return Sample::None;
    default:
        return Sample::None;
    }
}

QString CFileDialogExt::SampleText(Sample sample) {
    static const struct {
        Sample sample;
        const char* resource;
    } resources[] = {
        {Sample::WellHeads, ":/samples/well_heads.txt"},
        {Sample::WellPath, ":/samples/well_path.txt"},
        {Sample::WellLog, ":/samples/well_log.txt"},
        {Sample::RockCoreAnalysis, ":/samples/rock_core_analysis.txt"},
        {Sample::RockCoreDescribe, ":/samples/rock_core_describe.txt"},
        {Sample::Las, ":/samples/las_header.txt"},
    };
    for (const auto& entry : resources) {
        if (entry.sample != sample)
            continue;
        QFile file(QString::fromLatin1(entry.resource));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    return QString();
}

void CFileDialogExt::UpdateSample() {
    if (m_sampleBox != nullptr)
        m_sampleBox->setPlainText(SampleText(SampleFor(m_dataKind, m_filterIndex)));
}
