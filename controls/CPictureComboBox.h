// A drop-down list whose entries show a picture left of their text: either a
// picture given per entry (kBitmapPictures) or the well symbol of the same
// number drawn by the well-symbol shelf (kGlyphShelfPictures).
//
// Usage (the well symbol list of the new-well dialog; in a .ui file promote a
// QComboBox to CPictureComboBox):
//   symbols->SetPictureMode(CPictureComboBox::kGlyphShelfPictures);
//   symbols->FillFromGlyphShelf();
//   symbols->setCurrentIndex(8);
//   symbols->SetPictureSize(18, 18);
#pragma once

#include "wellsymbol/IGlyphShelf.h"

#include <QComboBox>
#include <QList>
#include <QPixmap>
#include <memory>

class CPictureComboBox : public QComboBox {
    Q_OBJECT

public:
    enum PictureMode { kBitmapPictures = 0, kGlyphShelfPictures = 1 };

    explicit CPictureComboBox(QWidget* parent = nullptr, int pictureMode = kGlyphShelfPictures);
    ~CPictureComboBox() override;

    void SetPictureMode(int pictureMode) { m_pictureMode = pictureMode; }
    int GetPictureMode() const { return m_pictureMode; }
    // The height of every entry and of the selection field, and the width of
    // the picture at the left of an entry.
    void SetPictureSize(int itemHeight, int pictureWidth);
    int GetItemHeight() const { return m_itemHeight; }
    int GetPictureWidth() const { return m_pictureWidth; }
    // One picture per entry, in entry order (bitmap mode).
    void SetBitmaps(const QList<QPixmap>& bitmaps);
    // Adds the well symbol names, in shelf order: each entry shows the name in
    // the chosen language and holds the shelf's own name as its data (the
    // well type a host records). Returns how many were added.
    int FillFromGlyphShelf();
    const IGlyphShelf& GetGlyphShelf() const { return *m_glyphShelf; }

    // Draws entry `index` (picture, then text) into `rect`.
    void DrawEntry(QPainter& painter, const QRect& rect, int index, bool selected) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize FieldSize(QSize hint) const;

    std::unique_ptr<IGlyphShelf> m_glyphShelf;
    QList<QPixmap> m_bitmaps;
    int m_itemHeight = 16;
    int m_pictureWidth = 16;
    int m_pictureMode;
};
