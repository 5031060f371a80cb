#include "controls/CPictureComboBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QStringList>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <cwchar>

namespace {

constexpr int kTextGap = 2;

// Draws the entries of the opened list the way the selection field shows them.
class PictureEntryDelegate : public QStyledItemDelegate {
public:
    explicit PictureEntryDelegate(CPictureComboBox* combo)
        : QStyledItemDelegate(combo), m_combo(combo) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        m_combo->DrawEntry(*painter, option.rect, index.row(),
                           option.state & QStyle::State_Selected);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width() +
                         m_combo->GetPictureWidth() + kTextGap,
                     m_combo->GetItemHeight());
    }

private:
    CPictureComboBox* m_combo;
};

QFont EntryFont(const QFont& base) {
    QFont font = base;
    font.setFamilies(QStringList{QStringLiteral("宋体"), QStringLiteral("SimSun"), base.family()});
    return font;
}

} // namespace

CPictureComboBox::CPictureComboBox(QWidget* parent, int pictureMode)
    : QComboBox(parent), m_glyphShelf(std::make_unique<IGlyphShelf>()), m_pictureMode(pictureMode) {
    setEditable(false);
    setItemDelegate(new PictureEntryDelegate(this));
}

CPictureComboBox::~CPictureComboBox() = default;

void CPictureComboBox::SetPictureSize(int itemHeight, int pictureWidth) {
    m_itemHeight = std::max(1, itemHeight);
    m_pictureWidth = std::max(0, pictureWidth);
    updateGeometry();
    view()->doItemsLayout();
    update();
}

void CPictureComboBox::SetBitmaps(const QList<QPixmap>& bitmaps) {
    m_bitmaps = bitmaps;
    update();
}

int CPictureComboBox::FillFromGlyphShelf() {
    const wchar_t* const* names = nullptr;
    if (!m_glyphShelf->GetSymbolNames(IGlyphShelf::kWellSymbols, &names) || names == nullptr)
        return 0;
    int added = 0;
    // The list ends at a null pointer or at the text "-1".
    // The entry shows the name in the chosen language and keeps the shelf's own.
    for (; names[added] != nullptr && std::wcscmp(names[added], L"-1") != 0; ++added) {
        const QString name = QString::fromWCharArray(names[added]);
        addItem(QCoreApplication::translate("IGlyphShelf", name.toUtf8().constData()), name);
    }
    return added;
}

void CPictureComboBox::DrawEntry(QPainter& painter, const QRect& rect, int index,
                                 bool selected) const {
    if (index < 0 || index >= count())
        return;
    painter.save();
    const QPalette& colours = palette();
    const QRect textArea = rect.adjusted(m_pictureWidth + kTextGap, 0, 0, 0);
    painter.fillRect(textArea, selected ? colours.highlight() : colours.base());
    painter.setPen(selected ? colours.highlightedText().color() : colours.text().color());
    painter.setFont(EntryFont(font()));
    painter.drawText(textArea.adjusted(kTextGap, 0, 0, 0),
                     Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, itemText(index));

    const QRect pictureArea(rect.left() + 1, rect.top() + 1, m_pictureWidth,
                            std::max(0, rect.height() - 2));
    painter.fillRect(pictureArea, colours.base());
    if (m_pictureMode == kGlyphShelfPictures)
        m_glyphShelf->DrawSymbol(painter, index + 1, pictureArea);
    else if (index < m_bitmaps.size()) // a missing picture leaves the area blank
        painter.drawPixmap(pictureArea.adjusted(0, 0, 0, -1), m_bitmaps[index]);
    painter.restore();
}

QSize CPictureComboBox::FieldSize(QSize hint) const {
    // The selection field is one entry high plus the frame around it.
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QSize frame =
        style()->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(0, m_itemHeight), this);
    hint.setHeight(std::max(frame.height(), m_itemHeight));
    hint.setWidth(hint.width() + m_pictureWidth + kTextGap);
    return hint;
}

QSize CPictureComboBox::sizeHint() const {
    return FieldSize(QComboBox::sizeHint());
}

QSize CPictureComboBox::minimumSizeHint() const {
    return FieldSize(QComboBox::minimumSizeHint());
}

void CPictureComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    DrawEntry(painter, field, currentIndex(), hasFocus());
}
